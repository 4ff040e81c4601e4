#include "exports/plugin_exports.h"

#include <type_traits>

#include "contract/abi/host_constants.h"
#include "contract/abi/plugin_exports.h"
#include "reminder/first_run_notice.h"
#include "reminder/key_hook.h"
#include "text/plugin_description.h"
#include "text/texts.h"
#include "shell/service_slots.h"

namespace talvenor {

// Each export as defined is what the host calls through the table's type.
#define TALVENOR_CHECK_EXPORT_TYPE(name, ordinal, pops, bytes, result, params) \
  static_assert(std::is_same_v<decltype(&::name), name##Fn>, #name " differs from the exports table");
TALVENOR_PLUGIN_EXPORTS(TALVENOR_CHECK_EXPORT_TYPE)
#undef TALVENOR_CHECK_EXPORT_TYPE

std::int32_t CheckInterfaceVersion() { return HostInterfaceVersion() == kHostInterfaceVersion ? 0 : -1; }

void ShowVersionStop() {
  char description[kPluginDescriptionSize];
  CopyDescription(description);
  HostMessageBoxF(text::kStopTitle.data(), text::kStopFormat.data(), kAlarmBoxStyle, description, description);
}

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
  // A repeated start in the same load installs nothing and shows nothing.
  if (InstallKeyHook()) ShowFirstRunNotice();
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS PluginOptional() { return 0; }

}  // extern "C"
