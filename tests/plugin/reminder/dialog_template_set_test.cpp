// The plug-in's dialog template set as the host reads it: layout, binding
// to the records the plug-in passes, hot keys, and a few items against
// bytes written out here by hand.
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "reminder/dialog_templates.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"
#include "services/dialog_template_reader.h"

namespace {

using namespace talvenor;

standin::DialogView ReadOwnDialog(int number) {
  std::string error;
  auto view = standin::ReadDialog(DialogTemplateSet, sizeof DialogTemplateSet, number, &error);
  EXPECT_TRUE(view.has_value()) << "the host refused dialog " << number << ": " << error;
  return view.value_or(standin::DialogView{});
}

std::string SetBytes(std::size_t offset, std::size_t count) {
  return std::string(reinterpret_cast<const char*>(DialogTemplateSet) + offset, count);
}

// (buffer offset, size, fieldType or 0 for the check box) of every item
// that binds bytes.
using Binding = std::tuple<std::size_t, std::size_t, std::uint16_t>;

std::vector<Binding> Bindings(const standin::DialogView& view) {
  std::vector<Binding> bindings;
  for (const auto& item : view.items)
    if (item.boundSize != 0) bindings.emplace_back(item.boundOffset, item.boundSize, item.fieldType);
  return bindings;
}

// The configuration binds every field of the settings record.
std::vector<Binding> SettingsBindings() {
  std::vector<Binding> bindings = {{offsetof(ReminderSettings, text), sizeof(ReminderSettings::text), 0x0008}};
  for (std::size_t row = 0; row < 3; ++row) {
    const std::size_t base = offsetof(ReminderSettings, schedules) + row * sizeof(ReminderSchedule);
    bindings.emplace_back(base + offsetof(ReminderSchedule, startDate), sizeof(ReminderSchedule::startDate), 0x0208);
    bindings.emplace_back(base + offsetof(ReminderSchedule, intervalMinutes),
                          sizeof(ReminderSchedule::intervalMinutes), 0x0001);
    bindings.emplace_back(base + offsetof(ReminderSchedule, fromTime), sizeof(ReminderSchedule::fromTime), 0x0408);
    bindings.emplace_back(base + offsetof(ReminderSchedule, toTime), sizeof(ReminderSchedule::toTime), 0x0408);
  }
  bindings.emplace_back(offsetof(ReminderSettings, password), sizeof(ReminderSettings::password), 0x8008);
  bindings.emplace_back(offsetof(ReminderSettings, enabled), sizeof(ReminderSettings::enabled), 0);
  return bindings;
}

// Back to back, filling the set exactly, each binding the record the
// plug-in passes with it: the password dialog the entered password alone,
// the reminder dialog the prompt, the configuration the settings.
TEST(DialogTemplateSet, HoldsTheThreeDialogsBackToBackEachBindingItsRecord) {
  EXPECT_EQ(sizeof DialogTemplateSet, 1588u);
  EXPECT_EQ(standin::DialogSetSize(DialogTemplateSet), 1588u) << "the stored count is not 1584";
  const std::uint16_t kPassword = 0x8008;
  struct Expected {
    int number;
    std::size_t offset, length, items;
    std::string title;
    std::uint16_t width, height;
    std::vector<Binding> bindings;
    std::size_t boundBytes;
  };
  const Expected expected[] = {
      {1, 4, 86, 1, "Prosz\x91 poda\x8D has\x92o", 32, 4, {{0, sizeof(ReminderPrompt::enteredPassword), kPassword}},
       21},
      {2, 90, 1298, 34, "Ustal parametry przypomnienia", 95, 23, SettingsBindings(), sizeof(ReminderSettings)},
      {3, 1388, 200, 4, "Przypomnienie", 64, 13,
       {{offsetof(ReminderPrompt, text), sizeof(ReminderPrompt::text), 0x0008},
        {offsetof(ReminderPrompt, enteredPassword), sizeof(ReminderPrompt::enteredPassword), kPassword}},
       sizeof(ReminderPrompt)},
  };
  for (const Expected& e : expected) {
    const standin::DialogView view = ReadOwnDialog(e.number);
    SCOPED_TRACE("dialog " + std::to_string(e.number));
    EXPECT_EQ(view.setOffset, e.offset);
    EXPECT_EQ(view.length, e.length);
    EXPECT_EQ(view.items.size(), e.items);
    EXPECT_EQ(view.title, e.title);
    EXPECT_EQ(std::tie(view.tag, view.flags, view.hotKey, view.column, view.row, view.width, view.height),
              std::make_tuple(0xFFFF, 0, 0, 0, 0, e.width, e.height));
    EXPECT_EQ(Bindings(view), e.bindings);
    EXPECT_EQ(view.boundBytes, e.boundBytes);
    // The items follow the title without a gap and the last ends with the dialog.
    std::size_t at = view.setOffset + 24 + view.title.size() + 1;
    for (const auto& item : view.items) {
      EXPECT_EQ(item.setOffset, at);
      at += item.length;
    }
    EXPECT_EQ(at, e.offset + e.length);
  }
  EXPECT_EQ(ReadOwnDialog(3).setOffset + ReadOwnDialog(3).length, sizeof DialogTemplateSet);
}

TEST(DialogTemplateSet, HotKeyIsTheTildeLetterUpperCasedAndZeroWithoutOne) {
  std::vector<std::uint16_t> marked;
  for (int number = 1; number <= 3; ++number) {
    for (const auto& item : ReadOwnDialog(number).items) {
      SCOPED_TRACE("dialog " + std::to_string(number) + " item at " + std::to_string(item.setOffset));
      const standin::ShownText shown = standin::ShowItemText(item.text);
      if (shown.hotKeyIndex != std::string::npos) {
        EXPECT_EQ(item.hotKey, std::toupper(static_cast<unsigned char>(shown.text[shown.hotKeyIndex])));
        marked.push_back(item.hotKey);
      } else {
        EXPECT_EQ(item.hotKey, item.kind == standin::kItemButton ? 0x5500 : 0);
      }
      // Tildes take no room: no text is wider than its item.
      EXPECT_LE(shown.text.size(), item.width);
    }
  }
  EXPECT_EQ(marked, (std::vector<std::uint16_t>{'O', 'D', 'N', 'H', 'P', 'H'}));
}

TEST(DialogTemplateSet, ScheduleRowsDifferOnlyInTheirRowAndDateLabel) {
  const auto items = ReadOwnDialog(2).items;
  // The item's bytes with its row word blanked.
  const auto withoutRow = [](const standin::DialogItemView& item) {
    std::string bytes = SetBytes(item.setOffset, item.length);
    const std::size_t rowAt = item.kind == standin::kItemEditField ? 4 + 10 : 10;
    bytes[rowAt] = bytes[rowAt + 1] = '\0';
    return bytes;
  };
  for (std::size_t row = 1; row < 3; ++row) {
    for (std::size_t i = 0; i < 9; ++i) {
      const auto& first = items[2 + i];
      const auto& other = items[2 + 9 * row + i];
      SCOPED_TRACE("item " + std::to_string(3 + 9 * row + i));
      EXPECT_EQ(other.row, first.row + row);
      EXPECT_EQ(other.boundOffset, first.boundOffset + row * sizeof(ReminderSchedule));
      if (i == 0)
        EXPECT_EQ(standin::ShowItemText(other.text).text, "Od dnia:");
      else
        EXPECT_EQ(withoutRow(other), withoutRow(first));
    }
  }
}

// Whole items written out by hand, so that the builder cannot pass by
// agreeing with itself.
TEST(DialogTemplateSet, ItemsMatchTheirBytesWrittenOutByHand) {
  using namespace std::string_literals;
  const auto d1 = ReadOwnDialog(1);
  const auto d2 = ReadOwnDialog(2);
  const auto d3 = ReadOwnDialog(3);
  const std::string zeros12(12, '\0');
  struct Case {
    const char* what;
    std::size_t offset;
    std::string bytes;
  } cases[] = {
      {"password dialog header", d1.setOffset,
       "\x52\x00\x01\x00\xFF\xFF\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20\x00\x04\x00\x00\x00\x00\x00"s
       "Prosz\x91 poda\x8D has\x92o\x00"s},
      {"configuration button", d2.items[33].setOffset,
       "\x00\x00\x01\x50\x04\x00\x00\x55\x2A\x00\x14\x00\x0A\x00\x01\x00\x00\x00\x00\x00"s
       "\x05" "F12\x01 OK\x00"s},
      {"first interval field", d2.items[5].setOffset,
       "\x05\x00\x28\x00"s
       "\x05\x00\xFF\xFF\x00\x00\x00\x00\x29\x00\x0C\x00\x06\x00\x01\x00"s + zeros12 +
           "\x06\x00\x01\x00\x00\x00\x00\x00\x01\x80\xFF\x7F\x00"s},
      {"reminder dialog's password field", d3.items[3].setOffset,
       "\x05\x00\x26\x00"s
       "\x05\x00\xFF\xFF\x00\x84\x00\x00\x29\x00\x0B\x00\x15\x00\x01\x00"s + zeros12 +
           "\x14\x00\x08\x80\x00\x00\x14\x00\x01\x00\x00"s},
      {"reminder dialog's password label", d3.items[2].setOffset,
       "\x03\x00\xFF\xFF\x00\x00\x48\x00\x02\x00\x0B\x00\x26\x00\x01\x00\x00\x00\x00\x00"s
       "~H~as\x92o wy\x92\x86" "czaj\x86" "ce przypomnienie:\x00"s},
  };
  for (const Case& c : cases) EXPECT_EQ(SetBytes(c.offset, c.bytes.size()), c.bytes) << c.what;
  EXPECT_EQ(d2.items[33].setOffset + 29, d3.setOffset) << "the button is not dialog 2's last 29 bytes";
}

}  // namespace
