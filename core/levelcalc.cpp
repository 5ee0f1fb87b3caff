#include "levelcalc.h"

#include <cmath>

#include "numbers.h"
#include "production.h"

namespace wm {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kInputError = QStringLiteral("入力ミス");

QString rule(int length) {
    return QString(length, QLatin1Char('-'));
}

QString levelLine(qint64 level, qint64 value) {
    return kCrLf + QStringLiteral("Lv.") + format000(double(level)) + PadNumber(value, 9) +
           QStringLiteral(" EXP");
}

std::optional<double> entryNumber(const AppData& d, int level) {
    const QVariant v = d.varExpTable.at(level);
    if (!v.isValid())
        return std::nullopt;
    if (v.typeId() == QMetaType::QString)
        return toNumber(v.toString());
    return v.toDouble();
}

LevelOutcome failed(Dialogs& dialogs, const QString& text, std::optional<LevelField> focus,
                    const QString& lvMax) {
    dialogs.messageBox(text, kInputError, Dialogs::Buttons::Ok);
    LevelOutcome out;
    out.lvMax = lvMax;
    out.focus = focus;
    return out;
}

}  // namespace

qint64 ExpEntry(const AppData& d, int level) {
    const auto v = entryNumber(d, level);
    return v ? floorInt(std::nearbyint(*v)) : 0;
}

LevelOutcome CalculateLevels(AppData& d, Dialogs& dialogs, const LevelInputs& in) {
    const bool large = in.windowCode == 2;
    QString lvMax = in.lvMax;
    if (!isNumber(in.lvMin))
        return failed(dialogs, QStringLiteral("初期レベルが正しく入力されていません"),
                      LevelField::LvMin, lvMax);
    const double minValue = *toNumber(in.lvMin);
    if (!isNumber(lvMax)) {
        if (!lvMax.isEmpty())
            return failed(dialogs, QStringLiteral("上限レベルが正しく入力されていません"),
                          LevelField::LvMax, lvMax);
        lvMax = numText(minValue + 1);
    }
    // A target at or below the start is raised silently, before the range checks.
    if (*intPart(lvMax) <= *intPart(in.lvMin))
        lvMax = numText(minValue + 1);
    if (minValue >= 300)
        return failed(dialogs, QStringLiteral("初期レベルが上限値を越えています"),
                      LevelField::LvMin, lvMax);
    if (*toNumber(lvMax) > 300)
        return failed(dialogs, QStringLiteral("上限レベルが上限値を越えています"),
                      LevelField::LvMax, lvMax);

    const qint64 minLevel = floorInt(std::nearbyint(minValue));
    const qint64 maxLevel = floorInt(std::nearbyint(*toNumber(lvMax)));
    qint64 total = 0;
    qint64 start = minLevel;
    LevelOutcome out;
    out.lvMax = lvMax;
    if (in.useExp) {
        if (!isNumber(in.exp)) {
            dialogs.messageBox(QStringLiteral("残り経験値が正しく入力されていません"), kInputError,
                               Dialogs::Buttons::Ok);
            return out;
        }
        if (*intPart(in.exp) > d.lngMinExp)
            return failed(
                dialogs,
                QStringLiteral("残り経験値が必要経験値より\r\n小さくなるようにしてください"),
                LevelField::Exp, lvMax);
        const qint64 remaining = floorInt(std::nearbyint(*toNumber(in.exp)));
        out.pieces.append({true, rule(large ? 55 : 42)});
        if (large)
            out.pieces.append({false, kCrLf + QStringLiteral("Lv. ") + numText(minLevel) +
                                          QStringLiteral("    ") + numText(remaining) +
                                          QStringLiteral(" EXP")});
        else
            out.pieces.append({false, levelLine(minLevel, remaining)});
        start = minLevel + 1;
        total = remaining;
    } else {
        out.pieces.append({true, rule(large ? 56 : 49)});
    }
    QString lines;
    for (qint64 level = start; level <= maxLevel - 1; ++level) {
        const qint64 value = ExpEntry(d, int(level));
        lines += levelLine(level, value);
        total += value;
    }
    out.pieces.append({false, lines + kCrLf});
    out.pieces.append({true, rule(large ? 56 : 49)});
    out.pieces.append({false, kCrLf + QStringLiteral("Lv.") + format000(minValue) +
                                  QStringLiteral("～Lv.") + format000(double(maxLevel)) +
                                  QStringLiteral("までの必要経験値") + PadNumber(total, 11) +
                                  QStringLiteral(" EXP") + kCrLf});
    d.lngNeedExp = total;
    out.done = true;
    return out;
}

std::optional<QString> StartLevelLabel(AppData& d, const QString& lvMin) {
    const auto level = intPart(lvMin);
    if (!level)
        return std::nullopt;
    if (*level > 299)
        return QString();
    QString label = QStringLiteral("初期ＬＶから次までの経験値\n");
    if (*level > 209)
        label += QStringLiteral("(仮) ");
    const qint64 rounded = floorInt(std::nearbyint(*toNumber(lvMin)));
    const auto entry = entryNumber(d, int(rounded));
    d.lngMinExp = entry ? floorInt(std::nearbyint(*entry)) : 0;
    return label + numText(entry ? floorInt(*entry) : 0) + QStringLiteral(" EXP");
}

QString ExpListText(const AppData& d, int maxLevel) {
    QString text;
    for (int level = 1; level <= maxLevel; ++level) {
        const auto v = entryNumber(d, level);
        text += QStringLiteral("Lv.") + format000(level) + PadNumber(v ? floorInt(*v) : 0, 9) +
                QStringLiteral(" EXP") + kCrLf;
    }
    return text;
}

}  // namespace wm
