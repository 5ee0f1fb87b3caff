#pragma once

#include <QString>

#include "appdata.h"
#include "dialogs.h"
#include "message.h"

namespace wm {

// Shows a message the rules returned, in a box with an OK button.
void showMessage(Dialogs& dialogs, const Message& message);

// The save dialogue of a result list: whether to write it, whether to type a name (the file
// list's result name otherwise), whether to replace a file with content; then where it went.
void saveResult(const AppData& d, Dialogs& dialogs, const QString& resultText);

}  // namespace wm
