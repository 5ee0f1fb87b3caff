#pragma once

#include <QString>
#include <array>

#include "characterhistory.h"
#include "tables.h"
#include "windowcode.h"

namespace wm {

// One set material (セット材料) of the chosen product, as the set box shows it: count per
// product, name, weight of that count.
struct SetMaterial {
    QString count;
    QString name;
    QString weight;
    bool unknown = false;  // named, but found nowhere in the data: its weight is unknown
};

// Everything the windows and routines share for the whole run: the program folder, the
// game data tables and the few values that pass results between windows.
struct AppData {
    explicit AppData(int guildSections = GuildTable::kCalculatorSections) : guilds(guildSections) {}

    QString programFolder;  // backslash form, see programFolderFrom()
    QString appTitle = QStringLiteral("wmtool");

    FileList fileList;
    ExpTable expTable;
    ProductTable products;
    JobTable jobs;
    GuildTable guilds;
    CharacterHistory history;

    qint64 producedExp = 0;  // experience of the last production total
    // Where the settings window was last used from. Anything but None: choosing a size
    // hides the settings window.
    struct SettingsOpener {
        enum class Kind {
            None,        // the startup, or its apply button
            Confirm,     // its confirm button
            MainWindow,  // a main window opened it, showing `shown`
        };
        Kind kind = Kind::None;
        WindowChoice shown;
        bool operator==(const SettingsOpener&) const = default;
    };
    SettingsOpener settingsOpener;
    bool optionsMissing = false;  // the startup found no usable options file

    // joinPath(joinPath(program folder, data folder entry), entry): the data file of an entry.
    QString dataPath(FileListEntry entry) const;
    // The same, in the form a file is opened with and a message shows.
    QString nativeDataPath(FileListEntry entry) const;
    // Whether a path in the program's form lies in the program folder or in the data folder,
    // the only places the program writes to. Judged by the names alone: ".." can lead away.
    bool staysHome(const QString& path) const;
};

// The reason given for a file the program will not write because it lies elsewhere.
QString notHome();

}  // namespace wm
