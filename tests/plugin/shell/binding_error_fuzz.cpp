// The box that names a missing host service, with any module path the
// platform may give (MAX_PATH, 260, and well beyond; a path that does not
// fit the plug-in's buffer comes back cut and unterminated, as on Windows)
// and any export name (identifiers from 0x10000 up are name pointers).
// wsprintfA writes at most 1024 bytes as on Windows; MessageBoxA answers
// from the input. The message must hold the cut texts, in order, and never
// a marker byte; the answers must end the box as the user chose.
//
// Input, from the end: the switches and answers; from the front: the path
// (a length-prefixed string), then the export name up to its NUL.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "harness/fuzz_host.h"
#include "services/host_services_impl.h"
#include "shell/binding_error.h"
#include "shell/platform.h"
#include "shell/service_binding.h"
#include "shell/service_slots.h"
#include "text/texts.h"

namespace {

constexpr std::size_t kLongestPath = 1100;  // long-path-aware Windows gives far more than MAX_PATH
constexpr int kMostAnswers = 6;
constexpr int kAnswers[] = {IDABORT, IDRETRY, IDIGNORE, 0, 1 /* IDOK */, 7 /* IDNO */};

// The text as the box shows it when nothing converts it: up to its NUL,
// cut to what the buffer holds, the markers as spaces.
std::string AsShown(std::string text, std::size_t longest) {
  text = text.substr(0, text.find('\0')).substr(0, longest);
  for (char& c : text)
    if (c == '\x01' || c == '\x02') c = ' ';
  return text;
}

bool PlainAscii(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool ignoreAllBefore = input.ConsumeIntegralInRange(0, 7) == 0;
  const bool convert = input.ConsumeBool();
  const bool byName = input.ConsumeBool();
  const std::uint16_t ordinal = input.ConsumeIntegral<std::uint16_t>();
  std::vector<int> answers;
  for (int n = input.ConsumeIntegralInRange(0, kMostAnswers); n > 0; --n)
    answers.push_back(input.PickValueInArray(kAnswers));
  const std::string path = input.ConsumeRandomLengthString(kLongestPath);
  std::string name = input.ConsumeRemainingBytesAsString();
  name = name.substr(0, name.find('\0'));

  nativewin::Reset();
  standin::ResetState();
  talvenor::ownModule = nativewin::AddModule({"talvenor", path, nullptr, nullptr});
  talvenor::ignoreAll = ignoreAllBefore ? 1 : 0;
  serviceSlots[talvenor::HostConvertTextSlot] = convert ? standin::ServiceByOrdinal(52158) : nullptr;
  nativewin::ScriptMessageBoxAnswers(answers);

  // A name in a heap block of exactly its size, NUL included.
  std::unique_ptr<char[]> nameBlock(new char[name.size() + 1]);
  std::memcpy(nameBlock.get(), name.c_str(), name.size() + 1);
  const char* identifier = byName ? nameBlock.get() : MAKEINTRESOURCEA(ordinal);

  const std::int32_t result = talvenor::ShowBindingError(identifier);

  const auto& boxes = nativewin::ShownMessageBoxes();
  if (ignoreAllBefore) {
    FUZZ_CHECK(result == 1 && boxes.empty());
    return 0;
  }
  // Retry shows the same box again; the first other answer ends it (Abort
  // once the script runs out).
  std::size_t shown = 1;
  int last = IDABORT;
  for (const int answer : answers) {
    if (answer != IDRETRY) {
      last = answer;
      break;
    }
    ++shown;
  }
  FUZZ_CHECK(boxes.size() == shown);
  FUZZ_CHECK(result == (last == IDIGNORE ? 1 : 0));
  FUZZ_CHECK(talvenor::ignoreAll == result);

  const std::string& message = boxes.front().text;
  FUZZ_CHECK(message.size() < talvenor::kBindingMessageSize);
  FUZZ_CHECK(message.find_first_of("\x01\x02") == std::string::npos);
  for (const auto& box : boxes) FUZZ_CHECK(box.text == message && box.caption == boxes.front().caption);

  const std::string pathText =
      path.empty() ? std::string(talvenor::text::kUnknownModule.data()) : AsShown(path, talvenor::kModulePathSize - 1);
  const std::string identifierText =
      byName ? AsShown(name, talvenor::kIdentifierTextSize - 1) : std::to_string(ordinal);
  if (!convert || (PlainAscii(pathText) && PlainAscii(identifierText))) {
    const std::string head = "W module  " + pathText + " \nbrak wpisu  " + identifierText + " \nWywo";
    FUZZ_CHECK(message.compare(0, head.size(), head) == 0);
  }
  return 0;
}
