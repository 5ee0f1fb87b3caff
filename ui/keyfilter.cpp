#include "keyfilter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace wm {

namespace {

bool isNavigation(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_F4:
            return true;
        default:
            break;
    }
    return (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

int codeOf(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace)
        return kKeyBackspace;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return kKeyEnter;
    const QString text = key->text();
    if (text.isEmpty())
        return -1;  // a key that types nothing (Shift, function keys)
    return text.at(0).unicode();
}

}  // namespace

KeyFilter::KeyFilter(QWidget* field, KeyHandler handler)
    : QObject(field), field_(field), handler_(std::move(handler)) {}

KeyFilter* KeyFilter::install(QWidget* field, KeyHandler handler) {
    auto* filter = new KeyFilter(field, std::move(handler));
    field->installEventFilter(filter);
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    return filter;
}

void insertIntoField(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->lineEdit())
            combo->lineEdit()->insert(text);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->insert(text);
        return;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        plain->insertPlainText(text);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isNavigation(key))
            return false;
        const int original = codeOf(key);
        if (original < 0)
            return false;
        int code = original;
        handler_(code);
        if (code == original)
            return false;
        if (code > 0 && code != kKeyEnter && code != kKeyBackspace)
            insertIntoField(field_, QString(QChar(code)));
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        // Text from an input method goes through the handler character by character, as if
        // typed; the preedit (not yet committed) text is left alone.
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString committed = im->commitString();
        if (committed.isEmpty())
            return false;
        QString accepted;
        for (const QChar ch : committed) {
            int code = ch.unicode();
            handler_(code);
            if (code > 0 && code != kKeyEnter && code != kKeyBackspace)
                accepted += QChar(code);
        }
        if (accepted == committed)
            return false;
        QInputMethodEvent replaced(im->preeditString(), im->attributes());
        replaced.setCommitString(accepted, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(field_, &replaced);
        return true;
    }
    return false;
}

}  // namespace wm
