#include "tables.h"

namespace wm {

bool FileList::set(int i, const QString& value) {
    if (!inRange(i))
        return false;
    entries_[size_t(i)] = value;
    return true;
}

bool ExpTable::set(int level, const QVariant& value) {
    if (!inRange(level))
        return false;
    values_[size_t(level)] = value;
    return true;
}

QString ProductTable::at(int section, int column, int row) const {
    return inRange(section, column, row) ? cells_[index(section, column, row)] : QString();
}

bool ProductTable::set(int section, int column, int row, const QString& value) {
    if (!inRange(section, column, row))
        return false;
    cells_[index(section, column, row)] = value;
    return true;
}

QString JobTable::at(int row, int column) const {
    return inRange(row, column) ? cells_[size_t(row)][size_t(column)] : QString();
}

bool JobTable::set(int row, int column, const QString& value) {
    if (!inRange(row, column))
        return false;
    cells_[size_t(row)][size_t(column)] = value;
    return true;
}

GuildTable::GuildTable(int sections)
    : sections_(sections), cells_(size_t(sections + 1) * (kRows + 1) * (kFields + 1)) {}

QString GuildTable::at(int guild, int row, int field) const {
    return inRange(guild, row, field) ? cells_[index(guild, row, field)] : QString();
}

bool GuildTable::set(int guild, int row, int field, const QString& value) {
    if (!inRange(guild, row, field))
        return false;
    cells_[index(guild, row, field)] = value;
    return true;
}

}  // namespace wm
