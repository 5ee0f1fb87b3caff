#pragma once

#include <QString>
#include <optional>

#include "dialogs.h"

namespace wm {

// A message for the user, shown in a box with an OK button. The rules return it; the window
// that called them shows it through its Dialogs.
struct Message {
    QString text;
    QString title;  // empty: the program's title
    Dialogs::Icon icon = Dialogs::Icon::None;
};

// A check that failed: what to tell the user, and the field to correct afterwards, if any,
// with its text selected when selectAll is set.
template <typename Field>
struct Problem {
    Message message;
    std::optional<Field> focus;
    bool selectAll = false;
};

}  // namespace wm
