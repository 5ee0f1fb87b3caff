#include "appdata.h"

#include <QDir>

#include "textrules.h"

namespace wm {

QString AppData::dataPath(FileListEntry entry) const {
    return joinPath(joinPath(programFolder, fileList[FileListEntry::DataFolder]), fileList[entry]);
}

QString AppData::nativeDataPath(FileListEntry entry) const {
    return toNativePath(dataPath(entry));
}

namespace {

// Whether path is folder or lies below it, after "." and ".." are resolved.
bool liesIn(const QString& path, const QString& folder) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    const QString p = QDir::cleanPath(toNativePath(path));
    QString f = QDir::cleanPath(toNativePath(folder));
    if (p.compare(f, kCase) == 0)
        return true;
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return p.startsWith(f, kCase);
}

}  // namespace

bool AppData::staysHome(const QString& path) const {
    return liesIn(path, programFolder) ||
           liesIn(path, joinPath(programFolder, fileList[FileListEntry::DataFolder]));
}

QString notHome() {
    return QStringLiteral("プログラムのフォルダーにもデータフォルダーにもない場所には保存しません");
}

}  // namespace wm
