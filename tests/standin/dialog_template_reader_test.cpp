// The host's reader on sets a plug-in might hand over damaged: it refuses
// them with a reason and reads nothing outside the bytes it was given (the
// native build runs this under AddressSanitizer, with every copy in a heap
// block of exactly its size). Random damage is the fuzz target's.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "reminder/dialog_templates.h"
#include "services/dialog_template_reader.h"

namespace {

using talvenor::DialogTemplateSet;

constexpr std::size_t kSetSize = sizeof DialogTemplateSet;
constexpr std::size_t kDialogEnds[] = {0, 90, 1388, 1588};  // by dialog number
constexpr std::size_t kDialog2 = 90;                         // where dialog 2 starts
constexpr std::size_t kDialog2FirstItem = kDialog2 + 24 + 30;
constexpr std::size_t kDialog1Field = 4 + 24 + 19;
constexpr std::size_t kDialog2PasswordField = 1250;  // item 31

// A copy of the first `size` bytes in a heap block of exactly that size.
struct Copy {
  std::unique_ptr<unsigned char[]> bytes;
  std::size_t size;

  explicit Copy(std::size_t n = kSetSize) : bytes(new unsigned char[n == 0 ? 1 : n]), size(n) {
    std::memcpy(bytes.get(), DialogTemplateSet, n);
  }
  void PutWord(std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
  }
  void PutCount(std::uint32_t count) {
    PutWord(0, static_cast<std::uint16_t>(count));
    PutWord(2, static_cast<std::uint16_t>(count >> 16));
  }
  std::optional<standin::DialogView> Read(int number, std::string* error = nullptr) const {
    return standin::ReadDialog(bytes.get(), size, number, error);
  }
};

// The reason the reader gives for refusing dialog `number` of `copy`;
// "accepted" when it does not refuse.
std::string Refusal(const Copy& copy, int number) {
  std::string error;
  return copy.Read(number, &error) ? "accepted" : error;
}

TEST(DialogTemplateReader, EveryTruncationIsRefusedAndAnHonestCountKeepsTheWholeDialogs) {
  for (std::size_t n = 0; n < kSetSize; ++n) {
    Copy copy(n);
    for (int number = 1; number <= 3; ++number)
      EXPECT_FALSE(copy.Read(number)) << "dialog " << number << " read from " << n << " bytes of a longer set";
    if (n < 4) continue;
    // The count set to what is left: the dialogs before the cut stay readable.
    copy.PutCount(static_cast<std::uint32_t>(n - 4));
    for (int number = 1; number <= 3; ++number)
      EXPECT_EQ(copy.Read(number).has_value(), kDialogEnds[number] <= n)
          << "dialog " << number << " of a set cut to " << n << " bytes";
  }
}

TEST(DialogTemplateReader, RefusesEachKindOfMalformedSetWithItsReason) {
  struct Case {
    const char* what;
    int dialog;
    void (*damage)(Copy&);
    const char* reason;
  } cases[] = {
      {"count past the end", 1, [](Copy& c) { c.PutCount(1585); }, "1585 bytes follow"},
      {"bodySize past the end", 2, [](Copy& c) { c.PutWord(kDialog2, 0xFFFF); }, "bodySize runs past"},
      {"dialog shorter than its header", 2, [](Copy& c) { c.PutWord(kDialog2, 0); }, "shorter than its header"},
      {"unknown kind", 2, [](Copy& c) { c.PutWord(kDialog2FirstItem, 1); }, "unknown kind 1"},
      {"item count that cannot fit", 2, [](Copy& c) { c.PutWord(kDialog2 + 2, 0xFFFF); }, "cannot fit"},
      {"one item too many", 2, [](Copy& c) { c.PutWord(kDialog2 + 2, 35); }, "item 35: runs past"},
      {"one item too few", 2, [](Copy& c) { c.PutWord(kDialog2 + 2, 33); }, "end 29 bytes before"},
      {"FieldBlock of 39 bytes", 1, [](Copy& c) { c.PutWord(kDialog1Field + 2, 39); }, "FieldBlock of 39"},
      {"text field with a number's block", 2, [](Copy& c) { c.PutWord(kDialog2PasswordField + 2, 40); },
       "FieldBlock of 40"},
      {"unknown field type", 1, [](Copy& c) { c.PutWord(kDialog1Field + 4 + 30, 0x0002); }, "unknown field type"},
      {"field text not empty", 1, [](Copy& c) { c.bytes[kDialog1Field + 42] = 'x'; }, "not empty"},
      {"title without NUL", 3, [](Copy& c) { std::memset(&c.bytes[1388 + 24], 'x', 176); }, "title without NUL"},
      {"label without NUL", 3, [](Copy& c) { std::memset(&c.bytes[1388 + 24 + 14 + 20], 'x', 142); },
       "text without NUL"},
  };
  for (const Case& c : cases) {
    Copy copy;
    c.damage(copy);
    EXPECT_NE(Refusal(copy, c.dialog).find(c.reason), std::string::npos)
        << c.what << ": the reader said \"" << Refusal(copy, c.dialog) << "\"";
  }
}

TEST(DialogTemplateReader, RefusesMissingDialogsAndImplausibleSetSizes) {
  const Copy whole;
  EXPECT_EQ(Refusal(whole, 4), "the set holds no dialog 4");
  EXPECT_FALSE(whole.Read(0));
  EXPECT_FALSE(whole.Read(-1));
  EXPECT_FALSE(standin::ReadDialog(nullptr, 100, 1, nullptr));
  EXPECT_EQ(standin::DialogSetSize(DialogTemplateSet), kSetSize);
  const unsigned char largest[4] = {0xFC, 0xFF, 0x00, 0x00};  // 65532 + 4
  const unsigned char tooLarge[4] = {0xFD, 0xFF, 0x00, 0x00};
  const unsigned char huge[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(standin::DialogSetSize(largest), standin::kMaxDialogSetSize);
  EXPECT_EQ(standin::DialogSetSize(tooLarge), 0u);
  EXPECT_EQ(standin::DialogSetSize(huge), 0u);
}

TEST(DialogTemplateReader, ShownTextLosesTheTildePairOnly) {
  EXPECT_EQ(standin::ShowItemText("O~d~ dnia:").text, "Od dnia:");
  EXPECT_EQ(standin::ShowItemText("O~d~ dnia:").hotKeyIndex, 1u);
  EXPECT_EQ(standin::ShowItemText("a~b").text, "a~b");
  EXPECT_EQ(standin::ShowItemText("a~b").hotKeyIndex, std::string::npos);
  EXPECT_EQ(standin::ShowItemText("").text, "");
}

}  // namespace
