#pragma once

#include "appdata.h"
#include "dialogs.h"

namespace wm {

class ProductWindow;

// The viewer's data: the calculator's tables, with room for a 32nd guild section.
AppData viewerData();

// File list and production data, then the product window (which reads the guild data as
// it loads) shown modeless with its own caption. Nullptr when the file list could not be read (the
// user has been told); the program then ends. The window deletes itself when closed.
ProductWindow* startViewer(AppData& d, Dialogs& dialogs);

}  // namespace wm
