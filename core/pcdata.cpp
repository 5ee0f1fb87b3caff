#include "pcdata.h"

#include "appdata.h"
#include "cp932.h"
#include "numbers.h"
#include "textrules.h"

namespace wm {

QString PCData::at(int slot, int field, int record) const {
    return inRange(slot, field, record) ? cells_[index(slot, field, record)] : QString();
}

bool PCData::set(int slot, int field, int record, const QString& value) {
    if (!inRange(slot, field, record))
        return false;
    cells_[index(slot, field, record)] = value;
    return true;
}

void PCData::clear() {
    for (QString& cell : cells_)
        cell.clear();
}

QString BuildPCLine(PCLine& in) {
    const QString comma = QStringLiteral(",");
    QString line = in.name + comma + in.jobCode;
    for (const QString& value : in.values)
        line += comma + (isNumber(value) ? value : QStringLiteral("0"));
    for (const QString& tag : in.itemTags)
        line += comma + (isNumber(tag) ? tag.mid(3) : QString());
    line += QStringLiteral(".") + in.weight + QStringLiteral(" ");
    line += in.savedAt.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    line += QStringLiteral(".") + in.fame + QStringLiteral(".");
    for (int i = 0; i < 12; ++i) {
        const double code = toNumber(in.workCodes[size_t(i)]).value_or(0);
        if (code == 0) {
            line += comma;
            continue;
        }
        QString& level = in.workLevels[size_t(i)];
        if (level.isEmpty())
            level = QStringLiteral("0");
        const auto levelValue = toNumber(level);
        // Slots 7..12 at level 0 leave no trace.
        if (i >= 6 && levelValue.value_or(0) == 0)
            continue;
        line += format00(code) + (levelValue ? format000(*levelValue) : level) + comma;
    }
    return line;
}

QStringList SaveTimes(const PCData& table, int slot) {
    QStringList saves;
    for (int r = PCData::kRecords; r >= 1; --r) {
        const QString e = table.at(slot, 2, r);
        if (!e.isEmpty())
            saves << textBefore(e, QLatin1Char('.'));
    }
    return saves;
}

void LoadPCData(AppData& d) {
    PCData& table = d.strPCData;
    table.clear();
    const ReadResult file = readTextLines(d.nativeDataPath(6));
    if (!file.ok)
        return;
    for (const QString& line : file.lines) {
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            return;
        const QString name = line.left(comma);
        int slot = 0;
        int record = 0;
        for (int s = 1; s <= PCData::kSlots && slot == 0; ++s) {
            const QString slotName = table.name(s);
            if (!slotName.isEmpty() && slotName != name)
                continue;
            for (int r = 1; r <= PCData::kRecords; ++r) {
                if (table.at(s, 1, r).isEmpty()) {
                    slot = s;
                    record = r;
                    break;
                }
            }
        }
        if (slot == 0)
            return;
        const QString rest = line.mid(comma + 1);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        table.set(slot, 1, record, name);
        table.set(slot, 2, record, blank < 0 ? rest : rest.mid(blank + 1));
        table.set(slot, 3, record, blank < 0 ? QString() : rest.left(blank + 1));
    }
}

}  // namespace wm
