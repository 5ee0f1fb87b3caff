// The character page's handlers: the rules of core applied to what the page shows.

#include "characterpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "characterhistory.h"
#include "cp932.h"
#include "messages.h"
#include "numbers.h"
#include "resultfiles.h"
#include "widgets.h"

namespace wm {

namespace {

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

void CharacterPage::connectHandlers() {
    for (size_t i = 0; i < subPageOptions_.size(); ++i) {
        const auto subPage = CharacterSubPage(i);
        connect(subPageOptions_[i], &QRadioButton::clicked, this,
                [this, subPage] { showSubPage(subPage); });
    }
    // The name list only grows by the lost-focus rule, never by Enter.
    nameList_->setInsertPolicy(QComboBox::NoInsert);
    connect(nameList_, &QComboBox::editTextChanged, this, &CharacterPage::trimTypedName);
    onLeave(nameList_, [this] { chooseTypedName(); });

    connect(jobList_, &QComboBox::activated, this, &CharacterPage::applyJob);
    for (Equipment kind : kAllEquipment)
        connect(equipmentList(kind), &QComboBox::activated, this,
                [this, kind] { applyEquipment(kind); });
    for (size_t i = 0; i < statusRows_.size(); ++i) {
        const auto box = Status(i);
        connect(statusRows_[i].box, &QLineEdit::textChanged, this,
                [this, box] { followStatus(box); });
    }
    connect(saveCharacterButton_, &QPushButton::clicked, this, &CharacterPage::saveRequested);
    connect(showSavedCharactersButton_, &QPushButton::clicked, this,
            &CharacterPage::savedCharactersRequested);
}

void CharacterPage::showPage() {
    show();
    if (listsFilled_)
        return;
    // First showing of the page: its lists are filled here.
    listsFilled_ = true;
    fillLists();
    chooseSubPage(CharacterSubPage::Status);
}

void CharacterPage::chooseSubPage(CharacterSubPage subPage) {
    subPageOptions_[size_t(subPage)]->setChecked(true);
    showSubPage(subPage);
}

void CharacterPage::showSubPage(CharacterSubPage subPage) {
    // Built before their frame shows, so that they show with it.
    if (subPage == CharacterSubPage::Works)
        ensureJobSlots();
    statusFrame_->setVisible(subPage != CharacterSubPage::Equipment);
    weaponFrame_->setVisible(subPage == CharacterSubPage::Equipment);
    equipmentFrame_->setVisible(subPage == CharacterSubPage::Equipment);
    weightFrame_->setVisible(subPage == CharacterSubPage::Equipment);
    workFrame_->setVisible(subPage == CharacterSubPage::Works);
    if (subPage == CharacterSubPage::Works)
        refillWorkSlots();
}

void CharacterPage::showHelp(const QString& text) {
    helpLabel_->setText(text);
}

void CharacterPage::fillLists() {
    // Each list takes its entries at once: one insertion instead of one per entry.
    QStringList jobs;
    for (int row = 1; row <= JobTable::kRows; ++row)
        jobs << data_.jobs.at(row, JobColumn::Name);
    jobList_->clear();
    jobList_->addItems(jobs);
    leaveUnchosen(jobList_);
    chooseEntry(jobList_, 0);

    statusBox(Status::Strength)->setText(QStringLiteral("0"));

    std::array<QStringList, kEquipmentKinds> entries;
    for (QStringList& list : entries)
        list << QStringLiteral("未選択");
    const ProductTable& products = data_.products;
    for (Equipment kind : kAllEquipment) {
        const int section = sectionOf(kind);
        for (int row = 1; row <= ProductTable::kRows; ++row) {
            const QString product = products.at(section, ProductColumn::Name, row);
            if (product.isEmpty())
                break;
            // Necklaces are kept among the rings, told apart by their code.
            const bool necklace = kind == Equipment::Ring && isNecklaceRow(products, row);
            entries[size_t(necklace ? Equipment::Necklace : kind)] << product.mid(4);
        }
    }
    for (Equipment kind : kAllEquipment) {
        equipmentList(kind)->clear();
        equipmentList(kind)->addItems(entries[size_t(kind)]);
    }
    for (Equipment kind : kAllEquipment) {
        leaveUnchosen(equipmentList(kind));
        chooseEntry(equipmentList(kind), 0);
    }
}

void CharacterPage::showSlotsForFame() {
    // Slots not built yet take the fame's count when they are.
    if (!jobSlotsBuilt_)
        return;
    const int shownSlots = slotCountForFame(statusBox(Status::Fame)->text());
    for (int slot = 10; slot <= kJobSlots; ++slot) {
        const bool shown = slot <= shownSlots;
        jobSlot(slot).check->setVisible(shown);
        jobSlot(slot).workList->setVisible(shown);
        jobSlot(slot).levelBox->setVisible(shown);
    }
}

void CharacterPage::trimTypedName() {
    // Pasted text bypasses the key filter; the saved file cannot hold such characters.
    QString name = nameList_->currentText();
    name.removeIf([](QChar ch) { return !canEncodeCp932(QString(ch)); });
    name = cutCharacterName(name);
    if (name != nameList_->currentText()) {
        nameList_->setEditText(name);
        return;  // the change this causes finishes the job
    }
    moveCaretToEnd(nameList_);
}

void CharacterPage::chooseTypedName() {
    const QString typed = nameList_->currentText();
    for (int i = 0; i < nameList_->count(); ++i) {
        if (nameList_->itemText(i) == typed) {
            nameList_->setCurrentIndex(i);
            return;
        }
    }
    nameList_->addItem(typed);
    nameList_->setCurrentIndex(nameList_->count() - 1);
}

void CharacterPage::applyJob() {
    // The class sets the carry factor, so the maximum weight follows at once.
    followStatus(Status::Strength);
    applyJobLimits(jobList_->currentIndex());
    showEquipmentWeight();
}

void CharacterPage::applyEquipment(Equipment kind) {
    if (!groupResetting_) {
        const QList<Equipment> others = equipmentGroupOf(kind);
        if (!others.isEmpty()) {
            groupResetting_ = true;
            for (Equipment other : others)
                chooseEntry(equipmentList(other), 0);
            groupResetting_ = false;
        }
    }
    equipmentChoices_[size_t(kind)] =
        wm::equipmentChoice(data_.products, kind, equipmentList(kind)->currentText());
    showEquipmentWeight();
}

void CharacterPage::showEquipmentWeight() {
    weightBox(WeightBox::Equipment)->setText(numText(equipmentWeight(equipmentChoices_)));
}

void CharacterPage::followStatus(Status box) {
    if (box == Status::Strength)
        showMaximumWeight();
    showSlotsForFame();
}

void CharacterPage::applyJobLimits(int jobIndex) {
    const QString limits = data_.jobs.at(jobIndex + 1, JobColumn::Limits);
    for (CharacterPage* page : host_.existingCharacterPages())
        page->freeEquipmentLists();
    CharacterPage& shown = host_.visibleCharacterPage();
    shown.lockEquipmentLists(lockedEquipment(limits));
    shown.jobCode_ = data_.jobs.at(shown.jobList_->currentIndex() + 1, JobColumn::Code);
}

void CharacterPage::freeEquipmentLists() {
    for (const EquipmentRow& row : equipmentRows_) {
        row.list->setEnabled(true);
        setLabelGreyed(row.caption, false);
    }
}

void CharacterPage::lockEquipmentLists(const std::array<bool, kEquipmentKinds>& locked) {
    for (Equipment kind : kAllEquipment) {
        if (!locked[size_t(kind)])
            continue;
        const EquipmentRow& row = equipmentRows_[size_t(kind)];
        row.list->setEnabled(false);
        setLabelGreyed(row.caption, true);
        chooseEntry(row.list, 0);
    }
}

void CharacterPage::showMaximumWeight() {
    // A page not created yet has no class chosen, and a page without a class keeps its
    // maximum weight.
    CharacterPage* shown = host_.existingVisibleCharacterPage();
    if (!shown)
        return;
    const int job = shown->jobList_->currentIndex();
    if (job < 0)
        return;
    // Without a strength or a carry factor to count with, no earlier maximum may stay.
    const auto weight = maxWeightText(shown->statusBox(Status::Strength)->text(),
                                      data_.jobs.at(job + 1, JobColumn::CarryFactor));
    shown->weightBox(WeightBox::Maximum)->setText(weight.value_or(QString()));
}

void CharacterPage::rememberWorkCode(int slot) {
    if (slot < kFirstFreeSlot)
        return;
    workCodes_[size_t(slot - 1)] = workCodeOfEntry(jobSlot(slot).workList->currentIndex());
}

void CharacterPage::restoreWorkEntry(int slot) {
    if (workSlotsRefilling_)
        return;
    QComboBox* work = jobSlot(slot).workList;
    // A code that names no entry of the list (nothing chosen yet) leaves the text alone.
    if (const auto position = entryOfWorkCode(workCode(slot), work->count())) {
        work->setCurrentIndex(*position);
        work->setEditText(work->itemText(*position));
    }
    moveCaretToEnd(work);
}

void CharacterPage::refillWorkSlots() {
    workSlotsRefilling_ = true;
    const QList<int> sections = freeSlotSections();
    for (int slot = kFirstFreeSlot; slot <= kJobSlots; ++slot) {
        QComboBox* work = jobSlot(slot).workList;
        work->clear();
        work->addItem(QString());
        for (int section : sections)
            work->addItem(data_.products.sectionName(section));
        // The slot codes survive the refill; show the work each one names.
        work->setCurrentIndex(entryOfWorkCode(workCode(slot), work->count()).value_or(-1));
    }
    workSlotsRefilling_ = false;
}

bool CharacterPage::refuseNonNumber(const CharacterLine& line) {
    const std::optional<NumberField> field = nonNumberField(line);
    if (!field)
        return false;
    QString name;
    switch (field->kind) {
        case NumberField::Kind::Weight:
            name = QStringLiteral("現在重量");
            break;
        case NumberField::Kind::Fame:
            name = QStringLiteral("名声");
            break;
        case NumberField::Kind::WorkLevel:
            name = jobSlot(field->slot).workList->currentText() + QStringLiteral("のＬＶ");
            break;
    }
    host_.dialogs().messageBox(name + QStringLiteral("は半角数字で入力してください"),
                               QStringLiteral("入力ミス"), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Exclamation);
    return true;
}

void CharacterPage::saveCharacter() {
    Dialogs& dialogs = host_.dialogs();
    const QString name = nameList_->currentText();
    if (name.isEmpty()) {
        dialogs.messageBox(QStringLiteral("キャラ名を入力してください"),
                           QStringLiteral("キャラ名の未入力"));
        return;
    }
    // The name is the line's first field: a comma in it would shift every other field.
    if (name.contains(QLatin1Char(','))) {
        dialogs.messageBox(QStringLiteral("キャラ名にカンマ（,）は使えません"),
                           QStringLiteral("入力ミス"));
        selectAllText(nameList_);
        nameList_->setFocus();
        return;
    }

    CharacterLine line;
    line.name = name;
    line.jobCode = data_.jobs.at(jobList_->currentIndex() + 1, JobColumn::Code);
    for (int i = 0; i < int(line.values.size()); ++i)
        line.values[size_t(i)] = statusBox(Status(int(Status::Level) + i))->text();
    line.equipment = equipmentChoices_;
    line.weight = weightBox(WeightBox::Current)->text();
    line.fame = statusBox(Status::Fame)->text();
    line.workCodes = workCodes_;
    for (int slot = 1; slot <= kJobSlots; ++slot)
        line.workLevels[size_t(slot - 1)] = jobSlot(slot).levelBox->text();
    // The page's fields take digits only; the file is guarded whatever let other text in.
    if (refuseNonNumber(line))
        return;
    if (dialogs.messageBox(QStringLiteral("キャラデータの保存をしてもよろしいですか？"),
                           QStringLiteral("保存の確認"),
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        dialogs.messageBox(QStringLiteral("キャラデータの保存をキャンセルをしました"),
                           QStringLiteral("データ保存"));
        return;
    }
    line.savedAt = saveTime_.isValid() ? saveTime_ : QDateTime::currentDateTime();
    const QString text = characterLine(line);
    // The builder fills in "0" for the empty level of a used slot; the page shows it too.
    for (int slot = 1; slot <= kJobSlots; ++slot) {
        QLineEdit* level = jobSlot(slot).levelBox;
        if (level->text() != line.workLevels[size_t(slot - 1)])
            level->setText(line.workLevels[size_t(slot - 1)]);
    }
    // The very file PC表示 and the reincarnation window read.
    showMessage(dialogs, appendToDataFile(data_, FileListEntry::History, text).message);
}

QString CharacterPage::weightText(WeightBox box) const {
    return weightBox(box)->text();
}

}  // namespace wm
