#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"
#include "characterhistory.h"
#include "controls.h"
#include "dialogs.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace wm {

// The character data window "PCデータ表示": browse the saved characters, one save at a time. It
// only displays; nothing typed here goes anywhere.
//
// The opener runs loadHistory, then showSavedCharacters, then showWorkRowsForFame. The window
// deletes itself when the user closes it (Qt::WA_DeleteOnClose), so an opener keeps a QPointer.
class CharacterHistoryWindow : public QWidget {
    Q_OBJECT

  public:
    // Builds the window at its load size and fills the work lists of slots 7..12.
    CharacterHistoryWindow(AppData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // Fills the name list from history, chooses the first name and shows the window;
    // without any saved character it says so and stays closed. True when shown.
    bool showSavedCharacters();
    // Work slots 10..12 shown by the fame in the fame box.
    void showWorkRowsForFame();

    enum class List { Name, SaveTime };
    // The position a list had when an entry was chosen last; 0 with nothing chosen.
    int chosenPosition(List list) const { return chosenPositions_[size_t(list)]; }
    // What the save shown last put into the fame, job, level and status boxes.
    struct LoadedStatus {
        QString fame;
        QString job;
        QString level;
        std::array<QString, 8> values;  // HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力
    };
    const LoadedStatus& loadedStatus() const { return loaded_; }
    // The work entry of a slot (1..12) as the save shown last has it.
    const SavedWork& savedWork(int slot) const { return savedWorks_[size_t(slot - 1)]; }

  private:
    // The lists of slots 7..12: an empty entry, sections 7..28, then 30 and 31.
    void fillWorkLists();

    // The position of a work code in a slot's list; -1 for a code it does not hold.
    int workListPos(int slot, int code);

    // One work slot: "post to the board" check, work name and level.
    struct WorkSlot {
        QCheckBox* postCheck = nullptr;
        QComboBox* workList = nullptr;
        QLineEdit* levelBox = nullptr;
    };

    void buildControls();
    void buildLayout();
    void installKeyHandlers();
    void showListChoice(List list);
    void showSave();
    void showWorks(const std::array<SavedWork, kJobSlots>& works);
    void restoreSavedWork(int slot);
    WorkSlot& slot(int number) { return workSlots_[size_t(number - 1)]; }
    // Fame, job, level and the eight values, in tab order.
    QList<QLineEdit*> statusBoxes() const;

    AppData& data_;
    Dialogs& dialogs_;

    QGroupBox* characterFrame_ = nullptr;
    QGroupBox* workFrame_ = nullptr;
    QComboBox* nameList_ = nullptr;      // "名前"
    QComboBox* saveTimeList_ = nullptr;  // "日付"
    QLabel* nameCaption_ = nullptr;
    QLabel* saveTimeCaption_ = nullptr;
    CaptionedBox fame_;   // "名声"
    CaptionedBox job_;    // "職業"
    CaptionedBox level_;  // "Lv．"
    // HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力 in the order the save holds them.
    std::array<CaptionedBox, 8> status_;
    std::array<WorkSlot, 12> workSlots_;

    std::array<int, 2> chosenPositions_{};
    LoadedStatus loaded_;
    std::array<SavedWork, 12> savedWorks_{};
};

}  // namespace wm
