#pragma once
// Windows only. Reads and answers the real MessageBoxA boxes that this
// thread shows, as a user would click them: each box is read (caption,
// text, buttons) and answered with the next letter of a script, A(bort),
// R(etry) or I(gnore); a box beyond the script is aborted and marked.
#include <string>
#include <vector>

namespace testing_support {

struct AnsweredBox {
  std::string caption;  // bytes as the box holds them
  std::string text;
  std::string buttons;  // of "ARI", those the box has; "-" for none of them
  bool scripted;        // false: beyond the script, aborted
};

// Starts watching this thread's boxes; `answers` replaces any earlier script.
void AnswerBoxes(const std::string& answers);
// Every box answered so far, in order.
const std::vector<AnsweredBox>& AnsweredBoxes();

}  // namespace testing_support
