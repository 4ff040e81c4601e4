#pragma once
// Key codes for the host's tests, by name ("Alt-O") or as typed text.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/bios_keys.h"
#include "core/host_texts.h"
#include "core/screen.h"

namespace host_test {

inline std::uint16_t Key(const std::string& name) {
  const auto event = standin::host::ParseKeyName(name);
  EXPECT_TRUE(event.has_value()) << "no key named " << name;
  return event ? standin::host::BiosKeyCode(*event) : 0;
}

// The codes of key names separated by blanks ("Home Del").
inline std::vector<std::uint16_t> Keys(const std::string& names) {
  std::vector<std::uint16_t> codes;
  std::istringstream words(names);
  for (std::string name; words >> name;) codes.push_back(Key(name));
  return codes;
}

// The codes that typing `utf8` on the host's keyboard gives.
inline std::vector<std::uint16_t> Typed(const std::string& utf8) {
  std::vector<std::uint16_t> codes;
  for (char32_t ch : standin::host::DecodeUtf8(utf8)) codes.push_back(standin::host::BiosKeyCode(standin::host::KeyForCharacter(ch)));
  return codes;
}

// The stand-in's own words in `language` while it lives, then English again.
struct SpeakingIn {
  explicit SpeakingIn(talvenor::UserLanguage language) { standin::host::text::UseLanguage(language); }
  ~SpeakingIn() { standin::host::text::UseLanguage(talvenor::UserLanguage::kEnglish); }
  SpeakingIn(const SpeakingIn&) = delete;
  SpeakingIn& operator=(const SpeakingIn&) = delete;
};
inline constexpr auto kPolish = talvenor::UserLanguage::kPolish;
inline constexpr auto kEnglish = talvenor::UserLanguage::kEnglish;

}  // namespace host_test
