#pragma once

#include <QString>

#include "appdata.h"
#include "dialogs.h"

namespace wm {

// JoinPath(program folder, name), with ".txt" added unless the name already ends in
// exactly ".txt".
QString MakeTxtPath(const AppData& d, const QString& name);

// Why name cannot give a file below the program folder; "" when it can.
QString InvalidFileName(const QString& name);

// The save sequence of a result list: questions, optional name prompt, WriteResult.
void SaveResult(const AppData& d, Dialogs& dialogs, const QString& resultText);

// Writes the result list (line ends "\n" as a text box holds them) and one more line end
// to MakeTxtPath(name), asking before a non-empty file is replaced. True when written.
bool WriteResult(const AppData& d, Dialogs& dialogs, const QString& resultText,
                 const QString& name);

// Appends one line to MakeTxtPath(name) and confirms; a failure is reported and the file
// stays as it was. True when appended.
bool AppendText(const AppData& d, Dialogs& dialogs, const QString& name, const QString& line);

// Appends one line to the data file of a file-list entry (the path the readers use) and
// confirms; a failure is reported and the file stays as it was. True when appended.
bool AppendToDataFile(const AppData& d, Dialogs& dialogs, int entry, const QString& line);

}  // namespace wm
