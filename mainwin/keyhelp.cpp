// Keyboard entry field by field, select-on-focus and the help lines of the main window.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "characterrules.h"
#include "keyfilter.h"
#include "mainwindow.h"
#include "numbers.h"
#include "pageparts.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

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

}  // namespace

void MainWindow::showHelp(const QString& text) {
    MainWindow& shown = visibleMainWindow();
    shown.calculationPage_->showHelp(text);
    shown.characterHelpLine->setText(text);
}

void MainWindow::setupKeysAndHelp() {
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

    for (int i = 3; i <= 12; ++i)
        selectOnFocus(txtPC[i]);
    for (int i = 0; i <= 2; ++i)
        selectOnFocus(txtWeight[i]);
    for (int k = 1; k <= 12; ++k)
        selectOnFocus(txtWork[k]);

    // The help line explains the control under the mouse, with the control's own tooltip.
    // The calculation page shows help for its own controls.
    QList<QWidget*> helped;
    helped << characterHelpLine << lblWeight << lblMaxWeight;
    for (QPushButton* button : tabButtons->findChildren<QPushButton*>())
        helped << button;
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
        onEvent(control, QEvent::Enter, [this, control] { showHelp(control->toolTip()); });
    }
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
