#include "resultfiles.h"

#include <QFileInfo>

#include "cp932.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kSaveTitle = QStringLiteral("テキストファイル作成");

bool reportInvalidName(const AppData& d, Dialogs& dialogs, const QString& name,
                       const QString& title) {
    const QString reason = invalidFileName(name);
    if (reason.isEmpty())
        return false;
    dialogs.messageBox(
        QStringLiteral("「") + name + QStringLiteral("」はファイル名に使えません\r\n") + reason,
        title.isEmpty() ? d.appTitle : title, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    return true;
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

void saveResult(const AppData& d, Dialogs& dialogs, const QString& resultText) {
    if (resultText.isEmpty()) {
        dialogs.messageBox(QStringLiteral("結果がないので、ファイル作成は出来ません"), kSaveTitle);
        return;
    }
    if (dialogs.messageBox(QStringLiteral("結果をテキストファイルに書き出しますか？"), kSaveTitle,
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    if (dialogs.messageBox(QStringLiteral("ファイル名を入力しますか？"), kSaveTitle,
                           Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        const QString name = dialogs.inputBox(
            QStringLiteral("テキストファイル名を入力してください"),
            QStringLiteral("ファイル名の入力"), d.fileList[FileListEntry::ResultName]);
        if (!name.isEmpty())
            writeResult(d, dialogs, resultText, name);
        return;
    }
    writeResult(d, dialogs, resultText, d.fileList[FileListEntry::ResultName]);
}

bool writeResult(const AppData& d, Dialogs& dialogs, const QString& resultText,
                 const QString& name) {
    if (resultText.isEmpty())
        return false;
    if (reportInvalidName(d, dialogs, name, kSaveTitle))
        return false;
    const QString path = toNativePath(resultFilePath(d, name));
    const QFileInfo existing(path);
    if (existing.exists() && existing.size() > 0) {
        const auto answer = dialogs.messageBox(
            name + QStringLiteral(" は空ではありません\r\n上書きしてもよろしいですか？"),
            QStringLiteral("上書きの確認"), Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes) {
            dialogs.messageBox(name + QStringLiteral(" の書き込みをキャンセルをしました"),
                               kSaveTitle);
            return false;
        }
    }
    QString text = resultText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const FileResult written = writeTextFile(path, text + QStringLiteral("\r\n"));
    if (!written.ok) {
        dialogs.messageBox(path + QStringLiteral(" に保存できませんでした\r\n") + written.error,
                           kSaveTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return false;
    }
    dialogs.messageBox(path + QStringLiteral(" に保存されました"), kSaveTitle);
    return true;
}

namespace {

bool appendAndConfirm(Dialogs& dialogs, const QString& nativePath, const QString& line,
                      bool home = true) {
    const QString title = QStringLiteral("ファイル作成");
    const FileResult appended = home ? appendLine(nativePath, line) : FileResult{false, notHome()};
    if (!appended.ok) {
        dialogs.messageBox(
            nativePath + QStringLiteral(" に保存できませんでした\r\n") + appended.error, title,
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return false;
    }
    dialogs.messageBox(nativePath + QStringLiteral("に保存しました"), title);
    return true;
}

}  // namespace

bool appendText(const AppData& d, Dialogs& dialogs, const QString& name, const QString& line) {
    if (reportInvalidName(d, dialogs, name, QStringLiteral("ファイル作成")))
        return false;
    return appendAndConfirm(dialogs, toNativePath(resultFilePath(d, name)), line);
}

bool appendToDataFile(const AppData& d, Dialogs& dialogs, FileListEntry entry,
                      const QString& line) {
    // The file list is the program's own: its entries need none of the typed-name checks,
    // only to stay where the program writes.
    return appendAndConfirm(dialogs, d.nativeDataPath(entry), line, d.staysHome(d.dataPath(entry)));
}

}  // namespace wm
