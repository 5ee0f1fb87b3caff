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

#include "characterrules.h"
#include "keyfilter.h"
#include "mainwindow.h"
#include "numbers.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

bool isDigit(int code) {
    return code >= '0' && code <= '9';
}

bool hasSelection(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->hasSelectedText();
    if (auto* list = qobject_cast<QComboBox*>(field))
        return list->lineEdit() && list->lineEdit()->hasSelectedText();
    return false;
}

QString fieldText(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(field))
        return list->currentText();
    return QString();
}

// A digit field: Backspace passes, a digit passes below `limit` characters (or over a
// selection), Enter runs onEnter and is dropped, anything else is dropped.
void digitField(QLineEdit* field, int limit, std::function<void()> onEnter) {
    KeyFilter::install(field, [field, limit, onEnter](int& code) {
        if (code == kKeyBackspace)
            return;
        if (code == kKeyEnter) {
            code = 0;
            onEnter();
            return;
        }
        if (!isDigit(code) ||
            (limit > 0 && field->text().size() >= limit && !field->hasSelectedText()))
            code = 0;
    });
}

void selectOnFocus(QLineEdit* field) {
    // After the click that gave the focus has placed the caret.
    onEvent(field, QEvent::FocusIn,
            [field] { QTimer::singleShot(0, field, [field] { field->selectAll(); }); });
}

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
    shown.lblStats[1]->setText(text);
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

    // Character page.
    for (int i = 3; i <= 12; ++i) {
        const int limit = i == 3 ? 8 : (i == 5 || i == 9) ? 5 : 3;
        digitField(txtPC[i], limit, [this, i] {
            FameFSet();
            focusNextControl(txtPC[i]);
        });
    }
    for (int i = 0; i <= 2; ++i)
        digitField(txtWeight[i], 5, [this, i] { focusNextControl(txtWeight[i]); });
    for (int k = 1; k <= 12; ++k) {
        digitField(txtWork[k], 3, [this, k] { focusNextControl(txtWork[k]); });
        QComboBox* slot = cmbWork[k];
        KeyFilter::install(slot, [slot](int& code) {
            if (code == kKeyEnter)
                focusNextControl(slot);
            code = 0;
        });
    }
    if (!isLarge()) {
        for (int i = 0; i <= 2; ++i) {
            QRadioButton* option = optWorkSet[i];
            KeyFilter::install(option, [option](int& code) {
                if (code == kKeyEnter)
                    focusNextControl(option);
                code = 0;
            });
        }
    }
    for (int i : {2, 3}) {
        KeyFilter::install(cmbPC[i], [this, i](int& code) { cmbPC_Keys(i, code); });
    }
    for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
        KeyFilter::install(cmbPC[n], [this, n](int& code) { cmbPC_Keys(n, code); });
    }

    // An access key takes the focus to its button first, as a click does, so the field
    // being left (the start level, the name) runs its lost-focus step before the button.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (!button->shortcut().isEmpty())
            onEvent(button, QEvent::Shortcut,
                    [button] { button->setFocus(Qt::ShortcutFocusReason); });
    }

    for (QLineEdit* field : {txtLvMin, txtLvMax, txtExp})
        selectOnFocus(field);
    for (int i = 3; i <= 12; ++i)
        selectOnFocus(txtPC[i]);
    for (int i = 0; i <= 2; ++i)
        selectOnFocus(txtWeight[i]);
    for (int k = 1; k <= 12; ++k)
        selectOnFocus(txtWork[k]);

    // The help line explains the control under the mouse, with the control's own tooltip.
    QList<QWidget*> helped;
    helped << lblLvMin << txtLvMin << lblLvMax << txtLvMax << lblMinExp << lblExp << txtExp
           << chkExp << lblSWork << lblSName << lblSWorkLv << txtSWorkLv << lblSExpk << txtSExpk
           << lblSExp1 << txtSExp1 << lblSExpg << txtSExpg << lblSLot << txtSLot << lblSset
           << txtSset << frmCOpt << optSum[1] << optSum[2] << cmd_k << cmdList << cmdClea << cmdSExp
           << cmdExpLot << txtWorkList << lblStats[0] << lblStats[1] << lblWeight << lblMaxWeight;
    for (int i : {1, 2, 4, 6})
        helped << cmdTab[i];
    for (int i = 0; i <= 2; ++i)
        helped << optWorkSet[i] << txtWeight[i];
    for (int i = 0; i <= 31; ++i) {
        if (lblPC[i])
            helped << lblPC[i];
    }
    for (int i = 3; i <= 12; ++i)
        helped << txtPC[i];
    for (int k = 1; k <= 12; ++k)
        helped << txtWork[k];
    helped << cmdPCData[0] << cmdPCData[1];
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
    if (code == kKeyBackspace || isDigit(code)) {
        shadeExpBox(true);
        if (isDigit(code) && txtExp->text().size() >= 7 && !txtExp->hasSelectedText())
            code = 0;
        return;
    }
    code = 0;
}

void MainWindow::cmbPC_Keys(int i, int& code) {
    if (code == kKeyBackspace)
        return;
    if (code == kKeyEnter) {
        code = 0;
        focusNextControl(cmbPC[i]);
        return;
    }
    QComboBox* name = cmbPC[2];
    const bool nameOpen = hasSelection(name) || fieldText(name).isEmpty();
    // The large window lets any list take keys while the name is empty or selected.
    if (isLarge() && nameOpen && i != 2)
        return;
    if (i != 2) {
        code = 0;
        return;
    }
    if (!nameOpen && byteLength(fieldText(name)) > 13 && name->lineEdit()) {
        name->lineEdit()->setText(cutCharacterName(fieldText(name)));
        name->lineEdit()->end(false);
    }
    cmbPC_KeyPress(2, code);
}

}  // namespace wm
