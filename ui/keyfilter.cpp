#include "keyfilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWidget>

#include "textrules.h"

namespace wm {

namespace {

// Alt, Super or Meta held: a key that no shortcut took. A line edit would type its letter
// and a list would search for it, so it reaches neither the handler nor the field.
bool isUnclaimedModified(const QKeyEvent* key) {
    const Qt::KeyboardModifiers held = key->modifiers();
#ifdef Q_OS_WIN
    // AltGr arrives as Ctrl+Alt there and types characters such as "@": typing, by the rules.
    if ((held & Qt::ControlModifier) && (held & Qt::AltModifier) && !(held & Qt::MetaModifier))
        return false;
#endif
    return (held & (Qt::AltModifier | Qt::MetaModifier)) != 0;
}

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
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_F4:
            return true;
        default:
            break;
    }
    // Ctrl shortcuts (select all, copy) change no text; a line edit types nothing for them.
    return (key->modifiers() & Qt::ControlModifier) &&
           !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}

// Keys that take text away (or bring back an earlier text) without typing a character.
bool isDeleting(const QKeyEvent* key) {
    static const QKeySequence::StandardKey deleting[] = {QKeySequence::Delete,
                                                         QKeySequence::Cut,
                                                         QKeySequence::DeleteEndOfWord,
                                                         QKeySequence::DeleteStartOfWord,
                                                         QKeySequence::DeleteEndOfLine,
                                                         QKeySequence::DeleteCompleteLine,
                                                         QKeySequence::Undo,
                                                         QKeySequence::Redo};
    for (QKeySequence::StandardKey standard : deleting) {
        if (key->matches(standard))
            return true;
    }
    return key->key() == Qt::Key_Delete ||
           (key->key() == Qt::Key_Backspace && key->modifiers() != Qt::NoModifier &&
            key->modifiers() != Qt::ShiftModifier);
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

bool insertsText(int code) {
    return code > 0 && code != kKeyEnter && code != kKeyBackspace;
}

QLineEdit* editorOf(QWidget* field) {
    if (auto* list = qobject_cast<QComboBox*>(field))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

}  // namespace

KeyFilter::KeyFilter(QWidget* field, KeyHandler handler)
    : QObject(field), field_(field), editor_(editorOf(field)), handler_(std::move(handler)) {}

KeyFilter* KeyFilter::install(QWidget* field, KeyHandler handler) {
    auto* filter = new KeyFilter(field, std::move(handler));
    field->installEventFilter(filter);
    // A list's edit field takes the mouse itself: drops, middle-button pastes, its menu.
    if (filter->editor_ && filter->editor_ != field)
        filter->editor_->installEventFilter(filter);
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
    if (watched == field_) {
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod)
            return inputMethod(static_cast<QInputMethodEvent*>(event));
    }
    // Only menus, drops and middle clicks concern the edit field. Other events (the hide of
    // a field being destroyed among them) never touch it: it may no longer be a line edit.
    const QEvent::Type type = event->type();
    if (type != QEvent::ContextMenu && type != QEvent::Drop && type != QEvent::MouseButtonRelease)
        return false;
    if (!editor_ || editor_->isReadOnly())
        return false;
    // A list passes its menu on to its edit field; take it wherever it arrives first.
    if (type == QEvent::ContextMenu && (watched == editor_ || watched == field_)) {
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return watched == editor_ && editorEvent(event);
}

bool KeyFilter::keyPress(QKeyEvent* key) {
    if (editor_ && !editor_->isReadOnly()) {
        if (key->matches(QKeySequence::Paste)) {
            typeText(QGuiApplication::clipboard()->text());
            return true;
        }
        if (isDeleting(key))
            return !allowsDeleting();
    }
    if (isNavigation(key))
        return false;
    const int original = codeOf(key);
    if (original < 0)
        return false;
    if (isUnclaimedModified(key))
        return insertsText(original);
    int code = original;
    handler_(code);
    if (code == original)
        return false;
    if (insertsText(code))
        insertIntoField(field_, QString(QChar(code)));
    return true;
}

bool KeyFilter::inputMethod(QInputMethodEvent* im) {
    // Text from an input method goes through the handler character by character, as if
    // typed; the preedit (not yet committed) text is left alone.
    const QString& committed = im->commitString();
    if (committed.isEmpty())
        return false;
    if (im->preeditString().isEmpty() && committed.size() > 1) {
        // A whole word at once: typed in turn, so a length limit holds as for keys.
        QInputMethodEvent cleared(QString(), im->attributes());
        cleared.setCommitString(QString(), im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(field_, &cleared);
        typeText(committed);
        return true;
    }
    QString accepted;
    for (const QChar ch : committed) {
        int code = ch.unicode();
        handler_(code);
        if (insertsText(code))
            accepted += QChar(code);
    }
    if (accepted == committed)
        return false;
    QInputMethodEvent replaced(im->preeditString(), im->attributes());
    replaced.setCommitString(accepted, im->replacementStart(), im->replacementLength());
    QCoreApplication::sendEvent(field_, &replaced);
    return true;
}

bool KeyFilter::editorEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasText())
                return false;
            editor_->deselect();
            editor_->setCursorPosition(editor_->cursorPositionAt(drop->position().toPoint()));
            typeText(drop->mimeData()->text());
            // A copy, never a move: the source keeps its text whatever this field took.
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection())
                return false;
            editor_->deselect();
            typeText(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        default:
            return false;
    }
}

bool KeyFilter::allowsDeleting() {
    int code = kKeyBackspace;
    handler_(code);
    return code == kKeyBackspace;
}

void KeyFilter::typeText(const QString& text) {
    const QWidget* focused = QApplication::focusWidget();
    for (const QChar ch : text) {
        // A character that moved the focus on (Enter-like keys of some fields) ends the
        // text here: the rest is not meant for the next field.
        if (QApplication::focusWidget() != focused)
            break;
        // Line ends and other control characters cannot be typed into a field.
        if (isControlCharacter(ch))
            continue;
        int code = ch.unicode();
        handler_(code);
        if (insertsText(code))
            insertIntoField(field_, QString(QChar(code)));
    }
}

void KeyFilter::showContextMenu(const QPoint& globalPos) {
    // The edit menu of the desktop this program comes from, every entry through the rules.
    QLineEdit* editor = editor_;
    auto* menu = new QMenu(editor);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto add = [this, menu](const char* name, const QString& text, bool enabled,
                            std::function<void()> run) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, std::move(run));
    };
    const bool selected = editor->hasSelectedText();
    add("undoAction", QStringLiteral("元に戻す(&U)"), editor->isUndoAvailable(), [this, editor] {
        if (allowsDeleting())
            editor->undo();
    });
    menu->addSeparator();
    add("cutAction", QStringLiteral("切り取り(&T)"), selected, [this, editor] {
        if (allowsDeleting())
            editor->cut();
    });
    add("copyAction", QStringLiteral("コピー(&C)"), selected, [editor] { editor->copy(); });
    add("pasteAction", QStringLiteral("貼り付け(&P)"),
        !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { typeText(QGuiApplication::clipboard()->text()); });
    add("deleteAction", QStringLiteral("削除(&D)"), selected, [this, editor] {
        if (allowsDeleting())
            editor->del();
    });
    menu->addSeparator();
    add("selectAllAction", QStringLiteral("すべて選択(&A)"), !editor->text().isEmpty(),
        [editor] { editor->selectAll(); });
    menu->popup(globalPos);
}

void acceptDigits(QWidget* field, std::function<void()> onEnter) {
    KeyFilter::install(field, [onEnter = std::move(onEnter)](int& code) {
        if (code == kKeyEnter) {
            code = 0;
            if (onEnter)
                onEnter();
        } else if (code != kKeyBackspace && !isDigitKey(code)) {
            code = 0;
        }
    });
}

}  // namespace wm
