#pragma once

class QComboBox;
class QWidget;

namespace wm {

// The program's own choice of a list entry: sets the position and, when it changed, runs
// the same handling as a user's click (the activated signal).
void chooseEntry(QComboBox* list, int index);

// Moves the focus to the next control in the window's tab order, as the Tab key would.
// False when there is none to move to.
bool focusNextControl(QWidget* from);

// Selects the whole text of a line edit or an editable list.
void selectAllText(QWidget* field);

}  // namespace wm
