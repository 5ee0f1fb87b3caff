// The startup options file: its values are its lines without comments, and applying them
// always leaves a main window or the settings window to show.
#include "../core/recordingwindows.h"
#include "fuzzcommon.h"
#include "numbers.h"
#include "options.h"

using namespace wm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = wmfuzz::bytesOf(data, size);
    const QStringList values = wmfuzz::valueLines(wmfuzz::linesOf(bytes));
    wmfuzz::writeDataFile(QStringLiteral("Option.txt"), bytes);
    AppData d;
    wmfuzz::prepare(d);
    const auto read = readOptionValues(d);
    FUZZ_CHECK(read && *read == values);

    RecordingWindows windows;
    loadOptions(d, windows);
    const auto windowSize = values.isEmpty() ? std::nullopt : intPart(values.first());
    if (windowSize && (*windowSize == 1 || *windowSize == 2)) {
        const int chosen = int(*windowSize);
        FUZZ_CHECK(windows.visible[chosen] && !windows.visible[3 - chosen]);
        FUZZ_CHECK(!windows.settingsVisible && !d.optionsMissing);
    } else {
        FUZZ_CHECK(windows.settingsVisible && d.optionsMissing);
        FUZZ_CHECK(!windows.visible[1] && !windows.visible[2]);
    }
    return 0;
}
