// Keyboard entry field by field, select-on-focus and the help line of the main window.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHoverEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "keyfilter.h"
#include "mainwindow.h"
#include "numbers.h"
#include "pageparts.h"
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

void MainWindow::ShowHelp(const QString& text) {
    MainWindow& shown = visibleMainWindow();
    shown.lblStats[0]->setText(text);
    // A character page created later starts with the text its help line would show.
    shown.characterHelp_ = text;
    if (shown.characterPage_)
        shown.characterPage_->showHelp(text);
}

void MainWindow::setupKeysAndHelp() {
    // Start and target level: Enter goes on unless the level is out of range.
    digitField(txtLvMin, 3, [this] {
        if (const auto v = toNumber(txtLvMin->text())) {
            if (*v >= 300)
                txtLvMin->selectAll();
            else
                txtLvMax->setFocus(Qt::TabFocusReason);
        }
    });
    digitField(txtLvMax, 3, [this] {
        if (const auto v = toNumber(txtLvMax->text())) {
            if (*v > 300)
                txtLvMax->selectAll();
            else
                txtExp->setFocus(Qt::TabFocusReason);
        }
    });
    KeyFilter::install(txtExp, [this](int& code) { txtExp_KeyPress(code); });
    for (QComboBox* list : {cmbSWork, cmbSName}) {
        QWidget* next = list == cmbSWork ? static_cast<QWidget*>(cmbSName) : txtSLot;
        KeyFilter::install(list, [next](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                next->setFocus(Qt::TabFocusReason);
            }
        });
    }
    auto bothNumbers = [this] { return isNumber(txtSExp1->text()) && isNumber(txtSExpk->text()); };
    digitField(txtSExp1, 0, [this, bothNumbers] {
        if (bothNumbers())
            txtSExpg_Click();
        txtSExpk->setFocus(Qt::TabFocusReason);
    });
    digitField(txtSExpk, 0, [this, bothNumbers] {
        if (txtSExpk->text().isEmpty())
            return;
        if (bothNumbers())
            txtSExpg_Click();
        cmdSExp->setFocus(Qt::TabFocusReason);
    });
    digitField(txtSLot, 0, [this] {
        if (!txtSLot->text().isEmpty())
            cmdExpLot_Click();
    });

    focusButtonsOnAccessKey(this);

    for (QLineEdit* field : {txtLvMin, txtLvMax, txtExp})
        selectOnFocus(field);

    // The help line explains the control under the mouse, with the control's own tooltip.
    QList<QWidget*> helped;
    helped << lblLvMin << txtLvMin << lblLvMax << txtLvMax << lblMinExp << lblExp << txtExp
           << chkExp << lblSWork << lblSName << lblSWorkLv << txtSWorkLv << lblSExpk << txtSExpk
           << lblSExp1 << txtSExp1 << lblSExpg << txtSExpg << lblSLot << txtSLot << lblSset
           << txtSset << frmCOpt << optSum[1] << optSum[2] << cmd_k << cmdList << cmdClea << cmdSExp
           << cmdExpLot << txtWorkList << lblStats[0];
    for (int i : {1, 2, 4, 6})
        helped << cmdTab[i];
    for (QWidget* control : helped) {
        control->setAttribute(Qt::WA_Hover, true);
        onEvent(control, QEvent::Enter, [this, control] { ShowHelp(control->toolTip()); });
    }
    new BareFrameHover(frmCOpt, [this] { ShowHelp(frmCOpt->toolTip()); });
}

void MainWindow::txtExp_KeyPress(int& code) {
    if (code == kKeySpace) {
        // Space switches the remaining experience on or off; the blank itself is typed.
        if (chkExp->isChecked()) {
            chkExp->setChecked(false);
            txtExp->clear();
        } else {
            chkExp->setChecked(true);
        }
        chkExp_Click();
        return;
    }
    if (code == kKeyEnter) {
        code = 0;
        if (!(txtExp->text().isEmpty() && chkExp->isChecked()))
            cmd_k->setFocus(Qt::TabFocusReason);
        return;
    }
    if (code == kKeyBackspace || isDigitCode(code)) {
        shadeExpBox(true);
        if (isDigitCode(code) && txtExp->text().size() >= 7 && !txtExp->hasSelectedText())
            code = 0;
        return;
    }
    code = 0;
}

}  // namespace wm
