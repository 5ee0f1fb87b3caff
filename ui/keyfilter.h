#pragma once

#include <QObject>
#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPoint;
class QWidget;

namespace wm {

// Character codes as the field handlers see them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeySpace = 32;

// A field's key handler: gets the code of the typed character (kKeyBackspace, kKeyEnter
// or the character itself) and may keep it, change it, or set it to 0 to drop the key.
using KeyHandler = std::function<void(int& code)>;

// Turns key presses and text committed by an input method into character codes for a
// handler. Navigation keys (arrows, Home, End, Tab, Page Up/Down, Escape) and shortcuts
// with Ctrl that change no text never reach the handler. A key that would type a character
// with Alt, Super or Meta held is one no shortcut took: it changes nothing.
//
// Every other way of changing the text obeys the handler as typing does: pasted and dropped
// text goes in character by character as if typed (only what typing would insert); Delete,
// cut, undo and redo are asked as Backspace would be, so a field that drops Backspace keeps
// its text. The field's context menu is an edit menu of our own, wired the same way.
class KeyFilter : public QObject {
  public:
    KeyFilter(QWidget* field, KeyHandler handler);
    // Installs a filter that lives as long as the field.
    static KeyFilter* install(QWidget* field, KeyHandler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPress(QKeyEvent* key);
    bool inputMethod(QInputMethodEvent* im);
    bool editorEvent(QEvent* event);
    // Whether the handler lets Backspace through: the rule for every deleting edit.
    bool allowsDeleting();
    // Types text into the field character by character through the handler.
    void typeText(const QString& text);
    void showContextMenu(const QPoint& globalPos);

    QWidget* field_;
    QLineEdit* editor_;  // the field's own edit, or the edit field of a list
    KeyHandler handler_;
};

// A count field: half-width digits and Backspace only; Enter runs onEnter (when given) and
// types nothing.
void acceptDigits(QWidget* field, std::function<void()> onEnter);

// Inserts text at the caret of a line edit or an editable combo box (replacing a selection).
void insertIntoField(QWidget* field, const QString& text);

}  // namespace wm
