#include "controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

#include "keyfilter.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Accepts any text but never calls it finished, so QComboBox cannot turn a typed (or
// pasted) name into a choice when the focus leaves the edit field.
class NeverFinished : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString&, int&) const override { return Intermediate; }
};

template <class Control>
Control* withTip(Control* control, const QString& tip) {
    control->setToolTip(tip);
    return control;
}

}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& caption, const QString& tip) {
    return withTip(new QLabel(caption, parent), tip);
}

QLineEdit* makeBox(QWidget* parent, const QString& tip, const QString& text) {
    return withTip(new QLineEdit(text, parent), tip);
}

QLineEdit* makeCountBox(QWidget* parent, const QString& tip, int maxLength, int shownDigits) {
    QLineEdit* field = makeBox(parent, tip);
    field->setMaxLength(maxLength);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(shownDigits, u'0')));
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& tip) {
    return withTip(new QPushButton(caption, parent), tip);
}

QComboBox* makeList(QWidget* parent, const QString& tip, const QString& shown) {
    auto* list = withTip(new QComboBox(parent), tip);
    list->setPlaceholderText(shown);
    list->setCurrentIndex(-1);
    return list;
}

QComboBox* makeTypingList(QWidget* parent, const QString& tip) {
    auto* list = withTip(new QComboBox(parent), tip);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

void typingNeverChooses(QComboBox* list) {
    list->setCompleter(nullptr);
    list->setValidator(new NeverFinished(list));
}

QGroupBox* makeFrame(QWidget* parent, const QString& tip) {
    return withTip(new QGroupBox(parent), tip);
}

QRadioButton* makeOption(QWidget* parent, const QString& caption, const QString& tip) {
    return withTip(new QRadioButton(caption, parent), tip);
}

QCheckBox* makeCheck(QWidget* parent, const QString& caption, const QString& tip) {
    return withTip(new QCheckBox(caption, parent), tip);
}

void fitDigits(QLineEdit* field, int digits) {
    const int width = designFontMetrics(field).horizontalAdvance(QString(digits, QLatin1Char('0')));
    field->setFixedWidth(width + 14);
}

QFontMetrics designFontMetrics(const QWidget* control) {
    return QFontMetrics(QApplication::font(control));
}

QGridLayout* tightGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    return grid;
}

void keepSpaceWhenHidden(QWidget* control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}

void digitField(QLineEdit* field, int limit, const std::function<void()>& onEnter) {
    KeyFilter::install(field, [field, limit, onEnter](int& code) {
        if (code == kKeyBackspace)
            return;
        if (code == kKeyEnter) {
            code = 0;
            onEnter();
            return;
        }
        if (digitKey(code, field->text().size(), field->hasSelectedText(), limit) !=
            DigitKey::Taken)
            code = 0;
    });
}

void selectOnFocus(QLineEdit* field) {
    // After the click that gave the focus has placed the caret.
    onEvent(field, QEvent::FocusIn,
            [field] { QTimer::singleShot(0, field, [field] { field->selectAll(); }); });
}

QList<QWidget*> focusControlsIn(const QWidget* root) {
    QList<QWidget*> controls;
    if (!root)
        return controls;
    QWidget* top = root->window();
    for (QWidget* w = top->nextInFocusChain(); w && w != top; w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && root->isAncestorOf(w))
            controls << w;
    }
    return controls;
}

void chainTabOrder(QWidget* previous, const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void focusButtonsOnAccessKey(QWidget* root) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->shortcut().isEmpty())
            onEvent(button, QEvent::Shortcut,
                    [button] { button->setFocus(Qt::ShortcutFocusReason); });
    }
}

}  // namespace wm
