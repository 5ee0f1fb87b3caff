// Keyboard entry field by field, select-on-focus and the help line of the character page.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "characterpage.h"
#include "controls.h"
#include "keyfilter.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Up to how many digits a status box takes: 名声 eight, ＨＰ and ＭＰ five, the others three.
int statusDigits(Status box) {
    switch (box) {
        case Status::Fame:
            return 8;
        case Status::Hp:
        case Status::Mp:
            return 5;
        default:
            return 3;
    }
}

bool hasSelection(QComboBox* list) {
    return list->lineEdit() && list->lineEdit()->hasSelectedText();
}

}  // namespace

void CharacterPage::setupKeys() {
    for (size_t i = 0; i < statusRows_.size(); ++i) {
        QLineEdit* box = statusRows_[i].box;
        digitField(box, statusDigits(Status(i)), [this, box] {
            showSlotsForFame();
            focusNextControl(box);
        });
    }
    for (const CaptionedBox& row : weightRows_) {
        QLineEdit* box = row.box;
        digitField(box, 5, [box] { focusNextControl(box); });
    }
    if (!large_) {
        for (QRadioButton* button : subPageOptions_) {
            KeyFilter::install(button, [button](int& code) {
                if (code == kKeyEnter)
                    focusNextControl(button);
                code = 0;
            });
        }
    }
    for (QComboBox* list : {nameList_, jobList_})
        KeyFilter::install(list, [this, list](int& code) { filterListKey(list, code); });
    for (const EquipmentRow& row : equipmentRows_) {
        QComboBox* list = row.list;
        KeyFilter::install(list, [this, list](int& code) { filterListKey(list, code); });
    }

    focusButtonsOnAccessKey(this);

    for (const CaptionedBox& row : statusRows_)
        selectOnFocus(row.box);
    for (const CaptionedBox& row : weightRows_)
        selectOnFocus(row.box);
}

void CharacterPage::setupJobSlotKeysAndHelp() {
    for (const JobSlot& slot : jobSlots_) {
        QLineEdit* level = slot.levelBox;
        digitField(level, 3, [level] { focusNextControl(level); });
        // A slot's work is only chosen, never typed; Enter moves on.
        QComboBox* work = slot.workList;
        KeyFilter::install(work, [work](int& code) {
            if (code == kKeyEnter)
                focusNextControl(work);
            code = 0;
        });
        selectOnFocus(level);
        level->setAttribute(Qt::WA_Hover, true);
        onEvent(level, QEvent::Enter, [this, level] { host_.showHelp(level->toolTip()); });
    }
}

void CharacterPage::filterListKey(QComboBox* list, int& code) {
    if (code == kKeyBackspace)
        return;
    if (code == kKeyEnter) {
        code = 0;
        focusNextControl(list);
        return;
    }
    const bool nameOpen = hasSelection(nameList_) || nameList_->currentText().isEmpty();
    // The large window lets any list take keys while the name is empty or selected.
    if (large_ && nameOpen && list != nameList_)
        return;
    if (list != nameList_) {
        code = 0;
        return;
    }
    if (!nameOpen && characterNameFull(nameList_->currentText()) && nameList_->lineEdit()) {
        nameList_->lineEdit()->setText(cutCharacterName(nameList_->currentText()));
        nameList_->lineEdit()->end(false);
    }
    if (!nameTakesCharacter(code))
        code = 0;
}

void CharacterPage::setupHelp() {
    // The help line explains the control under the mouse, with the control's own tooltip.
    QList<QWidget*> helped;
    helped << helpLabel_ << weightRows_[size_t(WeightBox::Equipment)].caption
           << weightRows_[size_t(WeightBox::Maximum)].caption;
    for (size_t i = 0; i < subPageOptions_.size(); ++i)
        helped << subPageOptions_[i] << weightRows_[i].box;
    helped << statusRows_[size_t(Status::Fame)].caption << nameCaption_ << jobCaption_
           << statusRows_[size_t(Status::Level)].caption;
    for (Status box : {Status::Hp, Status::Vitality, Status::Intelligence, Status::Luck, Status::Mp,
                       Status::Agility, Status::Strength, Status::Charm})
        helped << statusRows_[size_t(box)].caption;
    for (const EquipmentRow& row : equipmentRows_)
        helped << row.caption;
    for (const CaptionedBox& row : statusRows_)
        helped << row.box;
    helped << saveCharacterButton_ << showSavedCharactersButton_;
    for (QWidget* control : helped) {
        control->setAttribute(Qt::WA_Hover, true);
        onEvent(control, QEvent::Enter, [this, control] { host_.showHelp(control->toolTip()); });
    }
}

}  // namespace wm
