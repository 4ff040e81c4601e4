#pragma once
// One running dialog of a plug-in's template set, over the plug-in's
// buffer: the fields show what the buffer holds when it opens, the user
// edits them, and only then are the bound bytes written (on confirm) or
// put back as they were (on leave). The fields are dialog_field.h; the
// focus, the keys and the checks before writing are dialog.cpp, the drawing
// dialog_drawing.cpp; what the bound bytes hold, which entries may be
// written and the writing are services/dialog_binding.h.
//
// What the template's flag words mean to this host:
//   0x0002 on an edit field   the text is shown, not edited (the reminder)
//   0x0400 on an edit field   the text is masked with '*'
//   0x8000 on an edit field   Enter in it confirms the dialog
//   0x0800 on a label, or its tag 0x0800: not drawn (a placeholder)
//   a button's hotKey of 0x100 and up is a key code that presses it
// Keys: Tab / Shift-Tab and the arrows move between fields, Alt+letter jumps
// to the field a label marks, F12 or F2 confirms (also Ctrl-Enter and the
// button), Esc leaves. Entering a one-line field marks its content, so that
// what is typed first replaces it (the multi-line text is not marked).
#include <cstdint>
#include <string>
#include <vector>

#include "dialog_field.h"
#include "screen.h"
#include "services/dialog_binding.h"
#include "services/dialog_template_reader.h"

namespace standin::host {

enum class DialogOutcome { Open, Confirmed, Left };

class Dialog {
 public:
  // Reads every field's value from `buffer` and keeps a copy of the bound
  // bytes to put back when the user leaves.
  Dialog(DialogView view, unsigned char* buffer);
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  void Draw(Screen& screen) const;
  // One key code, after the hook chain. Confirm writes the fields and
  // Left puts the bound bytes back before they are answered.
  DialogOutcome HandleKey(std::uint16_t code);
  // Why the last confirmation was refused (UTF-8, for a box), once; the
  // field at fault has the focus.
  std::string TakeProblem();
  // Why the last key was refused (UTF-8, for the status line), once: a
  // character the field has no place for, or no room left.
  std::string TakeHint();

  int Number() const { return view_.number; }
  // Where the dialog stands on a screen of that size.
  Rect Box(int screenWidth, int screenHeight) const;
  // The same, slid so that the focused field shows when the screen is too
  // small for the whole dialog (the status line kept free).
  Rect Placed(int screenWidth, int screenHeight) const;
  // Index of the focused item, -1 when none can take the focus.
  int FocusedItem() const;

 private:
  DialogOutcome TryConfirm();
  void Leave();
  void SetFocus(int index);
  void MoveFocus(int direction);
  void FocusItem(std::size_t itemIndex);
  bool HandleHotKey(char letter);

  DialogView view_;
  BoundBuffer bound_;
  std::vector<DialogField> fields_;  // one per item, in item order
  int focus_ = -1;
  std::string problem_, hint_;
};

}  // namespace standin::host
