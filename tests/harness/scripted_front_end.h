#pragma once
// A front end for tests and scripted runs: answers from a script, dates and
// times as set, and a record of everything shown.
#include <deque>
#include <functional>
#include <vector>

#include "services/front_end.h"

namespace standin {

// Every box is answered 1 (confirmed).
class ScriptedFrontEnd : public FrontEnd {
 public:
  struct Message {
    std::string title;  // Mazovia
    std::string text;   // Mazovia
    std::int32_t style;
  };
  struct Tone {
    std::int32_t frequency, duration, flags;
    bool operator==(const Tone&) const = default;
  };
  // What the "user" does in a dialog: edits the buffer, returns 1 to confirm
  // or 0 to leave.
  using DialogAction = std::function<std::int32_t(void* templateSet, std::int32_t number, void* buffer)>;

  std::int32_t ShowMessage(std::string_view title, std::string_view text, std::int32_t style) override;
  std::int32_t RunDialog(void* templateSet, std::int32_t number, void* buffer) override;
  void Sound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) override;
  std::string TodayText() override { return today; }
  std::string NowText() override { return now; }

  std::string today = "20261209";
  std::string now = "12:00:00";
  std::vector<Message> messages;
  std::vector<Tone> tones;
  std::vector<std::int32_t> dialogsRun;        // dialog numbers, in order
  std::deque<DialogAction> dialogActions;      // consumed in order; none left = leave
  std::function<void(const Message&)> onMessage;  // called while a box is "open"
};

}  // namespace standin
