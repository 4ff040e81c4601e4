#pragma once
// Reading the text fields of a loaded ReminderSettings, as the plug-in
// reads them. A damaged file can leave a field without its NUL; its text
// then ends at the field's last byte, which is read as the terminator.
// Heap-free: the plug-in uses it.
#include <cstddef>

namespace talvenor {

// The length of a field's text: up to its NUL, at most `width` - 1 bytes.
inline std::size_t FieldTextLength(const char* field, std::size_t width) {
  std::size_t length = 0;
  while (length + 1 < width && field[length] != '\0') ++length;
  return length;
}

// Copies the text of `source` into `destination`, a field of the same
// width: up to the NUL, at most N - 1 characters, and always terminated.
// Bytes of `destination` after the terminator are left as they were.
template <std::size_t N>
void CopyFieldText(char (&destination)[N], const char (&source)[N]) {
  const std::size_t length = FieldTextLength(source, N);
  for (std::size_t i = 0; i < length; ++i) destination[i] = source[i];
  destination[length] = '\0';
  destination[N - 1] = '\0';
}

// Whether two fields of the same width hold the same text, byte for byte up
// to and including the terminator.
template <std::size_t N>
bool FieldTextsEqual(const char (&a)[N], const char (&b)[N]) {
  for (std::size_t i = 0; i + 1 < N; ++i) {
    if (a[i] != b[i]) return false;
    if (a[i] == '\0') return true;
  }
  return true;
}

}  // namespace talvenor
