#include "widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

#include "dialogs.h"

namespace wm {

namespace {

class EventHook : public QObject {
  public:
    EventHook(QObject* target, QEvent::Type type, std::function<void()> handler)
        : QObject(target), type_(type), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == type_)
            handler_();
        return false;
    }

  private:
    QEvent::Type type_;
    std::function<void()> handler_;
};

class LeaveHook : public QObject {
  public:
    LeaveHook(QWidget* field, std::function<void()> handler)
        : QObject(field), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                handler_();
        }
        return false;
    }

  private:
    std::function<void()> handler_;
};

}  // namespace

void onLeave(QWidget* field, std::function<void()> handler) {
    field->installEventFilter(new LeaveHook(field, std::move(handler)));
}

void onEvent(QObject* target, QEvent::Type type, std::function<void()> handler) {
    target->installEventFilter(new EventHook(target, type, std::move(handler)));
}

void chooseEntry(QComboBox* list, int index) {
    // A position the list does not have changes nothing (Qt would clear the choice).
    if (!list || list->currentIndex() == index || index < -1 || index >= list->count())
        return;
    list->setCurrentIndex(index);
    if (index >= 0 && list->currentIndex() == index)
        emit list->activated(index);
}

void refillList(QComboBox* list, const QStringList& entries) {
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->setEditText(QString());
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

QFont windowFont(const QFont& base, int pointSize) {
    QFont font = base;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), base.family()});
    font.setPointSize(pointSize);
    return font;
}

QFont resultFont(const QFont& base) {
    QFont mono = base;
    mono.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("MS Gothic"),
                      QStringLiteral("monospace")});
    mono.setStyleHint(QFont::Monospace);
    return mono;
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

void closeOnEscape(QWidget* window, std::function<void()> close) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("escapeShortcut"));
    if (!close)
        close = [window] { window->close(); };
    QObject::connect(escape, &QShortcut::activated, window, std::move(close));
}

void tabToCheckedOption(const QList<QRadioButton*>& options) {
    auto follow = [options] {
        for (QRadioButton* option : options)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* option : options)
        QObject::connect(option, &QRadioButton::toggled, option, follow);
    follow();
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

QPushButton* actionButton(const QString& caption, const QString& tip, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setToolTip(tip);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

void copyResult(Dialogs& dialogs, const QString& text, const QString& title) {
    if (text.isEmpty()) {
        dialogs.messageBox(QStringLiteral("結果がないので、コピーは出来ません"), title);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
}

QPlainTextEdit* columnsBox(const QString& name) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(resultFont(box->font()));
    return box;
}

void showColumns(QPlainTextEdit* box, const QString& text, bool lastCellFree) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        const qsizetype counted = lastCellFree ? cells.size() - 1 : cells.size();
        for (qsizetype c = 0; c < counted; ++c)
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(cells[c]));
    }
    box->setTabStopDistance(widest + 16);
    box->setPlainText(text);
}

}  // namespace wm
