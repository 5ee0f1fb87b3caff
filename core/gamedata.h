#pragma once

#include "appdata.h"
#include "dialogs.h"

namespace wm {

// Reads FileList.txt into fileList, with one recovery prompt for another path when the
// file cannot be opened. Reported with their line numbers, in one message: a line too many
// (the entries before it are used), a line with a control character (its entry stays
// empty), and a result, history or options entry that leads out of the program folder and
// the data folder (kept; the writers refuse it). False when the list could not be read at
// all; the user has been told and the program must end.
bool readFileList(AppData& d, Dialogs& dialogs);

// Experience table (entry 1). Never fails visibly: a file that cannot be read gives the
// computed table.
void loadExpTable(AppData& d);
// Fills levels 1..299 by the formula (the table used when the file cannot be read).
void fillExpTableByFormula(ExpTable& table);

// Production data (entry 3). A file that cannot be opened is reported as "<path> が開けません"
// with the reason on the next line;
// reading stops at the first line outside the table or before the first work's header line,
// reported with its line number and reason. What was read stays.
void loadProducts(AppData& d, Dialogs& dialogs);

// Job list (entry 5) and guild data (entry 9). A missing file or a line outside the table
// is reported with the path, line number and reason; the program goes on with what was read.
void loadJobs(AppData& d, Dialogs& dialogs);
void loadGuilds(AppData& d, Dialogs& dialogs);

}  // namespace wm
