#include "dialog_template_reader.h"

namespace standin {

namespace {

namespace format = talvenor::dialog_template;
constexpr std::size_t kSetCountSize = format::kSetHeaderSize;
constexpr std::size_t kDialogHeaderSize = format::kDialogHeaderSize;
constexpr std::size_t kItemHeaderSize = format::kItemHeaderSize;
constexpr std::size_t kFieldHeaderSize = format::kEditFieldHeaderSize;
constexpr std::size_t kTextBlockSize = format::kTextFieldBlockSize;
constexpr std::size_t kNumberBlockSize = format::kNumberFieldBlockSize;
constexpr std::size_t kSmallestItem = kItemHeaderSize + 1;  // a label with an empty text

// Bytes [0, end) of the set; every read is checked against `end` first.
struct SetBytes {
  const unsigned char* data;
  std::size_t end;

  bool Holds(std::size_t at, std::size_t count) const { return at <= end && count <= end - at; }
  std::uint16_t Word(std::size_t at) const {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
  }
  std::uint32_t DoubleWord(std::size_t at) const {
    return static_cast<std::uint32_t>(Word(at)) | (static_cast<std::uint32_t>(Word(at + 2)) << 16);
  }
  // Where the NUL-terminated text at `at` ends (the index of its NUL), or
  // nothing when no NUL comes before `limit`.
  std::optional<std::size_t> NulBefore(std::size_t at, std::size_t limit) const {
    for (std::size_t i = at; i < limit; ++i)
      if (data[i] == 0) return i;
    return std::nullopt;
  }
};

struct Failure {
  std::string* error;
  std::nullopt_t operator()(std::string why) const {
    if (error != nullptr) *error = std::move(why);
    return std::nullopt;
  }
};

std::string At(std::size_t offset) { return " (set offset " + std::to_string(offset) + ")"; }

// The place words an item and a dialog header share: flags, hotKey,
// column, row, width, height from `at` on.
template <typename View>
void ReadFlagsKeyPlace(const SetBytes& bytes, std::size_t at, View& view) {
  view.flags = bytes.Word(at);
  view.hotKey = bytes.Word(at + 2);
  view.column = bytes.Word(at + 4);
  view.row = bytes.Word(at + 6);
  view.width = bytes.Word(at + 8);
  view.height = bytes.Word(at + 10);
}

// Reads the edit field at `at`, ending no later than `limit`. Returns the
// reason when the field is malformed, an empty string when it is sound.
std::string ReadEditField(const SetBytes& bytes, std::size_t at, std::size_t limit, DialogItemView& item) {
  if (limit - at < kFieldHeaderSize) return "edit field header runs past the dialog's end";
  const std::size_t blockSize = bytes.Word(at + 2);
  if (blockSize != kTextBlockSize && blockSize != kNumberBlockSize)
    return "FieldBlock of " + std::to_string(blockSize) + " bytes (38 or 40 expected)";
  if (limit - at < kFieldHeaderSize + blockSize + 1) return "edit field runs past the dialog's end";
  const std::size_t block = at + kFieldHeaderSize;
  if (bytes.Word(block) != kItemEditField) return "FieldBlock does not repeat kind 5";
  item.tag = bytes.Word(block + 2);
  ReadFlagsKeyPlace(bytes, block + 4, item);
  item.capacity = bytes.Word(block + 28);
  item.fieldType = bytes.Word(block + 30);
  if (item.IsTextField()) {
    if (blockSize != kTextBlockSize) return "text field with a FieldBlock of 40 bytes";
    if (bytes.Word(block + 34) != item.capacity) return "text field's two capacities differ";
    item.lines = bytes.Word(block + 36);
    if (item.lines == 0) return "text field of 0 lines";
  } else if (item.IsNumberField()) {
    if (blockSize != kNumberBlockSize) return "number field with a FieldBlock of 38 bytes";
    item.minValue = static_cast<std::int16_t>(bytes.Word(block + 36));
    item.maxValue = static_cast<std::int16_t>(bytes.Word(block + 38));
    if (item.minValue > item.maxValue) return "number field's smallest value exceeds its largest";
  } else {
    return "unknown field type " + std::to_string(item.fieldType);
  }
  if (bytes.data[block + blockSize] != 0) return "edit field's text is not empty";
  item.length = kFieldHeaderSize + blockSize + 1;
  return {};
}

// Reads a button, check box or label at `at`, ending no later than
// `limit`. Returns the reason when it is malformed, else an empty string.
std::string ReadTextItem(const SetBytes& bytes, std::size_t at, std::size_t limit, DialogItemView& item) {
  if (limit - at < kItemHeaderSize + 1) return "item runs past the dialog's end";
  item.tag = bytes.Word(at + 2);
  ReadFlagsKeyPlace(bytes, at + 4, item);
  const auto nul = bytes.NulBefore(at + kItemHeaderSize, limit);
  if (!nul) return "item text without NUL within the dialog";
  item.text.assign(reinterpret_cast<const char*>(bytes.data + at + kItemHeaderSize), *nul - at - kItemHeaderSize);
  item.length = *nul + 1 - at;
  return {};
}

// Bytes of the buffer the item's value takes under the binding rule.
std::size_t BoundSize(const DialogItemView& item) {
  if (item.kind == kItemCheckBox || item.IsNumberField()) return 2;
  if (item.IsTextField()) return std::size_t{item.capacity} + 1;
  return 0;
}

std::optional<DialogView> ReadItems(const SetBytes& bytes, std::size_t start, std::size_t length, Failure fail) {
  const std::size_t end = start + length;
  DialogView view;
  view.setOffset = start;
  view.length = length;
  view.tag = bytes.Word(start + 4);
  view.number = bytes.Word(start + 6);
  ReadFlagsKeyPlace(bytes, start + 8, view);
  const std::string dialog = "dialog " + std::to_string(view.number) + ": ";

  const auto titleEnd = bytes.NulBefore(start + kDialogHeaderSize, end);
  if (!titleEnd) return fail(dialog + "title without NUL within the dialog" + At(start));
  view.title.assign(reinterpret_cast<const char*>(bytes.data + start + kDialogHeaderSize),
                    *titleEnd - start - kDialogHeaderSize);

  std::size_t at = *titleEnd + 1;
  const std::size_t itemCount = bytes.Word(start + 2);
  if (itemCount > (end - at) / kSmallestItem)
    return fail(dialog + std::to_string(itemCount) + " items cannot fit in " + std::to_string(length) + " bytes");
  view.items.reserve(itemCount);
  for (std::size_t i = 0; i < itemCount; ++i) {
    const std::string which = dialog + "item " + std::to_string(i + 1) + ": ";
    if (end - at < 2) return fail(which + "runs past the dialog's end" + At(at));
    DialogItemView item;
    item.kind = bytes.Word(at);
    item.setOffset = at;
    std::string fault;
    switch (item.kind) {
      case kItemButton:
      case kItemCheckBox:
      case kItemLabel:
      case kItemUnitLabel:
        fault = ReadTextItem(bytes, at, end, item);
        break;
      case kItemEditField:
        fault = ReadEditField(bytes, at, end, item);
        break;
      default:
        fault = "unknown kind " + std::to_string(item.kind);
    }
    if (!fault.empty()) return fail(which + fault + At(at));
    item.boundOffset = view.boundBytes;
    item.boundSize = BoundSize(item);
    view.boundBytes += item.boundSize;
    at += item.length;
    view.items.push_back(std::move(item));
  }
  if (at != end)
    return fail(dialog + "its items end " + std::to_string(end - at) + " bytes before the dialog does" + At(at));
  return view;
}

}  // namespace

std::optional<DialogView> ReadDialog(const unsigned char* set, std::size_t size, int number, std::string* error) {
  const Failure fail{error};
  if (set == nullptr) return fail("no dialog set");
  if (size < kSetCountSize) return fail("the set is shorter than its 4-byte count");
  const SetBytes whole{set, size};
  const std::uint32_t count = whole.DoubleWord(0);
  if (count > size - kSetCountSize)
    return fail("the set says " + std::to_string(count) + " bytes follow its count, " +
                std::to_string(size - kSetCountSize) + " are there");
  const SetBytes bytes{set, kSetCountSize + count};

  for (std::size_t at = kSetCountSize; at < bytes.end;) {
    if (!bytes.Holds(at, 2)) return fail("dialog header runs past the end of the set" + At(at));
    const std::size_t length = std::size_t{bytes.Word(at)} + 4;
    if (!bytes.Holds(at, length)) return fail("dialog's bodySize runs past the end of the set" + At(at));
    if (length <= kDialogHeaderSize) return fail("dialog shorter than its header" + At(at));
    if (bytes.Word(at + 6) == number) return ReadItems(bytes, at, length, fail);
    at += length;
  }
  return fail("the set holds no dialog " + std::to_string(number));
}

std::size_t DialogSetSize(const unsigned char* set) {
  if (set == nullptr) return 0;
  const std::uint32_t count = SetBytes{set, kSetCountSize}.DoubleWord(0);
  return count > kMaxDialogSetSize - kSetCountSize ? 0 : kSetCountSize + count;
}

ShownText ShowItemText(std::string_view text) {
  ShownText shown{std::string(text)};
  const std::size_t tilde = text.find('~');
  if (tilde == std::string_view::npos || tilde + 2 >= text.size() || text[tilde + 2] != '~') return shown;
  shown.text.erase(tilde + 2, 1);
  shown.text.erase(tilde, 1);
  shown.hotKeyIndex = tilde;
  return shown;
}

}  // namespace standin
