#pragma once
// The bytes of the caller's buffer that a dialog's items are bound to (the
// rule is in dialog_template_reader.h): what a field shows when the dialog
// opens, whether what the user entered may be written, and writing it back.
// No byte outside the bound bytes is ever written, and a field the user left
// as it came goes back as the plug-in gave it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_template_reader.h"

namespace standin {

// The buffer a dialog runs over, with a copy of its bound bytes as they were
// when the dialog opened.
class BoundBuffer {
 public:
  BoundBuffer(const DialogView& view, unsigned char* buffer);

  // A text field's value: up to the NUL, at most its capacity.
  std::string Text(const DialogItemView& item) const;
  // The word a number field (signed) or a check box holds.
  std::uint16_t Word(const DialogItemView& item) const;

  // A text field, entered as `text`; `changed` says whether the user changed
  // it. An unchanged field only gets a NUL in its last byte if it has none.
  void StoreText(const DialogItemView& item, bool changed, std::string_view text);
  // A date field shown as `shown` ("DD.MM.RRRR", blanks in the empty slots),
  // opened as `loaded`: an empty field stores "", a filled one the host date.
  void StoreDate(const DialogItemView& item, const std::string& shown, const std::string& loaded);
  // A time field shown as `shown` ("GG:MM:SS"), opened as `loaded`.
  void StoreTime(const DialogItemView& item, const std::string& shown, const std::string& loaded);
  // A number field's text; an untouched number is the plug-in's own and is
  // not written at all.
  void StoreNumber(const DialogItemView& item, const std::string& text, const std::string& loaded);
  void StoreCheck(const DialogItemView& item, bool checked, std::uint16_t loaded);

  // Every bound byte as it was when the dialog opened.
  void PutBack();

 private:
  void WriteText(const DialogItemView& item, std::string_view text);
  void Terminate(const DialogItemView& item);
  void WriteWord(const DialogItemView& item, std::uint16_t value);

  unsigned char* buffer_;
  std::vector<unsigned char> saved_;
};

// The digits a date field shows for a host date text, none when the text is
// no host date.
std::string ShownDateDigits(const std::string& hostText);
// The digits a time field shows for its text.
std::string ShownTimeDigits(const std::string& text);

// Whether an entry can be written. An empty or unchanged date or time is
// always accepted; the host says why one is not.
bool DateAccepted(const std::string& shown, const std::string& loaded);
bool TimeAccepted(const std::string& shown, const std::string& loaded);
enum class NumberEntry { kAccepted, kNotANumber, kOutOfRange };
NumberEntry CheckNumber(const DialogItemView& item, const std::string& text, const std::string& loaded);

}  // namespace standin
