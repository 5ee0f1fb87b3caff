#pragma once

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "dialogs.h"

class QInputDialog;
class QWidget;

namespace wm {

// Message boxes and input prompts as real Qt dialogs with Japanese button texts.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QString programTitle) : title_(std::move(programTitle)) {}

    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

    // The parent of the boxes (the active window when none is set).
    void setParent(QWidget* parent) { parent_ = parent; }

    // The boxes as they are shown, built but not run.
    std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, const QString& title,
                                                 Buttons buttons, Icon icon) const;
    std::unique_ptr<QInputDialog> buildInputBox(const QString& prompt, const QString& title,
                                                const QString& defaultText) const;
    static Answer answerOf(const QMessageBox& box, const QAbstractButton* clicked);

  private:
    QWidget* parentWidget() const;

    QString title_;
    QPointer<QWidget> parent_;
};

// Text boxes and labels show "\n" line ends; messages are written with CR LF.
QString displayText(const QString& text);

}  // namespace wm
