#pragma once

#include <QString>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "appdata.h"
#include "message.h"
#include "tables.h"

namespace wm {

// Lookups by name search only the first rows of a section; the rest are products that no
// other product uses.
inline constexpr int kSearchedRows = 70;

// Calls visit(section, row) for every product a lookup by name searches, in the order it
// searches them, until visit returns true: sections 1..32, rows 1..70 of each up to its first
// empty row. A material is found wherever the data defines it, the necklace section too,
// although no work list offers that section.
template <typename Visit>
void visitSearchedProducts(const ProductTable& data, Visit visit) {
    for (int s = 1; s <= ProductTable::kSections; ++s) {
        for (int r = 1; r <= kSearchedRows; ++r) {
            if (data.at(s, ProductColumn::Name, r).isEmpty())
                break;
            if (visit(s, r))
                return;
        }
    }
}

// Column `column` of the first product whose name (column 1 from its fifth character)
// equals name: sections 1..32, rows 1..70 of each up to its first empty row. "" when none.
QString productField(const ProductTable& data, const QString& name, int column);

// The product name of a column-1 text: from its fifth character on.
inline QString productName(const QString& column1) {
    return column1.mid(4);
}

// The numbers of a product's line, each as intPart reads it: its level from the first three
// characters of its name column, the experience of one step and the steps of one run from the
// first three and the last two of its experience column. Nothing where one is no number.
struct ProductNumbers {
    std::optional<qint64> level;
    std::optional<qint64> stepExp;
    std::optional<qint64> steps;
};
ProductNumbers productNumbers(const ProductTable& data, int section, int row);

// One entry of a set-material field: the count per run and the material's name.
struct SetMaterialEntry {
    qint64 count = 0;
    QString name;
};
// The entries of a set-material field ("02板材,01金具"), at most three; a count that is not
// a number counts 0, and "00" gives one entry without a name.
std::vector<SetMaterialEntry> parseSetMaterials(const QString& setField);

// What the texts say of a material found nowhere in the data, after its name or in place of
// its weight.
inline const QString kUnknownMaterialNote = QStringLiteral("（不明な材料）");
inline const QString kUnknownWeight = QStringLiteral("不明");

// The set materials (セット材料) a product's set-material field gives, at most three, and the
// material text for the set box, lines ended by CR LF. An entry that does not follow the
// format still shows, counting 0 pieces or weight 0; a material found nowhere is named as
// unknown, with no weight and no total.
struct SetMaterialList {
    std::array<SetMaterial, 3> materials;
    QString text;
};
SetMaterialList setMaterialsOf(const ProductTable& products, const QString& setField);

// What the production routines read from the calculation page of a main window.
struct ProductionInputs {
    int workPosition = -1;  // position in the work list; 0..5 are the gathering works
    QString work;           // the work list's text
    QString product;        // the product list's text
    QString stepExp;        // experience of one work step
    QString steps;          // work steps of one run
    QString runs;           // runs to total
    // The set materials of the chosen product (setMaterialsOf).
    std::array<SetMaterial, 3> setMaterials{};
    qint64 neededExp = 0;  // 必要経験値 of the levels on screen; 0 when they are not calculated
};

enum class ProductionField { Work, Product, StepExp, Steps, Runs };
using ProductionProblem = Problem<ProductionField>;

// Text to append to the result list (CR LF line ends), or the problem that stopped the
// calculation. A problem without a field to focus still appends its (empty) text.
struct ProductionOutcome {
    QString append;
    std::optional<ProductionProblem> problem;
};

// Totals of `runs` runs: experience, and weight or materials.
ProductionOutcome totalsForRuns(AppData& d, const ProductionInputs& in);
// Runs needed for the inputs' neededExp, with their materials.
ProductionOutcome runsNeeded(const AppData& d, const ProductionInputs& in);

// value rounded up at a digit position: 1 = whole numbers, 2 = tenths, -1 = tens. A
// remainder below a tenth of the unit is dropped. Position 0 gives the message asking for one.
std::variant<double, Message> roundUpAt(double value, int position);

// Blanks before the decimal text of value up to a column of `width` bytes; a longer
// number is written as it is.
QString padNumber(qint64 value, int width);

}  // namespace wm
