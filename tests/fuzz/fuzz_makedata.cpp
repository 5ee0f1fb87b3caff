// The production data after a good section: what that section loaded stays unless the
// input opens it again.
#include "fuzzcommon.h"
#include "gamedata.h"
#include "numbers.h"
#include "textrules.h"

using namespace wm;

namespace {

const QByteArray kPrefix(
    "#01 \x95\x90\x8a\xed\r\n"
    "001\x8c\x95 10 2 3.5 01\x93\x53,02\x96\xd8\r\n"
    "002\x91\x84 20 3 4\r\n");

// Whether a line of the input opens section 1 the way the loader reads a section number.
bool reopensFirst(const QStringList& lines) {
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1Char('#')))
            continue;
        const QString number = trimLeadingBlanks(line.mid(1, 2));
        if (isNumber(number) && roundInt16(*toNumber(number)) == 1)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    wmfuzz::SilentDialogs dialogs;
    AppData before;
    AppData d;
    wmfuzz::loadPrefixThenInput(QStringLiteral("MakeData.txt"), kPrefix, input, &loadProducts,
                                before, d, dialogs);
    if (reopensFirst(wmfuzz::linesOf(input)))
        return 0;
    for (int row = 0; row <= 2; ++row) {
        for (int column = 0; column <= ProductTable::kColumns; ++column)
            FUZZ_CHECK(d.products.at(1, column, row) == before.products.at(1, column, row));
    }
    return 0;
}
