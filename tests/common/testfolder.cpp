#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "cp932.h"
#include "textrules.h"

#ifndef WM_SAMPLE_DATA_DIR
#error "WM_SAMPLE_DATA_DIR must name the bundled sample data"
#endif

namespace wmtest {

QStringList standardFileList() {
    return {QStringLiteral("txtFile\\"),   QStringLiteral("ExpTable.txt"),
            QStringLiteral("result"),      QStringLiteral("MakeData.txt"),
            QStringLiteral("Reserve.txt"), QStringLiteral("JobData.txt"),
            QStringLiteral("PCData.txt"),  QStringLiteral("wmtool"),
            QStringLiteral("Option.txt"),  QStringLiteral("GuildData.txt"),
            QStringLiteral("Reserve2.txt")};
}

QByteArray cp932Lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        QByteArray bytes;
        if (!wm::encodeCp932(line, &bytes))
            qFatal("test text not in code page 932: %s", qPrintable(line));
        out += bytes + "\r\n";
    }
    return out;
}

TestFolder::TestFolder() {
    dir_.setAutoRemove(true);
    QDir(dir_.path()).mkpath(QStringLiteral("txtFile"));
}

QString TestFolder::programFolder() const {
    return wm::programFolderFrom(dir_.path());
}

QString TestFolder::filePath(const QString& relative) const {
    return dir_.path() + QLatin1Char('/') +
           QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void TestFolder::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

void TestFolder::writeLines(const QString& relative, const QStringList& lines) const {
    writeBytes(relative, cp932Lines(lines));
}

QByteArray TestFolder::readBytes(const QString& relative) const {
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestFolder::exists(const QString& relative) const {
    return QFileInfo::exists(filePath(relative));
}

void TestFolder::writeStandardFileList() const {
    writeLines(QStringLiteral("txtFile/FileList.txt"), standardFileList());
}

void TestFolder::copySampleData() const {
    const QDir source(QStringLiteral(WM_SAMPLE_DATA_DIR));
    const QStringList names = source.entryList(QDir::Files);
    if (names.isEmpty())
        qFatal("no sample data in %s", WM_SAMPLE_DATA_DIR);
    for (const QString& name : names) {
        const QString target = filePath(QStringLiteral("txtFile/") + name);
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target))
            qFatal("cannot copy %s", qPrintable(name));
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void TestFolder::prepare(wm::AppData& d) const {
    d.programFolder = programFolder();
    const QStringList entries = standardFileList();
    for (int i = 0; i < entries.size(); ++i)
        d.fileList.set(i, entries.at(i));
}

}  // namespace wmtest
