// The character page: class, status, equipment, weights, job slots, and the save.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "characterhistory.h"
#include "characterrules.h"
#include "cp932.h"
#include "keyfilter.h"
#include "mainwindow.h"
#include "numbers.h"
#include "resultfiles.h"
#include "widgets.h"

namespace wm {

namespace {

constexpr int kFirstFreeSlot = 7;  // job slots 7..12 can take any work
constexpr int kLastSlot = 12;

// A label of an equipment kind the class cannot use is greyed; the others show as button
// text.
void setLabelGreyed(QLabel* label, bool greyed) {
    const QPalette system = QApplication::palette(label);
    QPalette own = label->palette();
    own.setColor(QPalette::WindowText, system.color(greyed ? QPalette::Disabled : QPalette::Active,
                                                    QPalette::ButtonText));
    label->setPalette(own);
}

void moveCaretToEnd(QComboBox* list) {
    if (QLineEdit* edit = list->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}

// A list filled by the program shows nothing until something chooses an entry, so that
// choosing position 0 runs its handler.
void leaveUnchosen(QComboBox* list) {
    list->setCurrentIndex(-1);
}

}  // namespace

void MainWindow::setupCharacterPage() {
    // The name list only grows by the lost-focus rule, never by Enter.
    cmbPC[2]->setInsertPolicy(QComboBox::NoInsert);
    connect(cmbPC[2], &QComboBox::editTextChanged, this, [this] { cmbPC_Change(2); });
    onLeave(cmbPC[2], [this] { cmbPC_LostFocus(2); });

    connect(cmbPC[3], &QComboBox::activated, this, [this] { cmbPC_Click(3); });
    for (int n = kFirstEquipment; n <= kLastEquipment; ++n)
        connect(cmbPC[n], &QComboBox::activated, this, [this, n] { cmbPC_Click(n); });
    for (int i = 3; i <= 12; ++i)
        connect(txtPC[i], &QLineEdit::textChanged, this, [this, i] { txtPC_Change(i); });
    for (int k = 1; k <= kLastSlot; ++k) {
        connect(cmbWork[k], &QComboBox::activated, this, [this, k] { cmbWork_Click(k); });
        // Only typing changes a slot's text; choosing from the list is a click.
        connect(cmbWork[k]->lineEdit(), &QLineEdit::textEdited, this,
                [this, k] { cmbWork_Change(k); });
    }
    connect(this, &MainWindow::characterDataRequested, this, [this](int i) {
        if (i == 0)
            cmdPCData_Click(0);
    });
    // Fame starts at 0: nine job slots until it changes.
    FameFSet();
}

void MainWindow::PCListSet() {
    cmbPC[3]->clear();
    for (int row = 1; row <= JobTable::kRows; ++row)
        cmbPC[3]->addItem(data_.jobs.at(row, JobColumn::Name));
    leaveUnchosen(cmbPC[3]);
    chooseEntry(cmbPC[3], 0);

    txtPC[11]->setText(QStringLiteral("0"));

    for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
        cmbPC[n]->clear();
        cmbPC[n]->addItem(QStringLiteral("未選択"));
    }
    const ProductTable& make = data_.products;
    for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
        for (int row = 1; row <= ProductTable::kRows; ++row) {
            const QString product = make.at(n, ProductColumn::Name, row);
            if (product.isEmpty())
                break;
            // Necklaces are kept among the rings, told apart by their code.
            const bool necklace = n == Section::Rings && isNecklaceRow(make, row);
            cmbPC[necklace ? Section::Necklaces : n]->addItem(product.mid(4));
        }
    }
    for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
        leaveUnchosen(cmbPC[n]);
        chooseEntry(cmbPC[n], 0);
    }
}

void MainWindow::FameFSet() {
    const int shownSlots = slotCountForFame(txtPC[3]->text());
    for (int k = 10; k <= kLastSlot; ++k) {
        const bool shown = k <= shownSlots;
        chkWork[k]->setVisible(shown);
        cmbWork[k]->setVisible(shown);
        txtWork[k]->setVisible(shown);
    }
}

void MainWindow::cmbPC_Click(int n) {
    if (!pcGroupResetting_) {
        const QList<int> others = equipmentGroupOf(n);
        if (!others.isEmpty()) {
            pcGroupResetting_ = true;
            for (int other : others)
                chooseEntry(cmbPC[other], 0);
            pcGroupResetting_ = false;
        }
    }
    if (n == 3) {
        // The class sets the carry factor, so the maximum weight follows at once.
        txtPC_Change(11);
        SetJobLimit(cmbPC[3]->currentIndex());
    }
    if (n == 2)
        return;
    if (n >= kFirstEquipment && n <= kLastEquipment)
        cmbPCTag[n] = equipmentCode(data_.products, n, cmbPC[n]->currentText());
    qint64 total = 0;
    for (int m = kFirstEquipment; m <= kLastWeighedEquipment; ++m)
        total += equipmentWeight(cmbPCTag[m]).value_or(0);
    txtWeight[0]->setText(numText(total));
}

void MainWindow::cmbPC_Change(int n) {
    QComboBox* list = cmbPC[n];
    if (n == 2) {
        // Pasted text bypasses the key filter; the saved file cannot hold such characters.
        QString name = list->currentText();
        name.removeIf([](QChar ch) { return !canEncodeCp932(QString(ch)); });
        name = cutCharacterName(name);
        if (name != list->currentText()) {
            list->setEditText(name);
            return;  // the change this causes finishes the job
        }
    }
    moveCaretToEnd(list);
}

void MainWindow::cmbPC_LostFocus(int n) {
    if (n != 2)
        return;
    QComboBox* names = cmbPC[2];
    const QString typed = names->currentText();
    for (int i = 0; i < names->count(); ++i) {
        if (names->itemText(i) == typed) {
            names->setCurrentIndex(i);
            return;
        }
    }
    names->addItem(typed);
    names->setCurrentIndex(names->count() - 1);
}

void MainWindow::cmbPC_KeyPress(int i, int& code) {
    if (i != 2 || code <= 0 || code == kKeyBackspace || code == kKeyEnter)
        return;
    if (!canEncodeCp932(QString(QChar(code))))
        code = 0;
}

void MainWindow::txtPC_Change(int i) {
    CalcMaxWeight(i);
    FameFSet();
}

void MainWindow::cmbWork_Click(int k) {
    if (k < kFirstFreeSlot)
        return;
    cmbWorkTag[k] = format00(cmbWork[k]->currentIndex() + 6);
}

void MainWindow::cmbWork_Change(int k) {
    if (workSlotsRefilling_)
        return;
    const int position = int(intPart(cmbWorkTag[k]).value_or(0)) - 6;
    // A code that names no entry of the list (nothing chosen yet) leaves the text alone.
    if (position >= 0 && position < cmbWork[k]->count()) {
        cmbWork[k]->setCurrentIndex(position);
        cmbWork[k]->setEditText(cmbWork[k]->itemText(position));
    }
    moveCaretToEnd(cmbWork[k]);
}

void MainWindow::refillWorkSlots() {
    workSlotsRefilling_ = true;
    for (int k = kFirstFreeSlot; k <= kLastSlot; ++k) {
        QComboBox* list = cmbWork[k];
        list->clear();
        list->addItem(QString());
        for (int s = Section::LastGathering + 1; s <= Section::Instruments; ++s) {
            if (s != Section::Necklaces)
                list->addItem(data_.products.sectionName(s));
        }
        // The slot codes survive the refill; show the work each one names.
        const int position = int(intPart(cmbWorkTag[k]).value_or(0)) - 6;
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    }
    workSlotsRefilling_ = false;
}

MainWindow& MainWindow::visibleMainWindow() {
    MainWindow* small = host_.existingMainWindow(1);
    if (small && small->isVisible())
        return *small;
    if (MainWindow* large = host_.existingMainWindow(2))
        return *large;
    return *this;
}

void MainWindow::SetJobLimit(int jobIndex) {
    const QString limits = data_.jobs.at(jobIndex + 1, JobColumn::Limits);
    for (int code : {1, 2}) {
        MainWindow* window = host_.existingMainWindow(code);
        if (!window)
            continue;
        for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
            window->cmbPC[n]->setEnabled(true);
            setLabelGreyed(window->lblPC[n], false);
        }
    }
    MainWindow& shown = visibleMainWindow();
    // An empty token (",," or a leading comma) is in every caption and locks every list.
    for (const QString& token : jobLimitTokens(limits)) {
        for (int n = kFirstEquipment; n <= kLastEquipment; ++n) {
            if (!shown.lblPC[n]->text().contains(token))
                continue;
            shown.cmbPC[n]->setEnabled(false);
            setLabelGreyed(shown.lblPC[n], true);
            chooseEntry(shown.cmbPC[n], 0);
        }
    }
    shown.cmbPCTag[3] = data_.jobs.at(shown.cmbPC[3]->currentIndex() + 1, JobColumn::Code);
}

void MainWindow::CalcMaxWeight(int index) {
    if (index != 11)
        return;
    MainWindow& shown = visibleMainWindow();
    const int job = shown.cmbPC[3]->currentIndex();
    if (job < 0)
        return;
    const auto weight =
        maxWeightText(shown.txtPC[11]->text(), data_.jobs.at(job + 1, JobColumn::CarryFactor));
    if (weight)
        shown.txtWeight[2]->setText(*weight);
}

void MainWindow::cmdPCData_Click(int i) {
    if (i != 0)
        return;
    Dialogs& dialogs = host_.dialogs();
    const QString name = cmbPC[2]->currentText();
    if (name.isEmpty()) {
        dialogs.messageBox(QStringLiteral("キャラ名を入力してください"),
                           QStringLiteral("キャラ名の未入力"));
        return;
    }
    // The name is the line's first field: a comma in it would shift every other field.
    if (name.contains(QLatin1Char(','))) {
        dialogs.messageBox(QStringLiteral("キャラ名にカンマ（,）は使えません"),
                           QStringLiteral("入力ミス"));
        selectAllText(cmbPC[2]);
        cmbPC[2]->setFocus();
        return;
    }
    if (dialogs.messageBox(QStringLiteral("キャラデータの保存をしてもよろしいですか？"),
                           QStringLiteral("保存の確認"),
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        dialogs.messageBox(QStringLiteral("キャラデータの保存をキャンセルをしました"),
                           QStringLiteral("データ保存"));
        return;
    }

    CharacterLine line;
    line.name = name;
    line.jobCode = data_.jobs.at(cmbPC[3]->currentIndex() + 1, JobColumn::Code);
    for (int box = 4; box <= 12; ++box)
        line.values[size_t(box - 4)] = txtPC[box]->text();
    for (int n = kFirstEquipment; n <= kLastEquipment; ++n)
        line.equipmentCodes[size_t(n - kFirstEquipment)] = cmbPCTag[n];
    line.weight = txtWeight[1]->text();
    line.savedAt = pcSaveTime.isValid() ? pcSaveTime : QDateTime::currentDateTime();
    line.fame = txtPC[3]->text();
    for (int k = 1; k <= kLastSlot; ++k) {
        line.workCodes[size_t(k - 1)] = cmbWorkTag[k];
        line.workLevels[size_t(k - 1)] = txtWork[k]->text();
    }
    const QString text = characterLine(line);
    // The builder fills in "0" for the empty level of a used slot; the page shows it too.
    for (int k = 1; k <= kLastSlot; ++k) {
        if (txtWork[k]->text() != line.workLevels[size_t(k - 1)])
            txtWork[k]->setText(line.workLevels[size_t(k - 1)]);
    }
    // The very file PC表示 and the reincarnation window read.
    appendToDataFile(data_, dialogs, FileListEntry::History, text);
}

}  // namespace wm
