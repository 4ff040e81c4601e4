#pragma once
// A text file's bytes as Windows programs save them, as UTF-8: UTF-8 with
// or without Notepad's byte order mark, or UTF-16 with one (Notepad's
// "Unicode", PowerShell 5's `>`). Anything else (an ANSI file, UTF-16
// without its mark) is refused with a word on how to save it as UTF-8.
#include <string>
#include <string_view>

namespace infprz {

// Throws InvalidInput naming `source` (the file's name as typed).
std::string DecodeTextFile(std::string_view bytes, const std::string& source);

}  // namespace infprz
