#pragma once

#include "appdata.h"
#include "dialogs.h"

namespace wm {

// Reads FileList.txt into strFileList, with one recovery prompt for another path. False
// when the list could not be read at all; the user has been told and the program must end.
bool ReadFileList(AppData& d, Dialogs& dialogs);

// Experience table (entry 1). Never fails visibly: a file that cannot be read gives the
// computed table.
void LoadExpTable(AppData& d);
// Fills levels 1..299 by the formula (the table used when the file cannot be read).
void FillExpTableByFormula(ExpTable& table);

// Production data (entry 3). Stops at the first line outside the table with the message
// "<path> が開けません"; what was read stays.
void LoadMakeData(AppData& d, Dialogs& dialogs);

// Job list (entry 5) and guild data (entry 9). A missing file or a line outside the table
// is reported with the path, line number and reason; the program goes on with what was read.
void LoadJobData(AppData& d, Dialogs& dialogs);
void LoadGuildData(AppData& d, Dialogs& dialogs);

}  // namespace wm
