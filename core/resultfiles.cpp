#include "resultfiles.h"

#include <QFileInfo>

#include "cp932.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kAppendTitle = QStringLiteral("ファイル作成");

using Status = SaveReport::Status;

// Nothing when name can be used.
std::optional<SaveReport> badName(const QString& name, const QString& title) {
    const QString reason = invalidFileName(name);
    if (reason.isEmpty())
        return std::nullopt;
    return SaveReport{
        Status::BadName,
        {QStringLiteral("「") + name + QStringLiteral("」はファイル名に使えません\r\n") + reason,
         title, Dialogs::Icon::Exclamation}};
}

SaveReport failed(const QString& nativePath, const QString& error, const QString& title) {
    return {Status::Failed,
            {nativePath + QStringLiteral(" に保存できませんでした\r\n") + error, title,
             Dialogs::Icon::Exclamation}};
}

}  // namespace

QString resultFilePath(const AppData& d, const QString& name) {
    const QString path = joinPath(d.programFolder, name);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot >= 0 ? name.mid(dot) : name;
    return extension == QLatin1String(".txt") ? path : path + QStringLiteral(".txt");
}

QString invalidFileName(const QString& name) {
    if (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')) ||
        (name.size() >= 2 && name.at(1) == QLatin1Char(':')))
        return QStringLiteral(
            "プログラムのフォルダーからの名前を入力してください（ドライブやルートから始まる名前は使"
            "えません）");
    for (const QChar ch : name) {
        if (ch.unicode() < 0x20 || QStringLiteral("<>:\"|?*").contains(ch))
            return QStringLiteral("次の文字は使えません： < > : \" | ? *");
    }
    for (const QString& part :
         QString(name).replace(QLatin1Char('/'), QLatin1Char('\\')).split(QLatin1Char('\\'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return QStringLiteral("フォルダー名が正しくありません");
    }
    if (!canEncodeCp932(name))
        return QStringLiteral("Shift_JIS で表せない文字が含まれています");
    return QString();
}

SaveReport writeResult(const AppData& d, const QString& resultText, const QString& name,
                       NonEmptyFile nonEmpty) {
    if (resultText.isEmpty())
        return {};
    if (auto refused = badName(name, kResultSaveTitle))
        return *refused;
    const QString path = toNativePath(resultFilePath(d, name));
    const QFileInfo existing(path);
    if (nonEmpty == NonEmptyFile::Keep && existing.exists() && existing.size() > 0)
        return {Status::NotEmpty, Message()};
    QString text = resultText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const FileResult written = writeTextFile(path, text + QStringLiteral("\r\n"));
    if (!written.ok)
        return failed(path, written.error, kResultSaveTitle);
    return {Status::Saved,
            {path + QStringLiteral(" に保存されました"), kResultSaveTitle, Dialogs::Icon::None}};
}

namespace {

SaveReport append(const QString& nativePath, const QString& line, bool home = true) {
    const FileResult appended = home ? appendLine(nativePath, line) : FileResult{false, notHome()};
    if (!appended.ok)
        return failed(nativePath, appended.error, kAppendTitle);
    return {Status::Saved,
            {nativePath + QStringLiteral("に保存しました"), kAppendTitle, Dialogs::Icon::None}};
}

}  // namespace

SaveReport appendText(const AppData& d, const QString& name, const QString& line) {
    if (auto refused = badName(name, kAppendTitle))
        return *refused;
    return append(toNativePath(resultFilePath(d, name)), line);
}

SaveReport appendToDataFile(const AppData& d, FileListEntry entry, const QString& line) {
    // The file list is the program's own: its entries need none of the typed-name checks,
    // only to stay where the program writes.
    return append(d.nativeDataPath(entry), line, d.staysHome(d.dataPath(entry)));
}

}  // namespace wm
