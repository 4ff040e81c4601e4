#include "user_language.h"

#include <cstdlib>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace talvenor {

UserLanguage SystemUserLanguage() {
#if defined(_WIN32)
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_POLISH ? UserLanguage::kPolish : UserLanguage::kEnglish;
#else
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("pl") ? UserLanguage::kPolish : UserLanguage::kEnglish;
  }
  return UserLanguage::kEnglish;
#endif
}

}  // namespace talvenor
