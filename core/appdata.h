#pragma once

#include <QString>
#include <array>

#include "pcdata.h"
#include "tables.h"

namespace wm {

// One set material of the chosen product: count per product, name, weight of that count.
struct SetMaterial {
    QString strNum;
    QString strName;
    QString strWeight;
};

// Everything the windows and routines share for the whole run: the program folder, the
// game data tables and the few values that pass results between windows.
struct AppData {
    explicit AppData(int guildSections = 31) : strGuildData(guildSections) {}

    QString programFolder;  // backslash form, see programFolderFrom()
    QString appTitle = QStringLiteral("wmtool");

    FileList strFileList;
    ExpTable varExpTable;
    MakeData strMakeData;
    JobData strJobData;
    GuildData strGuildData;
    PCData strPCData;

    qint64 lngMinExp = 0;
    qint64 lngNeedExp = 0;
    qint64 lngLotExp = 0;
    std::array<SetMaterial, 3> udtSetMat;
    // Lookups by name: the viewer also searches section 29.
    Section29 section29 = Section29::Skip;
    int intOptCode = 0;
    int intOptMissing = 0;

    // JoinPath(JoinPath(program folder, entry 0), entry k): the data file of an entry.
    QString dataPath(int entry) const;
    // The same, in the form a file is opened with and a message shows.
    QString nativeDataPath(int entry) const;
};

}  // namespace wm
