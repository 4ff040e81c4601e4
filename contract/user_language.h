#pragma once
// The language the user reads: the one rule the settings tool and the
// stand-in host both choose by, so that they always speak alike.
namespace talvenor {

enum class UserLanguage { kEnglish, kPolish };

// Windows: the user's interface language. Elsewhere: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty. Polish for a Polish one,
// else English.
UserLanguage SystemUserLanguage();

}  // namespace talvenor
