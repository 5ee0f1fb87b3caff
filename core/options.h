#pragma once

#include <QStringList>
#include <optional>

#include "appdata.h"
#include "message.h"
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

// Applies one value of the file: the window size (1 small, 2 large) or the start page
// (1 calculation, 2 character data). Any other value does nothing.
void applyOption(AppData& d, WindowOps& windows, const QString& value, OptionLine line);
// Shows the main window of a size in place of the other one.
void applyWindowSize(const AppData& d, WindowOps& windows, WindowSize size);
// Switches a main window to a page: the calculation page prefers the small window, the
// character page the large one, whichever is visible.
void applyStartPage(WindowOps& windows, StartPage page);

// Writes the five lines of the options file for a choice. The message telling why the file
// could not be written; nothing when it was.
std::optional<Message> saveOptions(const AppData& d, const WindowChoice& choice);

}  // namespace wm
