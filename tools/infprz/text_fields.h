#pragma once
// The record's NUL-terminated text fields, named as the tool reports them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings_file.h"

namespace infprz {

struct TextField {
  std::string name;   // "the text", "row 2: start date", ... in the user's language
  char* bytes;        // the field inside the record
  std::size_t width;  // bytes, the NUL included
};

// Every text field of `record`: the text, each row's three, the password.
std::vector<TextField> TextFields(ReminderSettings& record);

// What every reader takes as the text: up to its NUL, or up to the last
// byte of the field, which is the NUL's place, when a damaged file has none.
std::string_view StoredText(const char* field, std::size_t width);

// Stores `mazovia` in a field, NUL and zeros after it; the caller checked
// that it fits (width - 1 bytes at most).
void StoreText(char* field, std::size_t width, std::string_view mazovia);

}  // namespace infprz
