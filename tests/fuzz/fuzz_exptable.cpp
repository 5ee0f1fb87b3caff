// The experience table: either every value line is taken as it stands (an empty last field
// computed from the level before), or the whole table is the computed one.
#include "fuzzcommon.h"
#include "gamedata.h"
#include "textrules.h"

using namespace wm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = wmfuzz::bytesOf(data, size);
    const QStringList values = wmfuzz::valueLines(wmfuzz::linesOf(bytes));
    wmfuzz::writeDataFile(QStringLiteral("ExpTable.txt"), bytes);
    AppData d;
    wmfuzz::prepare(d);
    loadExpTable(d);
    const ExpTable& table = d.expTable;
    FUZZ_CHECK(table.at(0).toInt() == -1);

    ExpTable computed;
    fillExpTableByFormula(computed);
    bool isComputed = true;
    for (int level = 1; level <= 299; ++level)
        isComputed = isComputed && table.at(level) == computed.at(level);
    if (isComputed)
        return 0;
    FUZZ_CHECK(values.size() <= ExpTable::kMaxLevel);
    for (int level = 1; level <= ExpTable::kMaxLevel; ++level) {
        if (level > values.size()) {
            FUZZ_CHECK(!table.at(level).isValid());
            continue;
        }
        const QString value = lastField(values.at(level - 1), QLatin1Char(' '));
        FUZZ_CHECK(table.at(level).isValid());
        if (!value.isEmpty())
            FUZZ_CHECK(table.at(level).toString() == value);
    }
    return 0;
}
