#pragma once
// Under Wine only: a Unix shell command run from a Windows test, for what
// Win32 cannot do or see there (a file's Unix mode and owner). Wine starts
// a Unix program from CreateProcessW with no process to wait for, so the
// command's output arrives in a file whose appearance says it is done.
#include <filesystem>
#include <optional>
#include <string>

namespace testing_support {

// The Unix name of a file under Wine; empty on Windows.
std::string UnixFileName(const std::filesystem::path& path);

// What `command` printed (and its error output), or nothing when this is
// not Wine or it did not finish within 10 s. `command` is run by /bin/sh
// and must not hold a double quote.
std::optional<std::string> RunUnixShell(const std::string& command);

}  // namespace testing_support
