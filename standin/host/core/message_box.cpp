#include "message_box.h"

#include <algorithm>

#include "bios_keys.h"
#include "colours.h"

namespace standin::host {

namespace {

struct Look {
  std::uint8_t face, frame;
  FrameStyle style;
};

Look LookOf(std::int32_t style) {
  if (style == kHostStyle) return {colour::kHostBox, colour::kHostBoxFrame, FrameStyle::Single};
  if ((style & 0x8000) != 0) return {colour::kAlarm, colour::kAlarmFrame, FrameStyle::Double};
  return {colour::kNotice, colour::kNoticeFrame, FrameStyle::Single};
}

constexpr char32_t kOkButton[] = U"[ OK ]";

}  // namespace

MessageBox::MessageBox(std::u32string title, std::u32string text, std::int32_t style)
    : title_(std::move(title)), text_(std::move(text)), style_(style) {}

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
  const std::u32string ok = kOkButton;
  const int okColumn = box.column + (width - static_cast<int>(ok.size())) / 2;
  screen.Text(okColumn, box.row + height - 2, EncodeUtf8(ok), look.frame);
  screen.SetCursor(-1, -1);
}

std::optional<std::int32_t> MessageBox::HandleKey(std::uint16_t code) const {
  if (code == key::kEnter || code == key::kCtrlEnter) return 1;
  if (code == key::kEsc) return 0;
  return std::nullopt;
}

}  // namespace standin::host
