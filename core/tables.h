#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <vector>

namespace wm {

// The work sections of the production data the rules single out, numbered as the file
// numbers its works (#01..#32).
namespace Section {
inline constexpr int FirstGathering = 1;     // 狩猟: sections 1..6 are the gathering works
inline constexpr int LastGathering = 6;      // 鉱石掘り
inline constexpr int Medicine = 7;           // 薬調合: its products have effects
inline constexpr int Food = 8;               // 料理: its products fill the stomach
inline constexpr int FirstMaterialWork = 9;  // 製材: sections 9..12 make materials
inline constexpr int LastMaterialWork = 12;  // 革細工
// Sections 13..31 make equipment, one kind each; the character page lists each kind.
inline constexpr int Swords = 13;          // 剣鍛冶
inline constexpr int Katanas = 14;         // 刀鍛冶
inline constexpr int Axes = 15;            // 斧鍛冶
inline constexpr int Staffs = 16;          // 杖細工
inline constexpr int Abacuses = 17;        // ソロバン細工
inline constexpr int Whips = 18;           // ムチ細工
inline constexpr int FightingGloves = 19;  // グローブ縫製
inline constexpr int Helmets = 20;         // 兜鍛冶
inline constexpr int Hats = 21;            // 帽子縫製
inline constexpr int Shields = 24;         // 盾鍛冶
inline constexpr int Clothes = 25;         // 衣縫製
inline constexpr int LeatherArmour = 26;   // 皮鎧縫製
inline constexpr int MetalArmour = 27;     // 金属鎧鍛冶
inline constexpr int Rings = 28;           // 指輪細工: its rows hold the necklaces too
inline constexpr int Necklaces = 29;       // 首飾り細工: not a work of the calculator
inline constexpr int Books = 30;           // 製本
inline constexpr int Instruments = 31;     // 楽器製作
inline constexpr int Crafts = 32;          // 細工: materials only, not a work of the calculator
}  // namespace Section

// The fields of a product line, the columns of ProductTable; row 0 of a section holds its
// name in column Name.
namespace ProductColumn {
inline constexpr int Name = 1;          // level (3 digits), a separator, the product name
inline constexpr int ExpAndSteps = 2;   // experience of one step (first 3), steps of a run (last 2)
inline constexpr int Weight = 3;        // weight of one piece
inline constexpr int SetMaterials = 4;  // セット材料: up to three "NNname" entries
inline constexpr int Extra = 5;         // gathering places, effect or item code
}  // namespace ProductColumn

// The columns of the job list (職業).
namespace JobColumn {
inline constexpr int Name = 1;
inline constexpr int CarryFactor = 2;  // carrying weight per point of strength
inline constexpr int Code = 3;
inline constexpr int Limits = 4;  // equipment kinds the job cannot use, each ended by a comma
}  // namespace JobColumn

// Fixed-size tables with the index ranges the data files are read into. Reading outside a
// range gives an empty value; writing outside one is refused (set returns false), so a
// bad data file can never write past a table.

// The entries of the data file list (FileList.txt), in file order.
enum class FileListEntry {
    DataFolder = 0,   // the data folder, ending in a backslash
    ExpTable = 1,     // 経験値テーブル
    ResultName = 2,   // default name of a result text file
    Products = 3,     // 生産データ
    Reserved = 4,     // not used
    Jobs = 5,         // 職業データ
    History = 6,      // キャラデータ: the character history
    ProgramFile = 7,  // the program whose time the version window shows
    Options = 8,      // 起動設定: the startup options
    Guilds = 9,       // ギルドデータ
    Reserved2 = 10,   // not used
};

// The data file list: entries 0..10.
class FileList {
  public:
    static constexpr int kEntries = 11;
    QString operator[](int i) const { return inRange(i) ? entries_[size_t(i)] : QString(); }
    QString operator[](FileListEntry e) const { return (*this)[int(e)]; }
    bool set(int i, const QString& value);
    static bool inRange(int i) { return i >= 0 && i < kEntries; }

  private:
    std::array<QString, kEntries> entries_;
};

// Experience per level 0..300; each element empty, a number or a text.
class ExpTable {
  public:
    static constexpr int kMaxLevel = 300;
    // Above this level the game's values are provisional (仮).
    static constexpr int kLastConfirmedLevel = 209;
    QVariant at(int level) const { return inRange(level) ? values_[size_t(level)] : QVariant(); }
    bool set(int level, const QVariant& value);
    static bool inRange(int level) { return level >= 0 && level <= kMaxLevel; }

  private:
    std::array<QVariant, kMaxLevel + 1> values_;
};

// Production data: section 0..32, column 0..5, row 0..80.
class ProductTable {
  public:
    static constexpr int kSections = 32;
    static constexpr int kColumns = 5;
    static constexpr int kRows = 80;
    QString at(int section, int column, int row) const;
    bool set(int section, int column, int row, const QString& value);
    static bool inRange(int section, int column, int row) {
        return section >= 0 && section <= kSections && column >= 0 && column <= kColumns &&
               row >= 0 && row <= kRows;
    }
    // The name of section s (its header line).
    QString sectionName(int section) const { return at(section, ProductColumn::Name, 0); }

  private:
    static size_t index(int s, int c, int r) {
        return (size_t(s) * (kColumns + 1) + size_t(c)) * (kRows + 1) + size_t(r);
    }
    std::vector<QString> cells_ =
        std::vector<QString>(size_t(kSections + 1) * (kColumns + 1) * (kRows + 1));
};

// Job list: row 0..24, column 1..4.
class JobTable {
  public:
    static constexpr int kRows = 24;
    static constexpr int kColumns = 4;
    QString at(int row, int column) const;
    bool set(int row, int column, const QString& value);
    static bool inRange(int row, int column) {
        return row >= 0 && row <= kRows && column >= 1 && column <= kColumns;
    }

  private:
    std::array<std::array<QString, kColumns + 1>, kRows + 1> cells_;
};

// Guild data: guild 1..sections (31 in the calculator, 32 in the viewer), row 0..3,
// field 1..3.
class GuildTable {
  public:
    static constexpr int kRows = 3;
    static constexpr int kFields = 3;
    static constexpr int kCalculatorSections = 31;
    static constexpr int kViewerSections = 32;
    explicit GuildTable(int sections = kCalculatorSections);
    int sections() const { return sections_; }
    QString at(int guild, int row, int field) const;
    // What the guild panel reads of a section: its name line (the work's name from the
    // fifth character on), learning places 1..3, the guild's own place and the condition
    // for learning there; a place reads "place.building.person".
    QString nameLine(int guild) const { return at(guild, 0, 1); }
    QString learningPlace(int guild, int n) const { return at(guild, 1, n); }
    QString guildPlace(int guild) const { return at(guild, 2, 1); }
    QString learningCondition(int guild) const { return at(guild, 2, 2); }
    bool set(int guild, int row, int field, const QString& value);
    bool inRange(int guild, int row, int field) const {
        return guild >= 1 && guild <= sections_ && row >= 0 && row <= kRows && field >= 1 &&
               field <= kFields;
    }

  private:
    size_t index(int g, int r, int f) const {
        return (size_t(g) * (kRows + 1) + size_t(r)) * (kFields + 1) + size_t(f);
    }
    int sections_;
    std::vector<QString> cells_;
};

}  // namespace wm
