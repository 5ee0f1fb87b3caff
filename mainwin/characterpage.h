#pragma once

#include <QDateTime>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QString>
#include <array>

#include "appdata.h"
#include "characterrules.h"
#include "controls.h"
#include "dialogs.h"

class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wm {

class CharacterPage;

// What a character page needs of the main window that holds it. Some rules act on the page
// of the main window the user sees, whichever window's page runs them; the window finds it
// through the program.
class CharacterPageHost {
  public:
    virtual ~CharacterPageHost() = default;
    virtual Dialogs& dialogs() = 0;
    // The character pages created so far, of both main windows.
    virtual QList<CharacterPage*> existingCharacterPages() = 0;
    // The page of the main window the user sees; created if it does not exist yet.
    virtual CharacterPage& visibleCharacterPage() = 0;
    // The same page if it exists, else null.
    virtual CharacterPage* existingVisibleCharacterPage() = 0;
    // Shows a help text in the help lines of the main window the user sees.
    virtual void showHelp(const QString& text) = 0;
};

// The sub-pages of the character page (能力, 装備, 技術).
enum class CharacterSubPage { Status, Equipment, Works };

// The status boxes of the 能力 sub-page.
enum class Status {
    Fame,          // 名声
    Level,         // Lv．
    Hp,            // ＨＰ
    Vitality,      // 体力
    Intelligence,  // 知力
    Luck,          // 幸運
    Mp,            // ＭＰ
    Agility,       // 敏捷
    Strength,      // 筋力
    Charm,         // 魅力
};
inline constexpr int kStatusBoxes = 10;

// The weight boxes of the 装備 sub-page.
enum class WeightBox {
    Equipment,  // 装備重量
    Current,    // 現在重量
    Maximum,    // 最大重量
};

// The character page of a main window (キャラデータ): name and class, status, equipment
// and weights, the twelve job slots, and the save of all of it to the character history.
// A main window creates it the first time it is needed.
class CharacterPage : public QFrame {
    Q_OBJECT

  public:
    // Made inside its place in the window (parent), so its controls take the window's font once.
    CharacterPage(bool large, const QFont& windowFont, AppData& data, CharacterPageHost& host,
                  QWidget* parent);

    // Shows the page; the first time, its lists are filled and 能力 is chosen.
    void showPage();
    // The program's own choice of a sub-page: checks its button and shows it.
    void chooseSubPage(CharacterSubPage subPage);
    // Saves the page as a line of the character history, after the user confirms.
    void saveCharacter();
    // Shows a help text in the page's help line.
    void showHelp(const QString& text);

    // What the page remembers, as a test reads it.
    bool listsFilled() const { return listsFilled_; }
    const EquipmentChoice& equipmentChoice(Equipment kind) const {
        return equipmentChoices_[size_t(kind)];
    }
    // The work code of a job slot (1..12); 0 for none.
    int workCode(int slot) const { return workCodes_[size_t(slot - 1)]; }
    // The job code of the class shown, as the last class change left it.
    const QString& jobCode() const { return jobCode_; }
    // The text of a weight box, as the user left it.
    QString weightText(WeightBox box) const;
    // When valid, saves are stamped with this instead of the clock.
    void stampSavesWith(const QDateTime& time) { saveTime_ = time; }

  signals:
    void saveRequested();             // PC保存
    void savedCharactersRequested();  // PC表示

  private:
    struct EquipmentRow {
        QLabel* caption = nullptr;
        QComboBox* list = nullptr;
    };
    struct JobSlot {
        QCheckBox* check = nullptr;
        QComboBox* workList = nullptr;
        QLineEdit* levelBox = nullptr;
    };

    // Building.
    QGroupBox* buildSubPageOptions();
    QGroupBox* buildStatusFrame();
    QGroupBox* buildEquipmentFrame(bool weapons);
    QGroupBox* buildWeightFrame();
    QGroupBox* buildWorkFrame();
    // The 技術 sub-page's twelve job slots are built the first time anything needs them:
    // the sub-page shown, a slot read or written. Until then the frame is empty.
    void ensureJobSlots();
    void placeJobSlotsInTabOrder();
    void buildButtons();
    void connectHandlers();
    void setupKeys();
    void setupHelp();
    void setupJobSlotKeysAndHelp();
    // Twelve rows of lists have to fit the small window: rows as high as the text needs.
    void fitRowHeights(QWidget* within);

    // Handlers.
    void fillLists();
    void showSubPage(CharacterSubPage subPage);
    void showSlotsForFame();
    void trimTypedName();
    void chooseTypedName();
    void applyJob();
    void applyEquipment(Equipment kind);
    void showEquipmentWeight();
    void followStatus(Status box);
    // The class's limits lock lists of the page the user sees; every page's lists are
    // freed first.
    void applyJobLimits(int jobIndex);
    void freeEquipmentLists();
    void lockEquipmentLists(const std::array<bool, kEquipmentKinds>& locked);
    void showMaximumWeight();
    void rememberWorkCode(int slot);
    void restoreWorkEntry(int slot);
    // The 技術 sub-page refills the lists of job slots 7..12.
    void refillWorkSlots();
    // Keys of the name, class and equipment lists.
    void filterListKey(QComboBox* list, int& code);
    // Says which field of a save is no number; true when the save has to stop.
    bool refuseNonNumber(const CharacterLine& line);

    QLineEdit* statusBox(Status box) const { return statusRows_[size_t(box)].box; }
    QLineEdit* weightBox(WeightBox box) const { return weightRows_[size_t(box)].box; }
    QComboBox* equipmentList(Equipment kind) const { return equipmentRows_[size_t(kind)].list; }
    JobSlot& jobSlot(int slot) {
        ensureJobSlots();
        return jobSlots_[size_t(slot - 1)];
    }

    const bool large_;
    const QFont windowFont_;
    AppData& data_;
    CharacterPageHost& host_;

    QGroupBox* subPageFrame_ = nullptr;
    std::array<QRadioButton*, 3> subPageOptions_{};  // 能力, 装備, 技術
    QGroupBox* statusFrame_ = nullptr;               // 能力: name, class, status
    QGroupBox* weaponFrame_ = nullptr;               // 装備: weapons
    QGroupBox* equipmentFrame_ = nullptr;            // 装備: everything else worn or carried
    QGroupBox* weightFrame_ = nullptr;               // 装備: weights
    QGroupBox* workFrame_ = nullptr;                 // 技術: job slots
    QLabel* nameCaption_ = nullptr;
    QComboBox* nameList_ = nullptr;  // 名前
    QLabel* jobCaption_ = nullptr;
    QComboBox* jobList_ = nullptr;  // 職業
    std::array<CaptionedBox, kStatusBoxes> statusRows_{};
    std::array<EquipmentRow, kEquipmentKinds> equipmentRows_{};
    std::array<CaptionedBox, 3> weightRows_{};
    std::array<JobSlot, kJobSlots> jobSlots_{};  // empty until ensureJobSlots()
    bool jobSlotsBuilt_ = false;
    QPushButton* saveCharacterButton_ = nullptr;        // PC保存
    QPushButton* showSavedCharactersButton_ = nullptr;  // PC表示
    QPushButton* luckPrayerButton_ = nullptr;           // 幸運祈願
    QLabel* helpLabel_ = nullptr;

    bool listsFilled_ = false;
    std::array<EquipmentChoice, kEquipmentKinds> equipmentChoices_{};
    std::array<int, kJobSlots> workCodes_{};
    QString jobCode_;
    QDateTime saveTime_;
    bool groupResetting_ = false;  // a group reset must not reset the list that caused it
    bool workSlotsRefilling_ = false;
};

}  // namespace wm
