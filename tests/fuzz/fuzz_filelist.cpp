// The file list, and the line reader under every loader.
#include <algorithm>

#include "fuzzcommon.h"
#include "gamedata.h"
#include "textrules.h"

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
    // The list is always taken once the file is read: up to eleven entries line by line, a
    // line with a control character leaving its entry empty. A line past them or with a
    // control character is reported (one message for all), with the other entries kept.
    FUZZ_CHECK(read);
    FUZZ_CHECK(dialogs.inputs == 0);
    FUZZ_CHECK(dialogs.messages <= 1);
    bool refused = entries.size() > FileList::kEntries;
    for (int i = 0; i < FileList::kEntries; ++i) {
        const QString line = entries.value(i);
        const bool control = std::any_of(line.begin(), line.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7f;
        });
        refused = refused || control;
        FUZZ_CHECK(d.fileList[i] == (control ? QString() : line));
    }
    if (refused)
        FUZZ_CHECK(dialogs.messages == 1);
    // Without a word, everything the program writes stays in its own or the data folder.
    if (dialogs.messages == 0) {
        FUZZ_CHECK(d.staysHome(d.dataPath(FileListEntry::History)));
        FUZZ_CHECK(d.staysHome(d.dataPath(FileListEntry::Options)));
        FUZZ_CHECK(d.staysHome(joinPath(d.programFolder, d.fileList[FileListEntry::ResultName])));
    }
    return 0;
}
