#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "tables.h"

namespace wm {

// The rules of the calculation page that are not a calculation of their own: which works
// the page's product fields show, what a chosen product puts into the fields, and how Enter and the
// run-experience box treat what was typed.

// The tooltip of the product label once a work (its list text) is chosen.
QString productLabelTip(const QString& work);

// The fields a chosen product fills, as whole numbers ("" where the data holds no number).
struct ProductStepFields {
    QString level;    // Lv.
    QString stepExp;  // 1回のEXP
    QString steps;    // 作業工程
};
ProductStepFields productFieldsOf(const ProductTable& products, int section, int row);

// The experience of one run (1回分のEXP) from the step experience and the step count:
// their product when both are numbers, "0" when only something else was typed, "" when
// both boxes are empty.
QString runExpText(const QString& stepExp, const QString& steps);

// Whether a box filled from the data is protected from typing: any number but 0 is; 0 can
// be typed over. Nothing when the box holds no number (it keeps its state).
std::optional<bool> lockedByData(const QString& fieldText);

// Enter in a level box: nothing happens without a number, a level beyond the box's limit
// is selected to be typed again, any other level moves on to the next box.
enum class LevelBox { Start, Target };
enum class LevelEnter { Ignore, Reselect, MoveOn };
LevelEnter levelEnter(LevelBox box, const QString& text);

// The highest level the experience list (リスト表示) shows in a window of this code.
int expListLevels(int windowCode);

}  // namespace wm
