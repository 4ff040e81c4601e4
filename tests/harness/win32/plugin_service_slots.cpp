#include "plugin_service_slots.h"

#include "contract/abi/host_services.h"

namespace testing_support {

std::uintptr_t* FindServiceSlotRow(HMODULE plugin, HMODULE host) {
  auto* base = reinterpret_cast<unsigned char*>(plugin);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const std::uintptr_t imageEnd = reinterpret_cast<std::uintptr_t>(base) + nt->OptionalHeader.SizeOfImage;
  std::uintptr_t exports[talvenor::kServiceCount];
  for (int i = 0; i < talvenor::kServiceCount; ++i)
    exports[i] = reinterpret_cast<std::uintptr_t>(
        GetProcAddress(host, MAKEINTRESOURCEA(talvenor::kHostServices[i].ordinal)));
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (int s = 0; s < nt->FileHeader.NumberOfSections; ++s, ++section) {
    if ((section->Characteristics & IMAGE_SCN_MEM_WRITE) == 0) continue;
    auto* words = reinterpret_cast<std::uintptr_t*>(base + section->VirtualAddress);
    const std::size_t count = section->Misc.VirtualSize / sizeof(std::uintptr_t);
    for (std::size_t at = 0; at + talvenor::kServiceCount <= count; ++at) {
      bool match = true;
      for (int i = 0; i < talvenor::kServiceCount && match; ++i) {
        const std::uintptr_t word = words[at + i];
        match = exports[i] != 0 ? word == exports[i]
                                : word >= reinterpret_cast<std::uintptr_t>(base) && word < imageEnd;
      }
      if (match) return words + at;
    }
  }
  return nullptr;
}

std::vector<std::uintptr_t> FindServiceSlots(HMODULE plugin, HMODULE host) {
  const std::uintptr_t* row = FindServiceSlotRow(plugin, host);
  if (row == nullptr) return {};
  return std::vector<std::uintptr_t>(row, row + talvenor::kServiceCount);
}

}  // namespace testing_support
