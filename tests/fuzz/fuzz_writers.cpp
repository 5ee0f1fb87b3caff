// The writers, on names and texts the input gives (first line a file name, the rest the
// text): result files written and appended, the options file, a character save, then the
// whole startup on what was written. What a writer says it wrote reads back as it was.
#include <QFileInfo>

#include "../core/recordingwindows.h"
#include "characterhistory.h"
#include "cp932.h"
#include "fuzzcommon.h"
#include "numbers.h"
#include "options.h"
#include "resultfiles.h"
#include "startup.h"
#include "textrules.h"

using namespace wm;

namespace {

// Says yes to every question and gives `typed` to every prompt.
class AgreeingDialogs : public Dialogs {
  public:
    explicit AgreeingDialogs(const QString& typed) : typed_(typed) {}
    Answer messageBox(const QString&, const QString&, Buttons buttons, Icon) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return typed_; }

  private:
    QString typed_;
};

void resultFiles(const AppData& d, const QString& name, const QString& text) {
    // Asked first, as the save dialogue does: a file with content is kept.
    const SaveReport kept = writeResult(d, text, name, NonEmptyFile::Keep);
    FUZZ_CHECK(kept.status != SaveReport::Status::NotEmpty ||
               QFileInfo(toNativePath(resultFilePath(d, name))).size() > 0);
    const bool written = writeResult(d, text, name, NonEmptyFile::Replace).saved();
    if (written) {
        FUZZ_CHECK(invalidFileName(name).isEmpty());
        FUZZ_CHECK(d.staysHome(resultFilePath(d, name)));
        // A list without a lone CR reads back line for line, with the extra line end.
        if (!text.contains(QLatin1Char('\r'))) {
            const ReadResult back = readTextLines(toNativePath(resultFilePath(d, name)));
            FUZZ_CHECK(back.ok && back.lines == text.split(QLatin1Char('\n')));
        }
    }
    appendText(d, name, text.left(200));
}

void savedCharacter(AppData& d, const QString& name) {
    CharacterLine line;
    // The name box holds neither a comma (refused) nor a line end.
    for (const QChar c : name) {
        if (c != QLatin1Char(',') && c.unicode() >= 0x20)
            line.name += c;
    }
    line.jobCode = QStringLiteral("01");
    line.weight = QStringLiteral("120");
    line.savedAt = QDateTime(QDate(2008, 3, 5), QTime(14, 7, 33));
    line.fame = QStringLiteral("100");
    const QString text = characterLine(line);
    const int before = d.history.recordCount(1);
    if (!appendToDataFile(d, FileListEntry::History, text).saved())
        return;
    // The save is found again, and only one more save is there.
    FUZZ_CHECK(loadHistory(d).isEmpty());
    int saves = 0;
    for (int slot = 1; slot <= d.history.slotCount(); ++slot)
        saves += d.history.recordCount(slot);
    FUZZ_CHECK(saves == before + 1 || before != 0);
    FUZZ_CHECK(d.history.names().contains(line.name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = decodeCp932(wmfuzz::bytesOf(data, size));
    const qsizetype end = input.indexOf(QLatin1Char('\n'));
    const QString name = end < 0 ? input : input.left(end);
    const QString text = end < 0 ? QString() : input.mid(end + 1);
    // Every run starts from the bare program folder: no history, options or results left.
    QDir(wmfuzz::programDir().path()).removeRecursively();
    QDir().mkpath(wmfuzz::programDir().path() + QStringLiteral("/txtFile"));
    wmfuzz::writeDataFile(QStringLiteral("FileList.txt"),
                          wmfuzz::standardFileList().join(QStringLiteral("\r\n")).toLatin1());
    AppData d;
    wmfuzz::prepare(d);

    resultFiles(d, name, text);
    savedCharacter(d, name);
    const auto code = intPart(name.left(4));
    wmfuzz::SilentDialogs dialogs;
    if (code && *code >= 0 && *code <= 99) {
        // Two digits of the name choose the size and the page, as the settings window would.
        const WindowChoice choice{*code / 10 % 2 ? WindowSize::Small : WindowSize::Large,
                                  *code % 2 ? StartPage::Calculation : StartPage::Character};
        FUZZ_CHECK(!saveOptions(d, choice));
    }

    // The startup reads back what was written.
    AppData started;
    started.programFolder = d.programFolder;
    RecordingWindows windows;
    FUZZ_CHECK(runStartup(started, dialogs, windows));
    FUZZ_CHECK(windows.settingsVisible || windows.visible[1] || windows.visible[2]);

    // Without a file list the user is asked where it is, and the answer is read instead.
    QFile::remove(wmfuzz::programDir().path() + QStringLiteral("/txtFile/FileList.txt"));
    AppData asked;
    asked.programFolder = d.programFolder;
    AgreeingDialogs where(name.isEmpty() ? QString() : resultFilePath(d, name));
    runStartup(asked, where, windows);
    return 0;
}
