#include "widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace wm {

void chooseEntry(QComboBox* list, int index) {
    if (!list || list->currentIndex() == index)
        return;
    list->setCurrentIndex(index);
    if (index >= 0 && list->currentIndex() == index)
        emit list->activated(index);
}

bool focusNextControl(QWidget* from) {
    if (!from)
        return false;
    QWidget* window = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() != window)
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible() &&
            !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void selectAllText(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->selectAll();
    }
}

}  // namespace wm
