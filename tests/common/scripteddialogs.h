#pragma once

#include <QList>
#include <QString>

#include "dialogs.h"

namespace wmtest {

// One box the code under test showed.
struct ShownBox {
    bool input = false;
    QString text;
    QString title;
    wm::Dialogs::Buttons buttons = wm::Dialogs::Buttons::Ok;
    wm::Dialogs::Icon icon = wm::Dialogs::Icon::None;
    QString defaultText;  // input prompts
};

// Dialogs that record every box and answer from a script. A box with no scripted answer
// left is a test failure (recorded, answered with Cancel/""), and so is an answer that was
// never used: call verifyDone() in cleanup().
class ScriptedDialogs : public wm::Dialogs {
  public:
    void expectMessage(Answer answer) { script_.append({false, answer, {}}); }
    void expectInput(const QString& typed) { script_.append({true, Answer::Ok, typed}); }

    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

    const QList<ShownBox>& shown() const { return shown_; }
    const ShownBox& last() const { return shown_.last(); }
    void clearShown() { shown_.clear(); }
    // Failures found so far (unexpected boxes, unused answers); empty when all is well.
    QStringList problems() const;
    void reset();

  private:
    struct Step {
        bool input;
        Answer answer;
        QString typed;
    };
    QList<Step> script_;
    QList<ShownBox> shown_;
    QStringList unexpected_;
};

}  // namespace wmtest

// In a Qt Test slot: fails the test when the dialogs were not used as scripted.
#define WM_VERIFY_DIALOGS(dialogs)                                                        \
    do {                                                                                  \
        const QStringList wmProblems = (dialogs).problems();                              \
        (dialogs).reset();                                                                \
        QVERIFY2(wmProblems.isEmpty(), qPrintable(wmProblems.join(QLatin1String("; ")))); \
    } while (false)
