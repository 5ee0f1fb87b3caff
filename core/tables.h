#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <vector>

namespace wm {

// Which sections a lookup by name searches: the calculator leaves section 29 out, the
// viewer searches it too.
enum class Section29 { Skip, Search };

// Fixed-size tables with the index ranges the data files are read into. Reading outside a
// range gives an empty value; writing outside one is refused (set returns false), so a
// bad data file can never write past a table.

// The data file list: entries 0..10.
class FileList {
  public:
    static constexpr int kEntries = 11;
    QString operator[](int i) const { return inRange(i) ? entries_[size_t(i)] : QString(); }
    bool set(int i, const QString& value);
    static bool inRange(int i) { return i >= 0 && i < kEntries; }

  private:
    std::array<QString, kEntries> entries_;
};

// Experience per level 0..300; each element empty, a number or a text.
class ExpTable {
  public:
    static constexpr int kMaxLevel = 300;
    QVariant at(int level) const { return inRange(level) ? values_[size_t(level)] : QVariant(); }
    bool set(int level, const QVariant& value);
    static bool inRange(int level) { return level >= 0 && level <= kMaxLevel; }

  private:
    std::array<QVariant, kMaxLevel + 1> values_;
};

// Production data: section 0..32, column 0..5, row 0..80.
class MakeData {
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
    QString sectionName(int section) const { return at(section, 1, 0); }

  private:
    static size_t index(int s, int c, int r) {
        return (size_t(s) * (kColumns + 1) + size_t(c)) * (kRows + 1) + size_t(r);
    }
    std::vector<QString> cells_ =
        std::vector<QString>(size_t(kSections + 1) * (kColumns + 1) * (kRows + 1));
};

// Job list: row 0..24, column 1..4.
class JobData {
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
class GuildData {
  public:
    static constexpr int kRows = 3;
    static constexpr int kFields = 3;
    explicit GuildData(int sections = 31);
    int sections() const { return sections_; }
    QString at(int guild, int row, int field) const;
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
