#include "messages.h"

namespace wm {

void showMessage(Dialogs& dialogs, const Message& message) {
    dialogs.messageBox(message.text, message.title, Dialogs::Buttons::Ok, message.icon);
}

}  // namespace wm
