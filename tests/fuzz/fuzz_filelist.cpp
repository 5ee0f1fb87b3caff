// The file list, and the line reader under every loader.
#include "fuzzcommon.h"
#include "gamedata.h"

using namespace wm;

namespace {

// Lines by their ends alone: CR LF, a lone CR or a lone LF; a last line without an end.
int countLines(const QByteArray& bytes) {
    int lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            ++lines;
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        }
    }
    const char last = bytes.isEmpty() ? '\n' : bytes.back();
    return lines + (last != '\n' && last != '\r' ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = wmfuzz::bytesOf(data, size);
    const QStringList lines = wmfuzz::linesOf(bytes);
    FUZZ_CHECK(lines.size() == countLines(bytes));

    wmfuzz::writeDataFile(QStringLiteral("FileList.txt"), bytes);
    AppData d;
    d.programFolder = wmfuzz::programDir().path().replace(QLatin1Char('/'), QLatin1Char('\\'));
    wmfuzz::SilentDialogs dialogs;
    const bool read = readFileList(d, dialogs);
    const QStringList entries = wmfuzz::valueLines(lines);
    // The list is always taken once the file is read: up to eleven entries line by line,
    // and a line past them is reported (one message) with the entries before it kept.
    FUZZ_CHECK(read);
    FUZZ_CHECK(dialogs.inputs == 0);
    FUZZ_CHECK(dialogs.messages == (entries.size() > FileList::kEntries ? 1 : 0));
    for (int i = 0; i < FileList::kEntries; ++i)
        FUZZ_CHECK(d.fileList[i] == entries.value(i));
    return 0;
}
