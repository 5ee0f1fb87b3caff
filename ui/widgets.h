#pragma once

#include <QEvent>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class QFont;
class QObject;
class QWidget;

namespace wm {

class Dialogs;

// The program's own choice of a list entry: sets the position and, when it changed, runs
// the same handling as a user's click (the activated signal). A position the list does not
// have is ignored.
void chooseEntry(QComboBox* list, int index);

// Replaces a list's entries; nothing is chosen until the user or the program chooses.
void refillList(QComboBox* list, const QStringList& entries);

// Moves the focus to the next control in the window's tab order, as the Tab key would.
// False when there is none to move to.
bool focusNextControl(QWidget* from);

// Runs handler whenever target receives an event of the given type (focus lost, a click,
// the mouse moving over it); the event then goes on as usual.
void onEvent(QObject* target, QEvent::Type type, std::function<void()> handler);

// The font of the program's windows: Noto Sans CJK JP where it is installed, else the
// system's own, at the given size.
QFont windowFont(const QFont& base, int pointSize);

// The font of result texts: numbers are padded by byte count, so a font whose full-width
// characters are exactly two half-width ones keeps the columns.
QFont resultFont(const QFont& base);

// Runs handler when field loses the focus to another control of the program; opening its
// own popup or switching to another application is no leaving.
void onLeave(QWidget* field, std::function<void()> handler);

// Selects the whole text of a line edit or an editable list.
void selectAllText(QWidget* field);

// Makes a group of exclusive options one stop of Tab, on the checked option (Qt stops on
// each of them); the arrow keys move among them and check as before.
void tabToCheckedOption(const QList<QRadioButton*>& options);

// Escape anywhere in an auxiliary window does what its close box or キャンセル does: close
// when no action is given.
void closeOnEscape(QWidget* window, std::function<void()> close = {});

// A label whose access key moves the focus to its box.
QLabel* buddyLabel(const QString& caption, QWidget* buddy);

// A button of a window's actions: Enter on it when it has the focus presses it.
QPushButton* actionButton(const QString& caption, const QString& tip, const QString& name);

// A read-only box of tab-separated result columns in the result font; Tab leaves it.
QPlainTextEdit* columnsBox(const QString& name);

// Shows tab-separated text with one tab stop past its widest cell, so the columns line up.
// With lastCellFree the last cell of a line (places, notes) may be as long as it likes.
void showColumns(QPlainTextEdit* box, const QString& text, bool lastCellFree = false);

// コピー: puts a result on the clipboard, or says that there is none to copy.
void copyResult(Dialogs& dialogs, const QString& text, const QString& title);

}  // namespace wm
