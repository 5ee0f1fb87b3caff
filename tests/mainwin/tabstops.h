#pragma once

// The Tab stops of a window as the tests compare them.

#include <QStringList>
#include <QWidget>

namespace wmtest {

// The controls a Tab press can reach, in the window's tab order from the window itself, by
// name (a control without a name by its parent's); only those under page when one is given.
inline QStringList tabOrderNames(QWidget* window, const QWidget* page = nullptr) {
    QStringList names;
    QWidget* w = window;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w != window &&
            (!page || page->isAncestorOf(w)))
            names << (w->objectName().isEmpty()
                          ? w->parentWidget()->objectName() + QStringLiteral("/edit")
                          : w->objectName());
        w = w->nextInFocusChain();
    } while (w && w != window);
    return names;
}

}  // namespace wmtest
