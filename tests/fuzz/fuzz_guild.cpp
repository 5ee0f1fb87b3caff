// The guild data after a good first guild: it stays whatever follows.
#include "fuzzcommon.h"
#include "gamedata.h"

using namespace wm;

namespace {
const QByteArray kPrefix("#01 guild\r\na,b,c, d,e,f\r\n#02 next\r\nx,y\r\n");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    wmfuzz::SilentDialogs dialogs;
    AppData before;
    AppData d;
    wmfuzz::loadPrefixThenInput(QStringLiteral("GuildData.txt"), kPrefix, input, &loadGuilds,
                                before, d, dialogs);
    FUZZ_CHECK(before.guilds.at(1, 2, 3) == QStringLiteral("f"));

    for (int row = 0; row <= GuildTable::kRows; ++row) {
        for (int field = 1; field <= GuildTable::kFields; ++field)
            FUZZ_CHECK(d.guilds.at(1, row, field) == before.guilds.at(1, row, field));
    }
    return 0;
}
