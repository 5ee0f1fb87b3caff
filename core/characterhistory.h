#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "characterrules.h"
#include "message.h"

namespace wm {

struct AppData;

// The three fields a saved line splits into: the name; the rest after the blank that ends
// the weight (save time, level and works); the text from the job code to that blank.
enum class HistoryField { Name = 1, SavedAtAndWorks = 2, JobToWeight = 3 };

// The character history (キャラデータ): saved characters, each name once in the order of
// first appearance (slot 1, 2, ...), each with all its saves in file order (record 1, 2,
// ...).
class CharacterHistory {
  public:
    // "" outside the slots and records there are.
    QString at(int slot, HistoryField field, int record) const;
    // Adds a save: to the slot of its name, or to a new slot after the others.
    void add(const QString& name, const QString& savedAtAndWorks, const QString& jobToWeight);
    void clear();
    int slotCount() const { return int(characters_.size()); }
    int recordCount(int slot) const;
    // The character of a slot.
    QString name(int slot) const;
    QStringList names() const;

  private:
    struct Save {
        QString savedAtAndWorks;
        QString jobToWeight;
    };
    struct Character {
        QString name;
        std::vector<Save> saves;
    };
    const Character* character(int slot) const;
    std::vector<Character> characters_;
    QHash<QString, int> slotOfName_;  // 0-based
};

// What one save of the character page holds, as the page shows it.
struct CharacterLine {
    QString name;                                            // the name list's text
    QString jobCode;                                         // job list column 3 of the chosen job
    std::array<QString, 9> values;                           // status boxes 4..12
    std::array<EquipmentChoice, kEquipmentKinds> equipment;  // the equipment lists' choices
    QString weight;                                          // current weight box
    QDateTime savedAt;
    QString fame;                               // fame box
    std::array<int, kJobSlots> workCodes{};     // work codes of the job slots 1..12 (0: none)
    std::array<QString, kJobSlots> workLevels;  // level boxes 1..12
};

// A field of a save that the file holds as a number.
struct NumberField {
    enum class Kind { Weight, Fame, WorkLevel } kind;
    int slot = 0;  // the job slot (1..12) of a WorkLevel
};

// The first number field of a save that holds anything but digits, which the history could
// not read back; nothing when the line may be written. An empty field reads as 0 and passes.
std::optional<NumberField> nonNumberField(const CharacterLine& line);

// The line appended to the character data file: each job slot in its place, "," for one
// without a work. An empty level box of a slot with a work is set to "0" first, as the page
// then shows it.
QString characterLine(CharacterLine& line);

// A job-slot entry of a save as the character data window reads it back.
struct SavedWork {
    int code = 0;   // the work code; 0 for an empty entry or one that is no whole number
    QString level;  // the level as saved, leading zeros and all
};

// One save read back from its two history fields, by the layout characterLine writes.
struct SavedCharacter {
    QString jobCode;
    QString level;
    std::array<QString, 8> values;  // HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力
    // Fame and works follow the save time after a "."; a field without one holds neither.
    bool hasWorks = false;
    QString fame;
    // Entries go to the slots in their order; slots past the last entry stay empty.
    std::array<SavedWork, kJobSlots> works;
};
SavedCharacter readSave(const QString& jobToWeight, const QString& savedAtAndWorks);

// A saved level as it is shown: without its leading zeros ("045" as 45); a level that is
// no number as it stands.
QString shownSavedLevel(const QString& level);

// The save times of a character slot, newest first: each save's field 2 up to its first ".".
// One entry per save, so list position p is record (count - p).
QStringList saveTimes(const CharacterHistory& table, int slot);

// Whether a line of the character data file holds a whole save as characterLine() makes
// it: the 30 comma-separated fields up to the weight (name, job code, nine values, nineteen
// item codes), a blank, the save time, ".", fame, "." and works that end with a comma. A
// line cut short, by a failed save whose end could not be taken back, lacks some of them.
bool isCompleteSave(const QString& line);

// Reads the whole character data file (entry 6) into history, grouped by name. A line that
// is no complete save (an empty one too) is skipped; a missing file leaves the table empty.
// Returns why a file that is there could not be read ("" when it was, or is missing).
QString loadHistory(AppData& d);
// The message telling why the character data file could not be read; nothing when reason
// is "".
std::optional<Message> historyProblemMessage(const AppData& d, const QString& reason);

}  // namespace wm
