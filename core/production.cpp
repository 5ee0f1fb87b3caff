#include "production.h"

#include <cmath>

#include "numbers.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Gathering works carry their own weight; every other work consumes set materials.
bool isGathering(int workPosition) {
    return workPosition >= 0 && workPosition <= 5;
}

// A number the data should hold; a text that is not one counts as 0.
double numberOrZero(const QString& text) {
    return toNumber(text).value_or(0.0);
}

qint64 roundHalfEven64(double value) {
    if (!std::isfinite(value))
        return 0;
    return floorInt(std::nearbyint(value));
}

struct Check {
    bool failed;
    QString text;
    QString title;
    ProField field;
    bool selectAll;
};

// Shows the first failing check's message; the outcome names the field to focus.
std::optional<ProductionOutcome> firstFailure(Dialogs& dialogs,
                                              std::initializer_list<Check> checks) {
    for (const Check& c : checks) {
        if (!c.failed)
            continue;
        dialogs.messageBox(c.text, c.title, Dialogs::Buttons::Ok);
        ProductionOutcome out;
        out.focus = c.field;
        out.selectAll = c.selectAll;
        return out;
    }
    return std::nullopt;
}

bool notNumber(const QString& text) {
    return !isNumber(text);
}

}  // namespace

QString GetProField(const MakeData& data, const QString& name, int column, Section29 section29) {
    QString found;
    visitSearchedProducts(data, section29, [&](int s, int r) {
        if (productName(data.at(s, 1, r)) != name)
            return false;
        found = data.at(s, column, r);
        return true;
    });
    return found;
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

QString SetMatText(AppData& d, const QString& setField) {
    const std::vector<SetMaterialEntry> entries = parseSetMaterials(setField);
    QString text;
    qint64 total = 0;
    // A field with more entries than are read gets no total line.
    const bool readToEnd = setField.count(QLatin1Char(',')) < qsizetype(d.udtSetMat.size());
    for (size_t k = 0; k < d.udtSetMat.size(); ++k) {
        SetMaterial& mat = d.udtSetMat[k];
        if (k >= entries.size()) {
            mat = SetMaterial();
            continue;
        }
        const SetMaterialEntry& entry = entries[k];
        mat.strNum = numText(entry.count);
        mat.strName = entry.name;
        const double weight = numberOrZero(GetProField(d.strMakeData, mat.strName, 3, d.section29));
        const qint64 matWeight = floorInt(weight * double(entry.count));
        mat.strWeight = numText(matWeight);
        total += matWeight;
        text += mat.strName + QStringLiteral(" × ") + mat.strNum + kCrLf;
        if (k + 1 == entries.size() && readToEnd)
            text += QStringLiteral("材料の合計重量 ： ") + numText(total);
    }
    return text;
}

ProductionOutcome CalcLotExp(AppData& d, Dialogs& dialogs, const ProductionInputs& in) {
    if (auto failed = firstFailure(
            dialogs,
            {{in.work.isEmpty(), QStringLiteral("作業が選択されていません"),
              QStringLiteral("作業未選択"), ProField::Work, false},
             {in.product.isEmpty(), QStringLiteral("生産品名が選択されていません"),
              QStringLiteral("生産品未選択"), ProField::Product, false},
             {notNumber(in.stepExp), QStringLiteral("1回の経験値を数字で入力してください"),
              QStringLiteral("1回のEXP未入力"), ProField::StepExp, false},
             {notNumber(in.steps), QStringLiteral("作業工程の回数を数字で入力してください"),
              QStringLiteral("作業工程未入力"), ProField::Steps, false},
             {notNumber(in.runs), QStringLiteral("計算する個数がわかりません"),
              QStringLiteral("作成個数未入力"), ProField::Runs, false}}))
        return *failed;

    const double runs = *toNumber(in.runs);
    d.lngLotExp = roundHalfEven64(runs * (*toNumber(in.steps) * *toNumber(in.stepExp)));
    QString text = in.product + QStringLiteral(" を ") + in.runs +
                   QStringLiteral(" 回分生産した時の合計  ") + numText(d.lngLotExp) +
                   QStringLiteral(" EXP") + kCrLf;
    if (isGathering(in.workPosition)) {
        const qint64 weight =
            intPart(GetProField(d.strMakeData, in.product, 3, d.section29)).value_or(0);
        text += QStringLiteral("  重量 ： ") + in.product + QStringLiteral(" × ") + in.runs +
                QStringLiteral(" = ") + numText(floorInt(runs) * weight);
    } else {
        text += QStringLiteral("  材料 ： ");
        for (const SetMaterial& mat : d.udtSetMat) {
            if (mat.strName.isEmpty() || mat.strNum.isEmpty())
                break;
            text += mat.strName + QStringLiteral(" × ") + numText(runs * numberOrZero(mat.strNum)) +
                    QStringLiteral(" = ") + numText(floorInt(runs * numberOrZero(mat.strWeight))) +
                    QStringLiteral(" ");
        }
    }
    ProductionOutcome out;
    out.append = text + kCrLf;
    return out;
}

ProductionOutcome CalcRunCount(AppData& d, Dialogs& dialogs, const ProductionInputs& in) {
    if (auto failed = firstFailure(
            dialogs,
            {{in.work.isEmpty(), QStringLiteral("作業名が選択されていません"),
              QStringLiteral("作業未選択"), ProField::Work, false},
             {in.product.isEmpty(), QStringLiteral("生産品名が選択されていません"),
              QStringLiteral("生産品未選択"), ProField::Product, false},
             {notNumber(in.stepExp), QStringLiteral("1回の経験値を数字で入力してください"),
              QStringLiteral("1回のEXP未入力"), ProField::StepExp, true},
             {notNumber(in.steps), QStringLiteral("作業工程の回数を数字で入力してください"),
              QStringLiteral("作業工程未入力"), ProField::Steps, true}}))
        return *failed;
    if (d.lngNeedExp == 0) {
        dialogs.messageBox(QStringLiteral("計算する範囲の経験値がわかりません"),
                           QStringLiteral("必要経験値なし"), Dialogs::Buttons::Ok);
        return {};
    }

    // Each value rounded to a whole number first; the product is kept in 64 bits so large
    // step values cannot overflow.
    const qint64 runExp =
        roundHalfEven64(*toNumber(in.stepExp)) * roundHalfEven64(*toNumber(in.steps));
    if (runExp == 0)
        return {};
    const qint64 runs = floorInt(RoundUpAt(dialogs, double(d.lngNeedExp) / double(runExp), 1));

    QString text =
        in.product + QStringLiteral(" を ") + numText(runs) + QStringLiteral(" 回分") + kCrLf;
    if (isGathering(in.workPosition)) {
        const qint64 weight =
            intPart(GetProField(d.strMakeData, in.product, 3, d.section29)).value_or(0);
        text += QStringLiteral("  重量 ： ") + in.product + QStringLiteral(" × ") + numText(runs) +
                QStringLiteral(" = ") + numText(weight * runs) + kCrLf;
    } else {
        qint64 total = 0;
        text += QStringLiteral("  材料 ： ");
        for (const SetMaterial& mat : d.udtSetMat) {
            if (mat.strName.isEmpty() || mat.strNum.isEmpty())
                break;
            const double weight = numberOrZero(mat.strWeight) * double(runs);
            total = roundHalfEven64(double(total) + weight);
            text += mat.strName + QStringLiteral(" × ") +
                    numText(floorInt(numberOrZero(mat.strNum) * double(runs))) +
                    QStringLiteral(" = ") + numText(floorInt(weight)) + QStringLiteral("  ");
        }
        text += QStringLiteral(" 合計 : ") + numText(total) + kCrLf;
    }
    ProductionOutcome out;
    out.append = text;
    return out;
}

double RoundUpAt(Dialogs& dialogs, double value, int position) {
    if (position == 0) {
        dialogs.messageBox(QStringLiteral("切り上げ位置を指定して下さい"), QStringLiteral("エラー"),
                           Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return 0;
    }
    const double f = position > 0 ? std::pow(10.0, position - 1) : std::pow(10.0, position);
    return std::floor(f * value + 0.9) / f;
}

QString PadNumber(qint64 value, int width) {
    const QString digits = numText(value);
    const int blanks = width - TextLenByte(digits);
    return blanks > 0 ? QString(blanks, QLatin1Char(' ')) + digits : digits;
}

}  // namespace wm
