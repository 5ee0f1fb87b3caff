#include "gamedata.h"

#include <algorithm>

#include "characterrules.h"
#include "cp932.h"
#include "numbers.h"
#include "textrules.h"

namespace wm {

namespace {

const QChar kHash(QLatin1Char('#'));
const QChar kBlank(QLatin1Char(' '));
const QChar kComma(QLatin1Char(','));

struct FileListAttempt {
    bool ok = false;      // the file was read, perhaps with lines refused
    QString reason;       // why the file could not be opened
    QStringList refused;  // "N 行目: why" for each line refused
};

// A control character (a NUL cuts a path short where a file is opened) makes no path.
bool holdsControlCharacter(const QString& entry) {
    return std::any_of(entry.begin(), entry.end(), isControlCharacter);
}

// Why the entry of a file the program writes leads away from the program folder and the data
// folder; "" when it does not, or names no file the program writes.
QString leadsAway(const AppData& d, int entry, const QString& value) {
    const auto e = FileListEntry(entry);
    if (value.isEmpty() || (e != FileListEntry::ResultName && e != FileListEntry::History &&
                            e != FileListEntry::Options))
        return QString();
    const QString path =
        e == FileListEntry::ResultName ? joinPath(d.programFolder, value) : d.dataPath(e);
    return d.staysHome(path) ? QString() : notHome();
}

FileListAttempt readFileListFrom(AppData& d, const QString& nativePath) {
    const ReadResult file = readTextLines(nativePath);
    if (!file.ok)
        return {false, file.error, {}};
    FileListAttempt attempt{true, {}, {}};
    auto refuse = [&](int lineNo, const QString& why) {
        attempt.refused << QStringLiteral("%1 行目: ").arg(lineNo) + why;
    };
    int n = 0;
    int lineNo = 0;
    for (const QString& line : file.lines) {
        ++lineNo;
        if (line.startsWith(kHash))
            continue;
        if (!FileList::inRange(n)) {
            refuse(lineNo, QStringLiteral("項目は %1 件までです").arg(FileList::kEntries));
            break;
        }
        // A refused path leaves its entry empty; the entries after it keep their places.
        const bool control = holdsControlCharacter(line);
        d.fileList.set(n, control ? QString() : line);
        if (control)
            refuse(lineNo, QStringLiteral("パスに制御文字があります"));
        else if (const QString away = leadsAway(d, n, line); !away.isEmpty())
            refuse(lineNo, away);
        ++n;
    }
    return attempt;
}

// Experience per level: "band" grows by one every ten levels.
qint64 expIncrement(int level) {
    const qint64 band = level / 10 + 1;
    if (level <= 80)
        return 3LL * level * band;
    if (level <= 100)
        return 2LL * level * level;
    return 80LL * (level + 1);
}

void reportDataError(const AppData& d, Dialogs& dialogs, const QString& nativePath, int lineNo,
                     const QString& what) {
    QString text = nativePath + QStringLiteral("\r\n");
    if (lineNo > 0)
        text += QStringLiteral("%1 行目: ").arg(lineNo);
    text += what + QStringLiteral("\r\n読み込めたところまでのデータで続けます");
    dialogs.messageBox(text, d.appTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

void reportDataError(const AppData& d, Dialogs& dialogs, FileListEntry entry, int lineNo,
                     const QString& what) {
    reportDataError(d, dialogs, d.nativeDataPath(entry), lineNo, what);
}

// A file list that was found but has lines refused: said so, and the entries read stay.
bool acceptFileList(const AppData& d, Dialogs& dialogs, const QString& nativePath,
                    const FileListAttempt& attempt) {
    if (!attempt.refused.isEmpty())
        reportDataError(d, dialogs, nativePath, 0, attempt.refused.join(QStringLiteral("\r\n")));
    return true;
}

}  // namespace

bool readFileList(AppData& d, Dialogs& dialogs) {
    const QString path =
        toNativePath(joinPath(d.programFolder, QStringLiteral("txtFile\\FileList.txt")));
    const FileListAttempt first = readFileListFrom(d, path);
    if (first.ok)
        return acceptFileList(d, dialogs, path, first);

    const QString typed = dialogs.inputBox(
        QStringLiteral("FileList.txtが見つかりません\r\nファイルの格納場所を指定してください"),
        QStringLiteral("OpenFileError"), path);
    if (typed.isEmpty()) {
        dialogs.messageBox(QStringLiteral("FileList.txt の場所が指定されなかったため、終了します"),
                           d.appTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
        return false;
    }
    const QString second = toNativePath(typed);
    const FileListAttempt attempt = readFileListFrom(d, second);
    if (attempt.ok)
        return acceptFileList(d, dialogs, second, attempt);
    dialogs.messageBox(
        second + QStringLiteral(" を読み込めないため、終了します\r\n") + attempt.reason, d.appTitle,
        Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
    return false;
}

void fillExpTableByFormula(ExpTable& table) {
    qint64 total = 2;
    for (int level = 1; level < ExpTable::kMaxLevel; ++level) {
        if (level > 1)
            total += expIncrement(level);
        table.set(level, qint32(total));
    }
}

void loadExpTable(AppData& d) {
    ExpTable& table = d.expTable;
    table.set(0, -1);
    const ReadResult file = readTextLines(d.nativeDataPath(FileListEntry::ExpTable));
    if (!file.ok) {
        fillExpTableByFormula(table);
        return;
    }
    int level = 1;
    for (const QString& line : file.lines) {
        if (line.startsWith(kHash))
            continue;
        if (!ExpTable::inRange(level)) {
            fillExpTableByFormula(table);  // more than 300 value lines
            return;
        }
        const QString value = lastField(line, kBlank);
        if (!value.isEmpty()) {
            table.set(level, value);
        } else if (level == 1) {
            table.set(level, 2);
        } else {
            // A computed level follows whatever the level before it holds, read or computed.
            const QVariant before = table.at(level - 1);
            const auto previous = before.typeId() == QMetaType::QString
                                      ? toNumber(before.toString())
                                      : std::optional<double>(before.toDouble());
            const auto sum =
                previous ? roundInt32(*previous + double(expIncrement(level))) : std::nullopt;
            if (!sum) {
                fillExpTableByFormula(table);
                return;
            }
            table.set(level, *sum);
        }
        ++level;
    }
}

void loadProducts(AppData& d, Dialogs& dialogs) {
    const QString path = d.nativeDataPath(FileListEntry::Products);
    const ReadResult file = readTextLines(path);
    if (!file.ok) {
        dialogs.messageBox(path + QStringLiteral(" が開けません\r\n") + file.error, d.appTitle,
                           Dialogs::Buttons::Ok);
        return;
    }
    int section = 0;
    int row = 0;
    int lineNo = 0;
    for (const QString& line : file.lines) {
        ++lineNo;
        if (line.startsWith(kHash)) {
            const QString number = trimLeadingBlanks(line.mid(1, 2));
            if (!isNumber(number))
                continue;  // a comment
            const auto s = roundInt16(toNumber(number).value_or(-1));
            if (!s || *s < 1 || !ProductTable::inRange(*s, 1, 0)) {
                reportDataError(
                    d, dialogs, FileListEntry::Products, lineNo,
                    QStringLiteral("作業の番号は 1 から %1 までです").arg(ProductTable::kSections));
                return;
            }
            section = *s;
            d.products.set(section, ProductColumn::Name, 0, trimLeadingBlanks(line.mid(3)));
            row = 1;
            continue;
        }
        // Before the first work nothing would ever list these products (a file that is no
        // production data at all, most likely).
        if (section == 0) {
            if (line.isEmpty())
                continue;
            reportDataError(
                d, dialogs, FileListEntry::Products, lineNo,
                QStringLiteral("最初の作業の行（#01 など）より前に生産品の行があります"));
            return;
        }
        // One field past the columns is enough to find a line that holds too many.
        const QStringList fields = splitFields(line, kBlank, true, ProductTable::kColumns + 1);
        // Equipment is saved with its weight in three digits; the character history must
        // keep its format, so a heavier item is refused here.
        if (section >= Section::Swords && section <= Section::Instruments &&
            fields.size() >= ProductColumn::Weight &&
            !fitsSavedWeight(fields.at(ProductColumn::Weight - 1))) {
            reportDataError(d, dialogs, FileListEntry::Products, lineNo,
                            QStringLiteral("装備品の重量は %1 までです").arg(kMaxSavedWeight));
            return;
        }
        for (int k = 1; k <= fields.size(); ++k) {
            if (d.products.set(section, k, row, fields.at(k - 1)))
                continue;
            reportDataError(
                d, dialogs, FileListEntry::Products, lineNo,
                k == 1
                    ? QStringLiteral("1 つの作業の生産品は %1 件までです").arg(ProductTable::kRows)
                    : QStringLiteral("項目は %1 つまでです").arg(ProductTable::kColumns));
            return;
        }
        ++row;
    }
}

void loadJobs(AppData& d, Dialogs& dialogs) {
    const ReadResult file = readTextLines(d.nativeDataPath(FileListEntry::Jobs));
    if (!file.ok) {
        reportDataError(d, dialogs, FileListEntry::Jobs, 0,
                        QStringLiteral("ファイルを開けません: ") + file.error);
        return;
    }
    int row = 0;
    int lineNo = 0;
    for (const QString& line : file.lines) {
        ++lineNo;
        if (line.startsWith(kHash))
            continue;
        ++row;
        if (row > JobTable::kRows) {
            reportDataError(d, dialogs, FileListEntry::Jobs, lineNo,
                            QStringLiteral("職業は %1 件までです").arg(JobTable::kRows));
            return;
        }
        const QStringList fields = splitFields(line, kBlank, true, JobTable::kColumns + 1);
        for (int k = 1; k <= fields.size(); ++k) {
            if (!d.jobs.set(row, k, fields.at(k - 1))) {
                reportDataError(d, dialogs, FileListEntry::Jobs, lineNo,
                                QStringLiteral("項目は %1 つまでです").arg(JobTable::kColumns));
                return;
            }
        }
    }
}

void loadGuilds(AppData& d, Dialogs& dialogs) {
    const ReadResult file = readTextLines(d.nativeDataPath(FileListEntry::Guilds));
    if (!file.ok) {
        reportDataError(d, dialogs, FileListEntry::Guilds, 0,
                        QStringLiteral("ファイルを開けません: ") + file.error);
        return;
    }
    GuildTable& table = d.guilds;
    int guild = 0;
    int lineNo = 0;
    for (const QString& line : file.lines) {
        ++lineNo;
        if (line.startsWith(kHash)) {
            ++guild;
            if (!table.set(guild, 0, 1, line.mid(1))) {
                reportDataError(d, dialogs, FileListEntry::Guilds, lineNo,
                                QStringLiteral("ギルドは %1 件までです").arg(table.sections()));
                return;
            }
            continue;
        }
        if (guild == 0) {
            reportDataError(d, dialogs, FileListEntry::Guilds, lineNo,
                            QStringLiteral("最初の # 行より前に値があります"));
            return;
        }
        // "a,b,c, d,e,f": a comma followed by a blank starts the second row.
        int row = 1;
        int field = 1;
        qsizetype start = 0;
        for (;;) {
            const qsizetype comma = line.indexOf(kComma, start);
            const QString value =
                trimLeadingBlanks(comma < 0 ? line.mid(start) : line.mid(start, comma - start));
            if (!table.set(guild, row, field, value)) {
                reportDataError(
                    d, dialogs, FileListEntry::Guilds, lineNo,
                    QStringLiteral("値は 1 行に %1 つまでです").arg(GuildTable::kFields));
                return;
            }
            if (comma < 0)
                break;
            start = comma + 1;
            ++field;
            if (start < line.size() && line.at(start) == kBlank) {
                row = 2;
                field = 1;
            }
        }
    }
}

}  // namespace wm
