// The job list after two good jobs: they stay, and more than the table holds is reported.
#include "fuzzcommon.h"
#include "gamedata.h"

using namespace wm;

namespace {
const QByteArray kPrefix("# jobs\r\n\x95\xbd\x96\xaf 50 01\r\nwarrior 70 02 a,b,\r\n");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    wmfuzz::SilentDialogs dialogs;
    AppData before;
    AppData d;
    wmfuzz::loadPrefixThenInput(QStringLiteral("JobData.txt"), kPrefix, input, &loadJobs, before, d,
                                dialogs);
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= JobTable::kColumns; ++column)
            FUZZ_CHECK(d.jobs.at(row, column) == before.jobs.at(row, column));
    }
    // More job lines than rows can only end in the message.
    const int jobs = int(wmfuzz::valueLines(wmfuzz::linesOf(kPrefix + input)).size());
    if (jobs > JobTable::kRows)
        FUZZ_CHECK(dialogs.messages == 1);
    return 0;
}
