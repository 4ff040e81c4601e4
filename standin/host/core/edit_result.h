#pragma once
// What a field editor made of a key. kNotMine is false, so that callers
// may ask "was the key the editor's?" with a plain test.
namespace standin::host {

enum EditResult {
  kNotMine = 0,  // the key is the dialog's (Tab, Up on the first line, F12 ...)
  kEdited,       // taken, whether or not anything changed
  kFull,         // refused: the field holds all it can
  kNotAllowed,   // refused: no such character has a place in the field
};

}  // namespace standin::host
