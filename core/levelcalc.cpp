#include "levelcalc.h"

#include <cmath>
#include <limits>

#include "numbers.h"
#include "production.h"

namespace wm {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kInputError = QStringLiteral("入力ミス");
const QString kOutOfRange = QStringLiteral("計算範囲外");

QString rule(int length) {
    return QString(length, QLatin1Char('-'));
}

QString levelLine(qint64 level, qint64 value) {
    return kCrLf + QStringLiteral("Lv.") + format000(double(level)) + padNumber(value, 9) +
           QStringLiteral(" EXP");
}

// A table entry as a whole number: rounded (halves to even) or rounded down. Nothing for an
// entry that is no number or lies beyond 64 bits: such an entry cannot be used.
std::optional<qint64> entryValue(const AppData& d, int level, bool roundDown) {
    const QVariant v = d.expTable.at(level);
    if (!v.isValid())
        return std::nullopt;
    if (v.typeId() == QMetaType::QString)
        return roundDown ? intPart(v.toString()) : roundInt64(v.toString());
    return roundDown ? floorInt64(v.toDouble()) : roundInt64(v.toDouble());
}

// A level field: its value, or an infinity of its sign when no double holds it.
double levelValue(const QString& text) {
    if (const auto v = toNumber(text))
        return *v;
    const bool negative = text.trimmed().startsWith(QLatin1Char('-'));
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

}  // namespace

qint64 expEntry(const AppData& d, int level) {
    return entryValue(d, level, false).value_or(0);
}

LevelCheck checkLevels(const AppData& d, const LevelInputs& in) {
    LevelCheck out;
    auto fail = [&out](const QString& text, std::optional<LevelField> focus,
                       const QString& title = kInputError) {
        out.error = text;
        out.title = title;
        out.focus = focus;
        return out;
    };
    out.targetLevel = in.targetLevel;
    if (!isNumber(in.startLevel))
        return fail(QStringLiteral("初期レベルが正しく入力されていません"), LevelField::StartLevel);
    const double minValue = levelValue(in.startLevel);
    const bool minFinite = std::isfinite(minValue);
    if (!isNumber(out.targetLevel)) {
        if (!out.targetLevel.isEmpty())
            return fail(QStringLiteral("上限レベルが正しく入力されていません"),
                        LevelField::TargetLevel);
        if (minFinite)
            out.targetLevel = numText(minValue + 1);
    }
    // A target at or below the start is raised silently, before the range checks.
    if (minFinite && std::floor(levelValue(out.targetLevel)) <= std::floor(minValue))
        out.targetLevel = numText(minValue + 1);
    if (minValue >= ExpTable::kMaxLevel)
        return fail(QStringLiteral("初期レベルが上限値を越えています"), LevelField::StartLevel);
    // Below level 1 the table has nothing to add up.
    if (minValue < 1)
        return fail(QStringLiteral("初期レベルが正しく入力されていません"), LevelField::StartLevel);
    const double maxValue = levelValue(out.targetLevel);
    if (maxValue > ExpTable::kMaxLevel)
        return fail(QStringLiteral("上限レベルが上限値を越えています"), LevelField::TargetLevel);

    // Both levels lie in 1..300 now.
    out.startValue = minValue;
    out.startLevel = int(std::nearbyint(minValue));
    out.targetLevelValue = int(std::nearbyint(maxValue));
    if (in.useExp) {
        if (!isNumber(in.exp))
            return fail(QStringLiteral("残り経験値が正しく入力されていません"), std::nullopt);
        const auto floorExp = intPart(in.exp);
        const auto remaining = roundInt64(in.exp);
        if (!floorExp || !remaining)
            return fail(tooLargeText(), LevelField::Exp, kOutOfRange);
        // Checked against the start level on screen, whatever the label showed last.
        if (*floorExp > entryValue(d, out.startLevel, false).value_or(0))
            return fail(
                QStringLiteral("残り経験値が必要経験値より\r\n小さくなるようにしてください"),
                LevelField::Exp);
        out.remaining = *remaining;
    }
    qint64 total = out.remaining.value_or(0);
    for (int level = out.remaining ? out.startLevel + 1 : out.startLevel;
         level <= out.targetLevelValue - 1; ++level) {
        const auto sum = checkedAdd(total, expEntry(d, level));
        if (!sum)
            return fail(tooLargeText(), std::nullopt, kOutOfRange);
        total = *sum;
    }
    out.total = total;
    out.ok = true;
    return out;
}

LevelOutcome calculateLevels(const AppData& d, const LevelInputs& in) {
    const bool large = in.windowCode == 2;
    const LevelCheck check = checkLevels(d, in);
    LevelOutcome out;
    out.targetLevel = check.targetLevel;
    if (!check.ok) {
        out.problem =
            LevelProblem{{check.error, check.title, Dialogs::Icon::None}, check.focus, true};
        return out;
    }
    const qint64 minLevel = check.startLevel;
    const qint64 maxLevel = check.targetLevelValue;
    qint64 start = minLevel;
    if (check.remaining) {
        out.pieces.append({true, rule(large ? 55 : 42)});
        if (large)
            out.pieces.append({false, kCrLf + QStringLiteral("Lv. ") + numText(minLevel) +
                                          QStringLiteral("    ") + numText(*check.remaining) +
                                          QStringLiteral(" EXP")});
        else
            out.pieces.append({false, levelLine(minLevel, *check.remaining)});
        start = minLevel + 1;
    } else {
        out.pieces.append({true, rule(large ? 56 : 49)});
    }
    QString lines;
    for (qint64 level = start; level <= maxLevel - 1; ++level)
        lines += levelLine(level, expEntry(d, int(level)));
    out.pieces.append({false, lines + kCrLf});
    out.pieces.append({true, rule(large ? 56 : 49)});
    out.pieces.append({false, kCrLf + QStringLiteral("Lv.") + format000(check.startValue) +
                                  QStringLiteral("～Lv.") + format000(double(maxLevel)) +
                                  QStringLiteral("までの必要経験値") + padNumber(check.total, 11) +
                                  QStringLiteral(" EXP") + kCrLf});
    out.neededExp = check.total;
    out.done = true;
    return out;
}

std::optional<QString> startLevelLabel(const AppData& d, const QString& startLevel) {
    if (!isNumber(startLevel))
        return std::nullopt;
    // Outside 1..299 (a number no integer holds included) there is no entry to show.
    const auto level = intPart(startLevel);
    if (!level || *level >= ExpTable::kMaxLevel || *level < 1)
        return QString();
    QString label = QStringLiteral("初期ＬＶから次までの経験値\n");
    if (*level > ExpTable::kLastConfirmedLevel)
        label += QStringLiteral("(仮) ");
    const auto rounded = roundInt64(startLevel);
    const int entryLevel = int(rounded.value_or(0));
    return label + numText(entryValue(d, entryLevel, true).value_or(0)) + QStringLiteral(" EXP");
}

QString expListText(const AppData& d, int maxLevel) {
    QString text;
    for (int level = 1; level <= maxLevel; ++level) {
        text += QStringLiteral("Lv.") + format000(level) +
                padNumber(entryValue(d, level, true).value_or(0), 9) + QStringLiteral(" EXP") +
                kCrLf;
    }
    return text;
}

}  // namespace wm
