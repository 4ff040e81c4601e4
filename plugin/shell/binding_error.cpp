#include "binding_error.h"

#include <cstring>

#include "contract/abi/host_constants.h"
#include "platform.h"
#include "text/plugin_description.h"
#include "service_binding.h"
#include "service_slots.h"
#include "text/texts.h"

namespace talvenor {

std::int32_t ignoreAll = 0;

namespace {

constexpr UINT kBindingErrorStyle = MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_TASKMODAL;

static_assert(sizeof text::kBindingErrorFormat - 1 - 3 * 2 + (kModulePathSize - 1) + (kIdentifierTextSize - 1) +
                      (sizeof PluginDescription - 1) + 1 <=
                  kBindingMessageSize,
              "the binding message must hold its worst case uncut");
static_assert(sizeof text::kBindingErrorTitle == 21);

// The plug-in's own file path, or "<nieznany>" when the platform has none.
void OwnModuleText(char (&path)[kModulePathSize]) {
  if (GetModuleFileNameA(static_cast<HMODULE>(ownModule), path, kModulePathSize) == 0)
    lstrcpyA(path, text::kUnknownModule.data());
  // A path that did not fit comes back cut and unterminated.
  path[kModulePathSize - 1] = '\0';
}

// An ordinal in decimal; a name as it is, cut to the buffer.
void IdentifierText(const char* identifier, char (&out)[kIdentifierTextSize]) {
  if (IsOrdinal(identifier)) {
    _itoa(static_cast<int>(reinterpret_cast<std::uintptr_t>(identifier)), out, 10);
    return;
  }
  std::strncpy(out, identifier, kIdentifierTextSize - 1);
  out[kIdentifierTextSize - 1] = '\0';
}

// The inserted texts are marked with 0x02 ... 0x01; neither may reach the
// screen, wherever it stands.
void MarkersToSpaces(char* message) {
  for (char* p = message; *p != '\0'; ++p)
    if (*p == '\x01') *p = ' ';
  for (char* p = message; *p != '\0'; ++p)
    if (*p == '\x02') *p = ' ';
}

// Converts in place to the Windows code page, if HostConvertText can be
// had. Its slot is null while its own lookup has failed (its own box, or a
// box shown while binding it on first use from an earlier box): the text
// then stays unconverted. A slot still unbound binds the service here, at
// most one box deep, since a failed binding leaves the slot null.
void ToWindowsCodePage(char* text) {
  if (serviceSlots[HostConvertTextSlot] != nullptr) HostConvertText(text, text, kCodeMazovia, kCodeWindows1250);
}

}  // namespace

std::int32_t TALVENOR_CALLEE_POPS ShowBindingError(const char* identifier) {
  if (ignoreAll != 0) return 1;

  char modulePath[kModulePathSize];
  OwnModuleText(modulePath);
  char identifierText[kIdentifierTextSize];
  IdentifierText(identifier, identifierText);
  char description[sizeof PluginDescription];
  CopyDescription(description);

  char message[kBindingMessageSize];
  wsprintfA(message, text::kBindingErrorFormat.data(), modulePath, identifierText, description);
  message[kBindingMessageSize - 1] = '\0';
  MarkersToSpaces(message);

  char title[sizeof text::kBindingErrorTitle];
  lstrcpyA(title, text::kBindingErrorTitle.data());

  ToWindowsCodePage(message);
  ToWindowsCodePage(title);

  for (;;) {
    const int answer = MessageBoxA(nullptr, message, title, kBindingErrorStyle);
    if (answer == IDRETRY) continue;
    if (answer == IDIGNORE) {
      ignoreAll = 1;
      return 1;
    }
    return 0;
  }
}

}  // namespace talvenor
