#include "message_box_answerer.h"

#include <windows.h>

#include <cstring>

namespace testing_support {

namespace {

std::string g_answers;
std::size_t g_nextAnswer = 0;
HHOOK g_hook = nullptr;
std::vector<AnsweredBox> g_boxes;

constexpr UINT_PTR kAnswerTimer = 0x7A1;
constexpr char kSeenProperty[] = "talvenor-test-seen";

std::string WindowText(HWND window) {
  char text[2048] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Wine fills the box's text control only after activation: the box is read
// from a timer a moment later, then answered like a click on the button.
void CALLBACK AnswerBox(HWND box, UINT, UINT_PTR timer, DWORD) {
  HWND textControl = GetDlgItem(box, 0xFFFF);
  const std::string text = textControl != nullptr ? WindowText(textControl) : "";
  static int waits = 0;
  if (text.empty() && ++waits < 50) return;  // try again on the next tick
  waits = 0;
  KillTimer(box, timer);
  std::string buttons;
  if (GetDlgItem(box, IDABORT) != nullptr) buttons += 'A';
  if (GetDlgItem(box, IDRETRY) != nullptr) buttons += 'R';
  if (GetDlgItem(box, IDIGNORE) != nullptr) buttons += 'I';
  const bool scripted = g_nextAnswer < g_answers.size();
  g_boxes.push_back({WindowText(box), text, buttons.empty() ? "-" : buttons, scripted});
  int answer = IDABORT;
  if (scripted) {
    const char letter = g_answers[g_nextAnswer++];
    answer = letter == 'R' ? IDRETRY : letter == 'I' ? IDIGNORE : IDABORT;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

LRESULT CALLBACK WatchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char windowClass[32] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    // A handle may be reused by the next box; the property marks this one.
    if (std::strcmp(windowClass, "#32770") == 0 && GetPropA(window, kSeenProperty) == nullptr) {
      SetPropA(window, kSeenProperty, reinterpret_cast<HANDLE>(1));
      SetTimer(window, kAnswerTimer, 50, AnswerBox);
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

void AnswerBoxes(const std::string& answers) {
  g_answers = answers;
  g_nextAnswer = 0;
  if (g_hook == nullptr) g_hook = SetWindowsHookExA(WH_CBT, WatchForBoxes, nullptr, GetCurrentThreadId());
}

const std::vector<AnsweredBox>& AnsweredBoxes() { return g_boxes; }

}  // namespace testing_support
