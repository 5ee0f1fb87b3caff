// Keyboard entry field by field and the help line of the calculation page.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHoverEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculationpage.h"
#include "controls.h"
#include "keyfilter.h"
#include "numbers.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Moving from a control back onto the bare part of the frame that holds it enters no new
// widget, so a frame with help of its own also listens to the mouse moving over itself.
class BareFrameHover : public QObject {
  public:
    BareFrameHover(QWidget* frame, std::function<void()> handler)
        : QObject(frame), frame_(frame), handler_(std::move(handler)) {
        frame->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == frame_ && event->type() == QEvent::HoverMove &&
            !frame_->childAt(static_cast<QHoverEvent*>(event)->position().toPoint()))
            handler_();
        return false;
    }

  private:
    QWidget* frame_;
    std::function<void()> handler_;
};

}  // namespace

void CalculationPage::enterOnLevel(LevelBox box, QLineEdit* level, QWidget* next) {
    switch (levelEnter(box, level->text())) {
        case LevelEnter::Ignore:
            break;
        case LevelEnter::Reselect:
            level->selectAll();
            break;
        case LevelEnter::MoveOn:
            next->setFocus(Qt::TabFocusReason);
            break;
    }
}

void CalculationPage::setupKeys() {
    digitField(startLevelBox_, 3,
               [this] { enterOnLevel(LevelBox::Start, startLevelBox_, targetLevelBox_); });
    digitField(targetLevelBox_, 3,
               [this] { enterOnLevel(LevelBox::Target, targetLevelBox_, remainingExpBox_); });
    KeyFilter::install(remainingExpBox_, [this](int& code) { filterRemainingExpKey(code); });
    // Enter in a list moves on: from the work to the product, from the product to the runs.
    for (QComboBox* list : {workList_, productList_}) {
        QWidget* next = list == workList_ ? static_cast<QWidget*>(productList_) : runsBox_;
        KeyFilter::install(list, [next](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                next->setFocus(Qt::TabFocusReason);
            }
        });
    }
    auto bothNumbers = [this] {
        return isNumber(stepExpBox_->text()) && isNumber(stepsBox_->text());
    };
    digitField(stepExpBox_, 0, [this, bothNumbers] {
        if (bothNumbers())
            refreshRunExp();
        stepsBox_->setFocus(Qt::TabFocusReason);
    });
    digitField(stepsBox_, 0, [this, bothNumbers] {
        if (stepsBox_->text().isEmpty())
            return;
        if (bothNumbers())
            refreshRunExp();
        runsNeededButton_->setFocus(Qt::TabFocusReason);
    });
    digitField(runsBox_, 0, [this] {
        if (!runsBox_->text().isEmpty())
            totalRuns();
    });
}

void CalculationPage::setupHelp() {
    for (QLineEdit* field : {startLevelBox_, targetLevelBox_, remainingExpBox_})
        selectOnFocus(field);

    // The help line explains the control under the mouse, with the control's own tooltip.
    // The lists, the display options and Text作成 leave the line as it was.
    const QList<QWidget*> helped{startLevelCaption_,   startLevelBox_,
                                 targetLevelCaption_,  targetLevelBox_,
                                 startLevelExpLabel_,  remainingExpCaption_,
                                 remainingExpBox_,     remainingExpCheck_,
                                 workCaption_,         productCaption_,
                                 productLevelCaption_, productLevelBox_,
                                 stepsCaption_,        stepsBox_,
                                 stepExpCaption_,      stepExpBox_,
                                 runExpCaption_,       runExpBox_,
                                 runsCaption_,         runsBox_,
                                 materialsCaption_,    materialsBox_,
                                 tabOrderFrame_,       expTabOrderOption_,
                                 countTabOrderOption_, calculateButton_,
                                 expListButton_,       clearButton_,
                                 runsNeededButton_,    runTotalsButton_,
                                 resultBox_,           helpLabel_};
    for (QWidget* control : helped) {
        control->setAttribute(Qt::WA_Hover, true);
        onEvent(control, QEvent::Enter,
                [this, control] { emit helpRequested(control->toolTip()); });
    }
    new BareFrameHover(tabOrderFrame_, [this] { emit helpRequested(tabOrderFrame_->toolTip()); });
}

void CalculationPage::filterRemainingExpKey(int& code) {
    if (code == kKeySpace) {
        // Space switches the remaining experience on or off; the blank itself is typed.
        if (remainingExpCheck_->isChecked()) {
            remainingExpCheck_->setChecked(false);
            remainingExpBox_->clear();
        } else {
            remainingExpCheck_->setChecked(true);
        }
        switchRemainingExp();
        return;
    }
    if (code == kKeyEnter) {
        code = 0;
        if (!(remainingExpBox_->text().isEmpty() && remainingExpCheck_->isChecked()))
            calculateButton_->setFocus(Qt::TabFocusReason);
        return;
    }
    if (code == kKeyBackspace || isDigitKey(code)) {
        shadeRemainingExp(true);
        if (digitKey(code, remainingExpBox_->text().size(), remainingExpBox_->hasSelectedText(),
                     7) == DigitKey::Full)
            code = 0;
        return;
    }
    code = 0;
}

}  // namespace wm
