#include "allocation_counter.h"

#include <cstdlib>

namespace noheap {

namespace {

bool counting = false;
int notThePlugins = 0;  // depth of host services and platform calls running now
std::size_t counted = 0;

void Seen() {
  if (counting && notThePlugins == 0) ++counted;
}

}  // namespace

void StartCounting() {
  counted = 0;
  counting = true;
}

std::size_t StopCounting() {
  counting = false;
  return counted;
}

NotThePlugins::NotThePlugins() { ++notThePlugins; }
NotThePlugins::~NotThePlugins() { --notThePlugins; }

}  // namespace noheap

#if defined(__SANITIZE_ADDRESS__)
#define NOHEAP_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NOHEAP_UNDER_ASAN 1
#endif
#endif

#if defined(NOHEAP_UNDER_ASAN)
// AddressSanitizer owns malloc; it calls these hooks for every allocation
// (malloc, calloc, realloc, operator new alike).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, std::size_t),
                                                         void (*onFree)(const volatile void*));
namespace {
void OnMalloc(const volatile void*, std::size_t) { noheap::Seen(); }
void OnFree(const volatile void*) {}
const bool hooksInstalled = __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree) != 0;
}  // namespace
#else
// The C library's allocator replaced by counting entries that hand on to
// it; operator new comes through malloc. The aligned entries left to the C
// library take from the same allocator, so free() here releases them too.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);

void* malloc(std::size_t size) noexcept {
  noheap::Seen();
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
  noheap::Seen();
  return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) noexcept {
  noheap::Seen();
  return __libc_realloc(block, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  noheap::Seen();
  return __libc_memalign(alignment, size);
}
void free(void* block) noexcept { __libc_free(block); }
}
#endif
