#include "plugin_exports.h"

#include "../reminder/first_run_notice.h"
#include "../reminder/key_hook.h"
#include "../reminder/plugin_description.h"
#include "../text/texts.h"
#include "service_slots.h"

namespace talvenor {

namespace {

constexpr std::int32_t kStopStyle = 0xC001;

// Set by the first PluginStart(0). A second start would hand KeyHook to
// HostSetKeyHook again and get KeyHook back as its own predecessor: every
// key would then recurse until the stack ran out.
bool started = false;

}  // namespace

std::int32_t CheckInterfaceVersion() { return HostInterfaceVersion() == kHostInterfaceVersion ? 0 : -1; }

void ShowVersionStop() {
  char description[kPluginDescriptionSize];
  CopyDescription(description);
  HostMessageBoxF(text::kStopTitle.data(), text::kStopFormat.data(), kStopStyle, description, description);
}

void ResetPluginStartForTests() { started = false; }

}  // namespace talvenor

extern "C" {

std::int32_t TALVENOR_CALLEE_POPS PluginAttach(void* hostContext, char* descriptionBuffer) {
  if (hostContext == nullptr) return 0;
  if (descriptionBuffer != nullptr) talvenor::CopyDescription(descriptionBuffer);
  return talvenor::CheckInterfaceVersion();
}

std::int32_t TALVENOR_CALLEE_POPS PluginStart(std::int32_t versionMismatch) {
  using namespace talvenor;
  if (versionMismatch != 0) {
    ShowVersionStop();
    return 0;
  }
  if (started) return 0;
  started = true;
  const KeyHookFn before = HostSetKeyHook(&KeyHook);
  // A host that hands back the hook installed last must not make KeyHook
  // its own predecessor.
  previousHook = before == &KeyHook ? nullptr : before;
  ShowFirstRunNotice();
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS PluginOptional() { return 0; }

}  // extern "C"
