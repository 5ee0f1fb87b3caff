#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "appdata.h"
#include "message.h"

namespace wm {

// A piece of text for the result list: `both` pieces (the dash rules) go to the lists of
// both main windows, the others only to the window that calculated. Line ends are CR LF.
struct ResultPiece {
    bool both = false;
    QString text;
};

enum class LevelField { StartLevel, TargetLevel, Exp };
using LevelProblem = Problem<LevelField>;

struct LevelInputs {
    int windowCode = 1;  // 1 small, 2 large: the large window draws longer rules
    QString startLevel;
    QString targetLevel;
    QString exp;
    bool useExp = false;
};

struct LevelOutcome {
    bool done = false;     // the calculation ran; neededExp holds its total
    qint64 neededExp = 0;  // 必要経験値: the total from the start to the target level
    QString targetLevel;   // the target level, silently raised where needed
    QList<ResultPiece> pieces;
    std::optional<LevelProblem> problem;  // why the calculation did not run
};

// The level fields checked as 計算開始 checks them, without asking anything.
struct LevelCheck {
    bool ok = false;
    QString error;  // the message when not ok, shown under `title`
    QString title;
    std::optional<LevelField> focus;  // the field to select after the message
    QString targetLevel;              // the target level, silently raised where needed
    double startValue = 0;            // the start level as typed
    int startLevel = 0;               // both levels rounded, in 1..300
    int targetLevelValue = 0;
    std::optional<qint64> remaining;  // 残り経験値 when used
    qint64 total = 0;                 // experience from the start to the target
};
// The remaining experience may not exceed the table entry of the start level.
LevelCheck checkLevels(const AppData& d, const LevelInputs& in);

// The experience from the start level up to the target level, level by level.
LevelOutcome calculateLevels(const AppData& d, const LevelInputs& in);

// The start-level label for the start level field's text; nothing when the field holds no
// number.
std::optional<QString> startLevelLabel(const AppData& d, const QString& startLevel);

// The whole table from level 1 up to maxLevel, one line each.
QString expListText(const AppData& d, int maxLevel);

// A table entry as a whole number (0 for an entry that is no number).
qint64 expEntry(const AppData& d, int level);

}  // namespace wm
