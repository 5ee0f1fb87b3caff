#pragma once

#include <QString>

#include "appdata.h"
#include "message.h"

namespace wm {

// joinPath(program folder, name), with ".txt" added unless the name already ends in
// exactly ".txt".
QString resultFilePath(const AppData& d, const QString& name);

// Why name cannot give a file below the program folder; "" when it can.
QString invalidFileName(const QString& name);

// What a save came to, and the message that tells the user (none for NotEmpty, NoText).
struct SaveReport {
    enum class Status {
        Saved,
        Failed,    // the file stays as it was; the message gives the system's reason
        BadName,   // the typed name cannot be used; nothing was touched
        NotEmpty,  // the file has content and was kept: ask before replacing it
        NoText,    // nothing to write
    };
    Status status = Status::NoText;
    Message message;

    bool saved() const { return status == Status::Saved; }
};

enum class NonEmptyFile { Keep, Replace };

// The title of every message about saving the result list.
inline const QString kResultSaveTitle = QStringLiteral("テキストファイル作成");

// Writes the result list (line ends "\n" as a text box holds them) and one more line end
// to resultFilePath(name). A file with content is replaced only when told so.
SaveReport writeResult(const AppData& d, const QString& resultText, const QString& name,
                       NonEmptyFile nonEmpty);

// Appends one line to resultFilePath(name); a failure leaves the file as it was.
SaveReport appendText(const AppData& d, const QString& name, const QString& line);

// Appends one line to the data file of a file-list entry (the path the readers use); a
// failure leaves the file as it was.
SaveReport appendToDataFile(const AppData& d, FileListEntry entry, const QString& line);

}  // namespace wm
