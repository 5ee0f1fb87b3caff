#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace wm {

struct AppData;

// Saved characters: slot 0..10 (one character each), field 1..3, record 0..100.
class PCData {
  public:
    static constexpr int kSlots = 10;
    static constexpr int kRecords = 100;
    static constexpr int kFields = 3;
    QString at(int slot, int field, int record) const;
    bool set(int slot, int field, int record, const QString& value);
    static bool inRange(int slot, int field, int record) {
        return slot >= 0 && slot <= kSlots && field >= 1 && field <= kFields && record >= 0 &&
               record <= kRecords;
    }
    void clear();
    // The character of a slot: field 1 of record 1.
    QString name(int slot) const { return at(slot, 1, 1); }

  private:
    static size_t index(int s, int f, int r) {
        return (size_t(s) * (kFields + 1) + size_t(f)) * (kRecords + 1) + size_t(r);
    }
    std::vector<QString> cells_ =
        std::vector<QString>(size_t(kSlots + 1) * (kFields + 1) * (kRecords + 1));
};

// What one save of the character page holds, as the page shows it.
struct PCLine {
    QString name;                      // the name list's text
    QString jobCode;                   // job list column 3 of the chosen job
    std::array<QString, 9> values;     // status boxes 4..12
    std::array<QString, 19> itemTags;  // tags of the equipment lists 13..31 ("WWWcode")
    QString weight;                    // current weight box
    QDateTime savedAt;
    QString fame;                        // fame box
    std::array<QString, 12> workCodes;   // tags of the job slots 1..12
    std::array<QString, 12> workLevels;  // level boxes 1..12
};

// The line appended to the character data file. An empty level box of a slot with a work
// is set to "0" first, as the page then shows it.
QString BuildPCLine(PCLine& line);

// The save times of a character slot, newest first: each save's field 2 up to its first ".".
QStringList SaveTimes(const PCData& table, int slot);

// Reads the character data file (entry 6) into strPCData, grouped by name. Reading stops
// silently at a line without a comma, or when no slot is left for a line.
void LoadPCData(AppData& d);

}  // namespace wm
