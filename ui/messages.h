#pragma once

#include "dialogs.h"
#include "message.h"

namespace wm {

// Shows a message the rules returned, in a box with an OK button.
void showMessage(Dialogs& dialogs, const Message& message);

}  // namespace wm
