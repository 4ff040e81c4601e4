#include "first_run_notice.h"

#include "contract/abi/host_constants.h"
#include "shell/platform.h"
#include "shell/service_slots.h"
#include "text/texts.h"
#include "text/plugin_description.h"

namespace talvenor {

namespace {


// The description and its newline, with the NUL.
constexpr std::size_t kNoticeSize = kPluginDescriptionSize + 1;
static_assert(sizeof text::kNoticeFormat == 4, "the notice is \"%s\\n\": one byte more than the description");

}  // namespace

std::int32_t ShowFirstRunNotice() {
  if (platform::FileExists(kMarkerFileName)) return 0;

  // The marker before the box: a program ended while the box is open does
  // not show it again. Nothing is written; only the name matters.
  HostFile marker = HostFileOpen(kMarkerFileName, kWriteMode, kShareDenyNone, 0, -1);
  if (marker != nullptr) HostFileClose(marker);

  char description[kPluginDescriptionSize];
  CopyDescription(description);
  char notice[kNoticeSize];
  wsprintfA(notice, text::kNoticeFormat.data(), description);
  HostMessageBox(text::kNoticeTitle.data(), notice, kNoticeBoxStyle);
  return 0;
}

}  // namespace talvenor
