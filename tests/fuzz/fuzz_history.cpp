// The character history after one good save: every save is filed under its own name, and
// the first save stays first.
#include "characterhistory.h"
#include "fuzzcommon.h"

using namespace wm;

namespace {
const QByteArray kPrefix(
    "Alice,01,1,2,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0.10 "
    "2024/01/02 03:04:05.7.0101,,,,,,\r\n");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    wmfuzz::writeDataFile(QStringLiteral("PCData.txt"), kPrefix + input);
    AppData d;
    wmfuzz::prepare(d);
    loadHistory(d);
    const CharacterHistory& table = d.history;
    FUZZ_CHECK(table.name(1) == QStringLiteral("Alice"));
    FUZZ_CHECK(table.at(1, HistoryField::SavedAtAndWorks, 1) ==
               QStringLiteral("2024/01/02 03:04:05.7.0101,,,,,,"));
    // Every name (an empty one of a hand-edited line too) is in one slot only, and every save
    // of a slot carries that slot's name.
    QStringList names;
    for (int slot = 1; slot <= table.slotCount(); ++slot) {
        const QString name = table.name(slot);
        FUZZ_CHECK(!names.contains(name));
        names << name;
        FUZZ_CHECK(table.recordCount(slot) >= 1);
        for (int record = 1; record <= table.recordCount(slot); ++record)
            FUZZ_CHECK(table.at(slot, HistoryField::Name, record) == name);
        FUZZ_CHECK(table.at(slot, HistoryField::Name, table.recordCount(slot) + 1).isEmpty());
    }
    FUZZ_CHECK(table.name(table.slotCount() + 1).isEmpty());
    return 0;
}
