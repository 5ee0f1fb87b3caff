#include "desktopinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTextEdit>
#include <QWheelEvent>

namespace wm {

namespace {

bool isEnterKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The one button of the window that is shown, enabled and answers to the key; null when
// none or several do (a clash among buttons is left to Qt, which moves between them).
QAbstractButton* onlyButtonFor(QWidget* window, const QKeySequence& key) {
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() != window || !button->isVisible() || !button->isEnabled() ||
            button->shortcut() != key)
            continue;
        if (found)
            return nullptr;
        found = button;
    }
    return found;
}

QMenuBar* menuBarOf(QWidget* widget) {
    QWidget* window = widget->window();
    auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    return bar && bar->isVisible() && !bar->actions().isEmpty() ? bar : nullptr;
}

// A frame in the highlight colour drawn over a text box's own frame while it has the focus.
class FocusRing : public QWidget {
  public:
    explicit FocusRing(QWidget* box) : QWidget(box) {
        setObjectName(QStringLiteral("wmFocusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

class DesktopInput : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::Polish:
                settle(widget);
                return false;
            case QEvent::KeyPress:
                return keyPress(widget, static_cast<QKeyEvent*>(event));
            case QEvent::Shortcut:
                return sharedAccessKey(widget, static_cast<QShortcutEvent*>(event));
            case QEvent::Wheel:
                return wheelOverUnfocusedList(widget, event);
            case QEvent::FocusIn:
                showFocus(widget);
                return false;
            case QEvent::FocusOut:
                if (isTextBox(widget))
                    showRing(widget, false);
                return false;
            default:
                return false;
        }
    }

  public:
    static void settle(QWidget* widget) {
        // A list that takes the focus from the wheel would then take the wheel itself.
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            if (list->focusPolicy() == Qt::WheelFocus)
                list->setFocusPolicy(Qt::StrongFocus);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
            plain->setTabChangesFocus(true);
        } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
            rich->setTabChangesFocus(true);
        }
    }

  private:
    // Qt draws the focus only after a Tab in the window; this program moves the focus on
    // Enter and after its own actions too, so the focus shows whatever moved it.
    static void showFocus(QWidget* widget) {
        QWidget* window = widget->window();
        if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) {
            window->setAttribute(Qt::WA_KeyboardFocusChange);
            widget->update();
        }
        if (isTextBox(widget))
            showRing(widget, true);
    }

    // A multi-line box shows no caret when read-only, and the style draws no focus for it.
    static bool isTextBox(const QWidget* widget) {
        return qobject_cast<const QPlainTextEdit*>(widget) ||
               qobject_cast<const QTextEdit*>(widget);
    }

    // The ring of a text box, made on its first focus.
    static void showRing(QWidget* box, bool shown) {
        auto* ring =
            box->findChild<QWidget*>(QStringLiteral("wmFocusRing"), Qt::FindDirectChildrenOnly);
        if (!ring && !shown)
            return;
        if (!ring)
            ring = new FocusRing(box);
        ring->setGeometry(box->rect());
        ring->raise();
        ring->setVisible(shown);
    }

    static bool keyPress(QWidget* widget, QKeyEvent* key) {
        if (isEnterKey(key) && !key->isAutoRepeat()) {
            auto* button = qobject_cast<QPushButton*>(widget);
            if (!button || !button->isEnabled())
                return false;
            button->click();
            return true;
        }
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
            QMenuBar* bar = menuBarOf(widget);
            if (!bar)
                return false;
            bar->setActiveAction(bar->actions().constFirst());
            return true;
        }
        return false;
    }

    // Qt takes a key that a button and a menu title share as ambiguous: the first press
    // only moves the focus. The button on show is what the user looks at, so it wins.
    static bool sharedAccessKey(QWidget* widget, QShortcutEvent* shortcut) {
        if (!shortcut->isAmbiguous())
            return false;
        QAbstractButton* button = onlyButtonFor(widget->window(), shortcut->key());
        if (!button)
            return false;
        if (button->focusPolicy() != Qt::NoFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
        return true;
    }

    static bool wheelOverUnfocusedList(QWidget* widget, QEvent* event) {
        auto* list = qobject_cast<QComboBox*>(widget);
        if (!list || list->hasFocus())
            return false;
        // Ignored and taken: Qt passes the wheel on to the list's parent.
        event->ignore();
        return true;
    }
};

}  // namespace

void installDesktopInput() {
    const QString name = QStringLiteral("wmDesktopInput");
    if (!qApp || qApp->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new DesktopInput(qApp);
    filter->setObjectName(name);
    qApp->installEventFilter(filter);
    for (QWidget* widget : QApplication::allWidgets())
        DesktopInput::settle(widget);
}

}  // namespace wm
