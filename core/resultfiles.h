#pragma once

#include <QString>

#include "appdata.h"
#include "dialogs.h"

namespace wm {

// joinPath(program folder, name), with ".txt" added unless the name already ends in
// exactly ".txt".
QString resultFilePath(const AppData& d, const QString& name);

// Why name cannot give a file below the program folder; "" when it can.
QString invalidFileName(const QString& name);

// The save sequence of a result list: questions, optional name prompt, writeResult.
void saveResult(const AppData& d, Dialogs& dialogs, const QString& resultText);

// Writes the result list (line ends "\n" as a text box holds them) and one more line end
// to resultFilePath(name), asking before a non-empty file is replaced. True when written.
bool writeResult(const AppData& d, Dialogs& dialogs, const QString& resultText,
                 const QString& name);

// Appends one line to resultFilePath(name) and confirms; a failure is reported and the file
// stays as it was. True when appended.
bool appendText(const AppData& d, Dialogs& dialogs, const QString& name, const QString& line);

// Appends one line to the data file of a file-list entry (the path the readers use) and
// confirms; a failure is reported and the file stays as it was. True when appended.
bool appendToDataFile(const AppData& d, Dialogs& dialogs, FileListEntry entry, const QString& line);

}  // namespace wm
