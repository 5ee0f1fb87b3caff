#pragma once

#include <QObject>
#include <functional>

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
// handler. Navigation keys (arrows, Home, End, Delete, Tab, Page Up/Down, Escape) and
// shortcuts with Ctrl or Alt never reach the handler.
class KeyFilter : public QObject {
  public:
    KeyFilter(QWidget* field, KeyHandler handler);
    // Installs a filter that lives as long as the field.
    static KeyFilter* install(QWidget* field, KeyHandler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* field_;
    KeyHandler handler_;
};

// Inserts text at the caret of a line edit or an editable combo box (replacing a selection).
void insertIntoField(QWidget* field, const QString& text);

}  // namespace wm
