#include "production.h"

#include <cmath>

#include "numbers.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Gathering works carry their own weight; every other work consumes set materials.
bool isGathering(int workPosition) {
    // Work list position p is section p + 1 up to the rings.
    return workPosition >= Section::FirstGathering - 1 &&
           workPosition <= Section::LastGathering - 1;
}

const QString kTooLargeTitle = QStringLiteral("計算範囲外");

// A number as typed: whole numbers exactly in 64 bits, others as a double. Products keep the
// exact form while every factor is whole, so large whole values are never rounded.
struct Amount {
    std::optional<qint64> whole;
    double value = 0;
};

// Nothing when the text is a number that no form can hold; a text that is not a number
// counts as 0, as the data should never hold one.
std::optional<Amount> amountOf(const QString& text) {
    if (!isNumber(text))
        return Amount{qint64(0), 0.0};
    if (const auto whole = wholeNumber(text))
        return Amount{whole, double(*whole)};
    // A fraction, or a whole number beyond 64 bits: then it can take part in no result.
    const auto value = toNumber(text);
    if (!value || !floorInt64(*value))
        return std::nullopt;
    return Amount{std::nullopt, *value};
}

// a x b; nothing when the product leaves the 64-bit range.
std::optional<Amount> times(const Amount& a, const Amount& b) {
    if (a.whole && b.whole) {
        const auto p = checkedMul(*a.whole, *b.whole);
        if (!p)
            return std::nullopt;
        return Amount{p, double(*p)};
    }
    const double p = a.value * b.value;
    if (!floorInt64(p) || !roundInt64(p))
        return std::nullopt;
    return Amount{std::nullopt, p};
}

QString amountText(const Amount& a) {
    return a.whole ? numText(*a.whole) : numText(a.value);
}

std::optional<qint64> floorOf(const Amount& a) {
    return a.whole ? a.whole : floorInt64(a.value);
}

std::optional<qint64> roundedOf(const Amount& a) {
    return a.whole ? a.whole : roundInt64(a.value);
}

// A number too large for the calculation.
ProductionOutcome tooLarge(std::optional<ProductionField> focus, bool selectAll) {
    ProductionOutcome out;
    out.problem =
        ProductionProblem{{tooLargeText(), kTooLargeTitle, Dialogs::Icon::None}, focus, selectAll};
    return out;
}

struct Check {
    bool failed;
    QString text;
    QString title;
    ProductionField field;
    bool selectAll;
};

// The first failing check's message and the field to focus.
std::optional<ProductionOutcome> firstFailure(std::initializer_list<Check> checks) {
    for (const Check& c : checks) {
        if (!c.failed)
            continue;
        ProductionOutcome out;
        out.problem =
            ProductionProblem{{c.text, c.title, Dialogs::Icon::None}, c.field, c.selectAll};
        return out;
    }
    return std::nullopt;
}

bool notNumber(const QString& text) {
    return !isNumber(text);
}

}  // namespace

QString productField(const ProductTable& data, const QString& name, int column) {
    QString found;
    visitSearchedProducts(data, [&](int s, int r) {
        if (productName(data.at(s, ProductColumn::Name, r)) != name)
            return false;
        found = data.at(s, column, r);
        return true;
    });
    return found;
}

ProductNumbers productNumbers(const ProductTable& data, int section, int row) {
    const QString expAndSteps = data.at(section, ProductColumn::ExpAndSteps, row);
    return {intPart(data.at(section, ProductColumn::Name, row).left(3)),
            intPart(expAndSteps.left(3)), intPart(expAndSteps.right(2))};
}

std::vector<SetMaterialEntry> parseSetMaterials(const QString& setField) {
    std::vector<SetMaterialEntry> entries;
    QString rest = setField;
    for (int k = 0; k < 3; ++k) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        const QString entry = comma >= 0 ? rest.left(comma) : rest;
        entries.push_back({intPart(entry.left(2)).value_or(0), entry.mid(2)});
        if (comma < 0)
            break;
        rest = rest.mid(comma + 1);
    }
    return entries;
}

SetMaterialList setMaterialsOf(const ProductTable& products, const QString& setField) {
    const std::vector<SetMaterialEntry> entries = parseSetMaterials(setField);
    SetMaterialList out;
    std::optional<qint64> total = 0;
    bool unknown = false;
    // A field with more entries than are read gets no total line.
    const bool readToEnd = setField.count(QLatin1Char(',')) < qsizetype(out.materials.size());
    for (size_t k = 0; k < entries.size(); ++k) {
        SetMaterial& mat = out.materials[k];
        const SetMaterialEntry& entry = entries[k];
        mat.count = numText(entry.count);
        mat.name = entry.name;
        mat.unknown =
            !mat.name.isEmpty() && productField(products, mat.name, ProductColumn::Name).isEmpty();
        unknown = unknown || mat.unknown;
        // A weight too large to count stays empty, and so does the total.
        const auto weight = amountOf(productField(products, mat.name, ProductColumn::Weight));
        const auto matWeight =
            weight ? times(*weight, Amount{entry.count, double(entry.count)}) : std::nullopt;
        const auto floored = matWeight && !mat.unknown ? floorOf(*matWeight) : std::nullopt;
        mat.weight = floored ? numText(*floored) : QString();
        total = total && floored ? checkedAdd(*total, *floored) : std::nullopt;
        out.text += mat.name + QStringLiteral(" × ") + mat.count +
                    (mat.unknown ? kUnknownMaterialNote : QString()) + kCrLf;
        if (k + 1 == entries.size() && readToEnd)
            out.text += QStringLiteral("材料の合計重量 ： ") + (unknown ? kUnknownWeight
                                                                : total ? numText(*total)
                                                                        : tooLargeText());
    }
    return out;
}

ProductionOutcome totalsForRuns(AppData& d, const ProductionInputs& in) {
    if (auto failed = firstFailure(
            {{in.work.isEmpty(), QStringLiteral("作業が選択されていません"),
              QStringLiteral("作業未選択"), ProductionField::Work, false},
             {in.product.isEmpty(), QStringLiteral("生産品名が選択されていません"),
              QStringLiteral("生産品未選択"), ProductionField::Product, false},
             {notNumber(in.stepExp), QStringLiteral("1回の経験値を数字で入力してください"),
              QStringLiteral("1回のEXP未入力"), ProductionField::StepExp, false},
             {notNumber(in.steps), QStringLiteral("作業工程の回数を数字で入力してください"),
              QStringLiteral("作業工程未入力"), ProductionField::Steps, false},
             {notNumber(in.runs), QStringLiteral("計算する個数がわかりません"),
              QStringLiteral("作成個数未入力"), ProductionField::Runs, false}}))
        return *failed;

    const auto stepExp = amountOf(in.stepExp);
    if (!stepExp)
        return tooLarge(ProductionField::StepExp, false);
    const auto steps = amountOf(in.steps);
    if (!steps)
        return tooLarge(ProductionField::Steps, false);
    const auto runs = amountOf(in.runs);
    if (!runs)
        return tooLarge(ProductionField::Runs, false);
    // Anything below that leaves 64 bits comes from the number of runs.
    const auto runExp = times(*steps, *stepExp);
    const auto lotExpAmount = runExp ? times(*runs, *runExp) : std::nullopt;
    const auto lotExp = lotExpAmount ? roundedOf(*lotExpAmount) : std::nullopt;
    if (!lotExp)
        return tooLarge(ProductionField::Runs, false);
    QString text = in.product + QStringLiteral(" を ") + in.runs +
                   QStringLiteral(" 回分生産した時の合計  ") + numText(*lotExp) +
                   QStringLiteral(" EXP") + kCrLf;
    if (isGathering(in.workPosition)) {
        const auto wholeRuns = floorOf(*runs);
        const auto weight = amountOf(productField(d.products, in.product, ProductColumn::Weight));
        const auto pieceWeight = weight ? floorOf(*weight) : std::nullopt;
        const auto total =
            wholeRuns && pieceWeight ? checkedMul(*wholeRuns, *pieceWeight) : std::nullopt;
        if (!total)
            return tooLarge(ProductionField::Runs, false);
        text += QStringLiteral("  重量 ： ") + in.product + QStringLiteral(" × ") + in.runs +
                QStringLiteral(" = ") + numText(*total);
    } else {
        text += QStringLiteral("  材料 ： ");
        for (const SetMaterial& mat : in.setMaterials) {
            if (mat.name.isEmpty() || mat.count.isEmpty())
                break;
            const auto count = amountOf(mat.count);
            const auto pieces = count ? times(*runs, *count) : std::nullopt;
            const auto weight = wholeNumber(mat.weight);
            const auto matWeight =
                weight ? times(*runs, Amount{weight, double(*weight)}) : std::nullopt;
            const auto flooredWeight = matWeight ? floorOf(*matWeight) : std::nullopt;
            if (!pieces || (!flooredWeight && !mat.unknown))
                return tooLarge(ProductionField::Runs, false);
            text += mat.name + QStringLiteral(" × ") + amountText(*pieces) + QStringLiteral(" = ") +
                    (mat.unknown ? kUnknownMaterialNote : numText(flooredWeight.value_or(0))) +
                    QStringLiteral(" ");
        }
    }
    d.producedExp = *lotExp;
    ProductionOutcome out;
    out.append = text + kCrLf;
    return out;
}

ProductionOutcome runsNeeded(const AppData& d, const ProductionInputs& in) {
    if (auto failed = firstFailure(
            {{in.work.isEmpty(), QStringLiteral("作業名が選択されていません"),
              QStringLiteral("作業未選択"), ProductionField::Work, false},
             {in.product.isEmpty(), QStringLiteral("生産品名が選択されていません"),
              QStringLiteral("生産品未選択"), ProductionField::Product, false},
             {notNumber(in.stepExp), QStringLiteral("1回の経験値を数字で入力してください"),
              QStringLiteral("1回のEXP未入力"), ProductionField::StepExp, true},
             {notNumber(in.steps), QStringLiteral("作業工程の回数を数字で入力してください"),
              QStringLiteral("作業工程未入力"), ProductionField::Steps, true}}))
        return *failed;
    if (in.neededExp == 0) {
        ProductionOutcome out;
        out.problem = ProductionProblem{{QStringLiteral("計算する範囲の経験値がわかりません"),
                                         QStringLiteral("必要経験値なし"), Dialogs::Icon::None},
                                        std::nullopt,
                                        false};
        return out;
    }

    // Each value rounded to a whole number first, then everything in exact 64-bit integers.
    const auto stepExp = roundInt64(in.stepExp);
    if (!stepExp)
        return tooLarge(ProductionField::StepExp, true);
    const auto steps = roundInt64(in.steps);
    if (!steps)
        return tooLarge(ProductionField::Steps, true);
    const auto runExp = checkedMul(*stepExp, *steps);
    if (!runExp)
        return tooLarge(ProductionField::StepExp, true);
    if (*runExp == 0)
        return {};
    // The fewest runs whose experience reaches the need.
    const auto runs = ceilDiv(in.neededExp, *runExp);
    if (!runs)
        return tooLarge(std::nullopt, false);

    QString text =
        in.product + QStringLiteral(" を ") + numText(*runs) + QStringLiteral(" 回分") + kCrLf;
    if (isGathering(in.workPosition)) {
        const auto weight = amountOf(productField(d.products, in.product, ProductColumn::Weight));
        const auto pieceWeight = weight ? floorOf(*weight) : std::nullopt;
        const auto total = pieceWeight ? checkedMul(*pieceWeight, *runs) : std::nullopt;
        if (!total)
            return tooLarge(std::nullopt, false);
        text += QStringLiteral("  重量 ： ") + in.product + QStringLiteral(" × ") + numText(*runs) +
                QStringLiteral(" = ") + numText(*total) + kCrLf;
    } else {
        std::optional<qint64> total = 0;
        bool unknown = false;
        text += QStringLiteral("  材料 ： ");
        for (const SetMaterial& mat : in.setMaterials) {
            if (mat.name.isEmpty() || mat.count.isEmpty())
                break;
            const auto count = intPart(mat.count);
            const auto pieces = count ? checkedMul(*count, *runs) : std::nullopt;
            if (!pieces)
                return tooLarge(std::nullopt, false);
            text += mat.name + QStringLiteral(" × ") + numText(*pieces) + QStringLiteral(" = ");
            // A material found nowhere has no weight; the total then says it is unknown.
            if (mat.unknown) {
                unknown = true;
                text += kUnknownMaterialNote + QStringLiteral("  ");
                continue;
            }
            const auto weight = wholeNumber(mat.weight);
            const auto matWeight = weight ? checkedMul(*weight, *runs) : std::nullopt;
            total = total && matWeight ? checkedAdd(*total, *matWeight) : std::nullopt;
            if (!total)
                return tooLarge(std::nullopt, false);
            text += numText(*matWeight) + QStringLiteral("  ");
        }
        text += QStringLiteral(" 合計 : ") + (unknown ? kUnknownWeight : numText(*total)) + kCrLf;
    }
    ProductionOutcome out;
    out.append = text;
    return out;
}

std::variant<double, Message> roundUpAt(double value, int position) {
    if (position == 0)
        return Message{QStringLiteral("切り上げ位置を指定して下さい"), QStringLiteral("エラー"),
                       Dialogs::Icon::Exclamation};
    const double f = position > 0 ? std::pow(10.0, position - 1) : std::pow(10.0, position);
    return std::floor(f * value + 0.9) / f;
}

QString padNumber(qint64 value, int width) {
    const QString digits = numText(value);
    const int blanks = width - byteLength(digits);
    return blanks > 0 ? QString(blanks, QLatin1Char(' ')) + digits : digits;
}

}  // namespace wm
