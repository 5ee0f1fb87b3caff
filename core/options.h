#pragma once

#include <QStringList>
#include <optional>

#include "appdata.h"
#include "dialogs.h"
#include "startup.h"

namespace wm {

// The value lines of the startup options file, in order; nothing when it cannot
// be read.
std::optional<QStringList> readOptionValues(const AppData& d);

// Reads the options file and applies it. When it cannot be read, or its first value does
// not name a window size, the settings window is shown instead.
void loadOptions(AppData& d, WindowOps& windows);

// The value lines of the options file that mean something, by position; later lines are
// read and ignored.
enum class OptionLine { WindowSize = 0, Page = 1 };

// Applies one value: the window size (1 small, 2 large) or the start page (1 calculation,
// 2 character data).
void applyOption(AppData& d, WindowOps& windows, const QString& value, OptionLine line);

// Writes the five lines of the options file from a code (tens = page, units = size).
// A failed write is reported; false then.
bool saveOptions(const AppData& d, Dialogs& dialogs, int code);

}  // namespace wm
