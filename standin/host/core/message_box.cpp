#include "message_box.h"

#include <algorithm>

#include "bios_keys.h"
#include "colours.h"
#include "host_texts.h"

namespace standin::host {

namespace {

struct Look {
  std::uint8_t face, frame;
  FrameStyle style;
};

Look LookOf(std::int32_t style) {
  if (style == kHostStyle) return {colour::kHostBox, colour::kHostBoxFrame, FrameStyle::Single};
  if ((style & talvenor::kBoxAlarmBit) != 0) return {colour::kAlarm, colour::kAlarmFrame, FrameStyle::Double};
  return {colour::kNotice, colour::kNoticeFrame, FrameStyle::Single};
}

using text::kNoButton;
using text::kOkButton;
using text::kYesButton;

}  // namespace

MessageBox::MessageBox(std::u32string title, std::u32string text, std::int32_t style, BoxButtons buttons)
    : title_(std::move(title)), text_(std::move(text)), style_(style), buttons_(buttons) {}

std::vector<std::u32string> MessageBox::Lines(int maxWidth) const {
  std::vector<std::u32string> lines = WrapText(text_, std::max(maxWidth, 10));
  // The line breaks that close a text leave no empty rows in the box.
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

void MessageBox::Draw(Screen& screen) const {
  const Look look = LookOf(style_);
  const std::vector<std::u32string> lines = Lines(screen.Width() - 8);
  int inner = static_cast<int>(title_.size()) + 4;
  for (const auto& line : lines) inner = std::max(inner, static_cast<int>(line.size()));
  inner = std::max(inner, 20);
  const int width = std::min(inner + 4, screen.Width());
  const int height = std::min(static_cast<int>(lines.size()) + 5, screen.Height());
  const Rect box{std::max(0, (screen.Width() - width) / 2), std::max(0, (screen.Height() - height) / 2 - 1), width, height};
  screen.Fill(box, U' ', look.face);
  screen.Frame(box, look.style, look.frame);
  screen.Shadow(box);
  if (!title_.empty()) {
    const std::u32string title = U" " + title_ + U" ";
    screen.Text(box.column + std::max(1, (width - static_cast<int>(title.size())) / 2), box.row,
                EncodeUtf8(title), look.frame, width - 2);
  }
  for (std::size_t i = 0; i < lines.size(); ++i)
    screen.Text(box.column + 2, box.row + 2 + static_cast<int>(i), EncodeUtf8(lines[i]), look.face, width - 4);
  const int buttonRow = box.row + height - 2;
  screen.SetCursor(-1, -1);
  if (buttons_ == BoxButtons::Ok) {
    const std::u32string ok(kOkButton);
    screen.Text(box.column + (width - static_cast<int>(ok.size())) / 2, buttonRow, EncodeUtf8(ok), look.frame);
    return;
  }
  const std::u32string yes(kYesButton), no(kNoButton);
  const int gap = 3, both = static_cast<int>(yes.size() + no.size()) + gap;
  const int yesColumn = box.column + (width - both) / 2;
  const int noColumn = yesColumn + static_cast<int>(yes.size()) + gap;
  screen.Text(yesColumn, buttonRow, EncodeUtf8(yes), yesChosen_ ? colour::kButtonFocused : colour::kButton);
  screen.Text(noColumn, buttonRow, EncodeUtf8(no), yesChosen_ ? colour::kButton : colour::kButtonFocused);
  screen.SetCursor((yesChosen_ ? yesColumn : noColumn) + 2, buttonRow);
}

std::optional<std::int32_t> MessageBox::HandleKey(std::uint16_t code) {
  if (code == key::kEsc) return 0;
  if (buttons_ == BoxButtons::Ok) {
    if (code == key::kEnter || code == key::kCtrlEnter) return 1;
    return std::nullopt;
  }
  switch (code) {
    case key::kEnter: case key::kCtrlEnter: return yesChosen_ ? 1 : 0;
    case key::kLeft: case key::kRight: case key::kUp: case key::kDown: case key::kTab: case key::kShiftTab:
      yesChosen_ = !yesChosen_;
      return std::nullopt;
    default: break;
  }
  const unsigned char typed = TypedByte(code);
  if (typed == 't' || typed == 'T') return 1;
  if (typed == 'n' || typed == 'N') return 0;
  return std::nullopt;
}

}  // namespace standin::host
