#pragma once
// A message box drawn in character cells over whatever is on the screen.
// The style word chooses the look:
//   1       a notice: black on grey, single frame ("uwaga" boxes)
//   0xC001  an alarm: white on red, double frame, and the host beeps once
//           as it opens (kBoxSoundBit, kBoxAlarmBit)
//   any other style is drawn as a notice.
// The host's own boxes (kHostStyle) are white on cyan. Enter answers 1,
// Esc answers 0; both close the box. A question has two buttons, Tak and
// Nie: the arrows and Tab choose, Enter presses the chosen one (Tak at
// first), T and N press theirs, Esc is Nie.
#include <cstdint>
#include "contract/abi/host_constants.h"
#include <optional>
#include <string>
#include <vector>

#include "screen.h"

namespace standin::host {

inline constexpr std::int32_t kNoticeStyle = talvenor::kNoticeBoxStyle;
inline constexpr std::int32_t kAlarmStyle = talvenor::kAlarmBoxStyle;
inline constexpr std::int32_t kHostStyle = -1;  // the stand-in host's own messages

enum class BoxButtons { Ok, YesNo };

class MessageBox {
 public:
  MessageBox(std::u32string title, std::u32string text, std::int32_t style, BoxButtons buttons = BoxButtons::Ok);

  void Draw(Screen& screen) const;
  // The answer when the key closes the box (1 OK or Tak, 0 Esc or Nie),
  // nothing for any other key.
  std::optional<std::int32_t> HandleKey(std::uint16_t code);
  bool Beeps() const { return (style_ & talvenor::kBoxSoundBit) != 0 && style_ != kHostStyle; }
  std::int32_t Style() const { return style_; }

 private:
  std::vector<std::u32string> Lines(int maxWidth) const;

  std::u32string title_, text_;
  std::int32_t style_;
  BoxButtons buttons_;
  bool yesChosen_ = true;
};

}  // namespace standin::host
