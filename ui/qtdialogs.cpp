#include "qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QPushButton>

namespace wm {

namespace {

const char* kAnswerProperty = "wmAnswer";

QMessageBox::Icon qtIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information:
            return QMessageBox::Information;
        case Dialogs::Icon::Exclamation:
            return QMessageBox::Warning;
        case Dialogs::Icon::Critical:
            return QMessageBox::Critical;
        case Dialogs::Icon::Question:
            return QMessageBox::Question;
        case Dialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

void addButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role,
               Dialogs::Answer answer) {
    QPushButton* button = box.addButton(text, role);
    button->setProperty(kAnswerProperty, int(answer));
    if (!box.defaultButton())
        box.setDefaultButton(button);
}

}  // namespace

QString displayText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QWidget* QtDialogs::parentWidget() const {
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> QtDialogs::buildMessageBox(const QString& text, const QString& title,
                                                        Buttons buttons, Icon icon) const {
    auto box = std::make_unique<QMessageBox>(parentWidget());
    box->setWindowTitle(title.isEmpty() ? title_ : title);
    box->setText(displayText(text));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(qtIcon(icon));
    switch (buttons) {
        case Buttons::Ok:
            addButton(*box, QStringLiteral("OK"), QMessageBox::AcceptRole, Answer::Ok);
            box->setEscapeButton(box->defaultButton());
            break;
        case Buttons::OkCancel:
            addButton(*box, QStringLiteral("OK"), QMessageBox::AcceptRole, Answer::Ok);
            addButton(*box, QStringLiteral("キャンセル"), QMessageBox::RejectRole, Answer::Cancel);
            break;
        case Buttons::YesNo:
            addButton(*box, QStringLiteral("はい(&Y)"), QMessageBox::YesRole, Answer::Yes);
            addButton(*box, QStringLiteral("いいえ(&N)"), QMessageBox::NoRole, Answer::No);
            box->setEscapeButton(box->buttons().last());
            break;
    }
    return box;
}

Dialogs::Answer QtDialogs::answerOf(const QMessageBox& box, const QAbstractButton* clicked) {
    if (clicked && clicked->property(kAnswerProperty).isValid())
        return Answer(clicked->property(kAnswerProperty).toInt());
    // Closed without a button: the escape button's answer.
    const QAbstractButton* escape = box.escapeButton();
    if (escape && escape->property(kAnswerProperty).isValid())
        return Answer(escape->property(kAnswerProperty).toInt());
    return Answer::Cancel;
}

Dialogs::Answer QtDialogs::messageBox(const QString& text, const QString& title, Buttons buttons,
                                      Icon icon) {
    auto box = buildMessageBox(text, title, buttons, icon);
    box->exec();
    return answerOf(*box, box->clickedButton());
}

std::unique_ptr<QInputDialog> QtDialogs::buildInputBox(const QString& prompt, const QString& title,
                                                       const QString& defaultText) const {
    auto dialog = std::make_unique<QInputDialog>(parentWidget());
    dialog->setWindowTitle(title.isEmpty() ? title_ : title);
    dialog->setLabelText(displayText(prompt));
    dialog->setTextValue(defaultText);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("キャンセル"));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->resize(qMax(dialog->sizeHint().width(), 420), dialog->sizeHint().height());
    return dialog;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    auto dialog = buildInputBox(prompt, title, defaultText);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->textValue();
}

}  // namespace wm
