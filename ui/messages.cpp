#include "messages.h"

#include "resultfiles.h"

namespace wm {

namespace {

// Writes the list under name, asking before a file with content is replaced.
void writeAsking(const AppData& d, Dialogs& dialogs, const QString& resultText,
                 const QString& name) {
    SaveReport report = writeResult(d, resultText, name, NonEmptyFile::Keep);
    if (report.status == SaveReport::Status::NotEmpty) {
        const auto answer = dialogs.messageBox(
            name + QStringLiteral(" は空ではありません\r\n上書きしてもよろしいですか？"),
            QStringLiteral("上書きの確認"), Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes) {
            dialogs.messageBox(name + QStringLiteral(" の書き込みをキャンセルをしました"),
                               kResultSaveTitle);
            return;
        }
        report = writeResult(d, resultText, name, NonEmptyFile::Replace);
    }
    if (report.status != SaveReport::Status::NoText)
        showMessage(dialogs, report.message);
}

}  // namespace

void showMessage(Dialogs& dialogs, const Message& message) {
    dialogs.messageBox(message.text, message.title, Dialogs::Buttons::Ok, message.icon);
}

void saveResult(const AppData& d, Dialogs& dialogs, const QString& resultText) {
    if (resultText.isEmpty()) {
        dialogs.messageBox(QStringLiteral("結果がないので、ファイル作成は出来ません"),
                           kResultSaveTitle);
        return;
    }
    if (dialogs.messageBox(QStringLiteral("結果をテキストファイルに書き出しますか？"),
                           kResultSaveTitle, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    if (dialogs.messageBox(QStringLiteral("ファイル名を入力しますか？"), kResultSaveTitle,
                           Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        const QString name = dialogs.inputBox(
            QStringLiteral("テキストファイル名を入力してください"),
            QStringLiteral("ファイル名の入力"), d.fileList[FileListEntry::ResultName]);
        if (!name.isEmpty())
            writeAsking(d, dialogs, resultText, name);
        return;
    }
    writeAsking(d, dialogs, resultText, d.fileList[FileListEntry::ResultName]);
}

}  // namespace wm
