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
    digitField(startLevelEdit, 3,
               [this] { enterOnLevel(LevelBox::Start, startLevelEdit, targetLevelEdit); });
    digitField(targetLevelEdit, 3,
               [this] { enterOnLevel(LevelBox::Target, targetLevelEdit, remainingExpEdit); });
    KeyFilter::install(remainingExpEdit, [this](int& code) { remainingExpKey(code); });
    // Enter in a list moves on: from the work to the product, from the product to the runs.
    for (QComboBox* list : {workList, productList}) {
        QWidget* next = list == workList ? static_cast<QWidget*>(productList) : runsEdit;
        KeyFilter::install(list, [next](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                next->setFocus(Qt::TabFocusReason);
            }
        });
    }
    auto bothNumbers = [this] {
        return isNumber(stepExpEdit->text()) && isNumber(stepsEdit->text());
    };
    digitField(stepExpEdit, 0, [this, bothNumbers] {
        if (bothNumbers())
            refreshRunExp();
        stepsEdit->setFocus(Qt::TabFocusReason);
    });
    digitField(stepsEdit, 0, [this, bothNumbers] {
        if (stepsEdit->text().isEmpty())
            return;
        if (bothNumbers())
            refreshRunExp();
        runsNeededButton->setFocus(Qt::TabFocusReason);
    });
    digitField(runsEdit, 0, [this] {
        if (!runsEdit->text().isEmpty())
            totalRuns();
    });
}

void CalculationPage::setupHelp() {
    for (QLineEdit* field : {startLevelEdit, targetLevelEdit, remainingExpEdit})
        selectOnFocus(field);

    // The help line explains the control under the mouse, with the control's own tooltip.
    // The lists, the display options and Text作成 leave the line as it was.
    const QList<QWidget*> helped{
        startLevelLabel,     startLevelEdit,    targetLevelLabel,  targetLevelEdit,
        startLevelExpLabel,  remainingExpLabel, remainingExpEdit,  remainingExpCheck,
        workLabel,           productLabel,      productLevelLabel, productLevelEdit,
        stepsLabel,          stepsEdit,         stepExpLabel,      stepExpEdit,
        runExpLabel,         runExpEdit,        runsLabel,         runsEdit,
        materialsLabel,      materialsBox,      tabOrderGroup,     expTabOrderOption,
        countTabOrderOption, calculateButton,   expListButton,     clearButton,
        runsNeededButton,    runTotalsButton,   resultList,        helpLine};
    for (QWidget* control : helped) {
        control->setAttribute(Qt::WA_Hover, true);
        onEvent(control, QEvent::Enter,
                [this, control] { emit helpRequested(control->toolTip()); });
    }
    new BareFrameHover(tabOrderGroup, [this] { emit helpRequested(tabOrderGroup->toolTip()); });
}

void CalculationPage::remainingExpKey(int& code) {
    if (code == kKeySpace) {
        // Space switches the remaining experience on or off; the blank itself is typed.
        if (remainingExpCheck->isChecked()) {
            remainingExpCheck->setChecked(false);
            remainingExpEdit->clear();
        } else {
            remainingExpCheck->setChecked(true);
        }
        remainingExpToggled();
        return;
    }
    if (code == kKeyEnter) {
        code = 0;
        if (!(remainingExpEdit->text().isEmpty() && remainingExpCheck->isChecked()))
            calculateButton->setFocus(Qt::TabFocusReason);
        return;
    }
    if (code == kKeyBackspace || isDigitKey(code)) {
        shadeRemainingExp(true);
        if (digitKey(code, remainingExpEdit->text().size(), remainingExpEdit->hasSelectedText(),
                     7) == DigitKey::Full)
            code = 0;
        return;
    }
    code = 0;
}

}  // namespace wm
