#pragma once

#include <QString>

namespace wm {

// Modal message boxes and input prompts. The core only talks to the user through this,
// so the same routines run with real boxes in the programs and scripted ones in tests.
class Dialogs {
  public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    // An empty title means the program's own title.
    virtual Answer messageBox(const QString& text, const QString& title = QString(),
                              Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // The confirmed text, or "" on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
};

}  // namespace wm
