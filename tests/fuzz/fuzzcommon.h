#pragma once

// Shared by the fuzz targets: a temporary program folder where the real loaders read the
// fuzz input, dialogs that answer everything, and checks that abort with a message (the
// fuzzer then keeps the input as a finding).

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "appdata.h"
#include "cp932.h"
#include "dialogs.h"
#include "gamedata.h"

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace wmfuzz {

// Counts the boxes; every input prompt is cancelled.
class SilentDialogs : public wm::Dialogs {
  public:
    int messages = 0;
    int inputs = 0;
    Answer messageBox(const QString&, const QString&, Buttons, Icon) override {
        ++messages;
        return Answer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&) override {
        ++inputs;
        return QString();
    }
};

// One program folder for the whole run, with txtFile and the standard file list.
inline const QTemporaryDir& programDir() {
    static QTemporaryDir dir;
    static const bool made = [] {
        if (!dir.isValid())
            std::abort();
        return QDir(dir.path()).mkpath(QStringLiteral("txtFile"));
    }();
    (void)made;
    return dir;
}

inline QStringList standardFileList() {
    return {QStringLiteral("txtFile\\"),   QStringLiteral("ExpTable.txt"),
            QStringLiteral("result"),      QStringLiteral("MakeData.txt"),
            QStringLiteral("Reserve.txt"), QStringLiteral("JobData.txt"),
            QStringLiteral("PCData.txt"),  QStringLiteral("wmtool"),
            QStringLiteral("Option.txt"),  QStringLiteral("GuildData.txt"),
            QStringLiteral("Reserve2.txt")};
}

// Writes txtFile/<name> with exactly these bytes.
inline void writeDataFile(const QString& name, const QByteArray& bytes) {
    QFile file(programDir().path() + QStringLiteral("/txtFile/") + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// A fresh AppData pointing at the program folder.
inline void prepare(wm::AppData& d) {
    d.programFolder = programDir().path().replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList entries = standardFileList();
    for (int i = 0; i < entries.size(); ++i)
        d.fileList.set(i, entries.at(i));
}

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The lines the reader gives for bytes, read back through a file of their own.
inline QStringList linesOf(const QByteArray& bytes) {
    writeDataFile(QStringLiteral("lines.txt"), bytes);
    const wm::ReadResult read =
        wm::readTextLines(programDir().path() + QStringLiteral("/txtFile/lines.txt"));
    FUZZ_CHECK(read.ok);
    return read.lines;
}

inline QStringList valueLines(const QStringList& lines) {
    QStringList values;
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1Char('#')))
            values << line;
    }
    return values;
}

// Loads a data file twice with its real loader: `prefix` alone into `before` (it loads
// without a message), then `prefix` followed by the fuzz input into `after` (at most one
// message, at the first bad line). What the prefix loaded can then be compared.
template <typename Load>
void loadPrefixThenInput(const QString& file, const QByteArray& prefix, const QByteArray& input,
                         Load load, wm::AppData& before, wm::AppData& after,
                         SilentDialogs& dialogs) {
    prepare(before);
    writeDataFile(file, prefix);
    load(before, dialogs);
    FUZZ_CHECK(dialogs.messages == 0);
    prepare(after);
    writeDataFile(file, prefix + input);
    load(after, dialogs);
    FUZZ_CHECK(dialogs.messages <= 1);
}

// The products of these bytes as MakeData.txt, read by the real loader into a fresh AppData:
// at most one message, at the first bad line.
inline void loadProductBytes(wm::AppData& d, const QByteArray& bytes) {
    writeDataFile(QStringLiteral("MakeData.txt"), bytes);
    prepare(d);
    SilentDialogs dialogs;
    wm::loadProducts(d, dialogs);
    FUZZ_CHECK(dialogs.messages <= 1);
}

}  // namespace wmfuzz
