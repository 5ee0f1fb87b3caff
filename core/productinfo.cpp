#include "productinfo.h"

#include <algorithm>
#include <limits>

#include "numbers.h"
#include "production.h"
#include "textrules.h"

namespace wm {

namespace {

const QChar kComma(QLatin1Char(','));
const QChar kDot(QLatin1Char('.'));
// What "？？？" is made of: three placeholder materials.
const QString kUnknownMaterials = QStringLiteral("00？？？,00？？？,00？？？");
// A material line's work name is padded to this many bytes.
constexpr int kWorkColumnBytes = 11;

// floor(a / b); nothing for b = 0 or a quotient beyond 64 bits.
std::optional<qint64> floorDiv(qint64 a, qint64 b) {
    if (b == 0 || (b == -1 && a == std::numeric_limits<qint64>::min()))
        return std::nullopt;
    qint64 q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// A number for a field: a result beyond 64 bits leaves the field empty.
QString numOrEmpty(const std::optional<qint64>& value) {
    return value ? numText(*value) : QString();
}

QList<int> sectionRange(int first, int last) {
    QList<int> sections;
    for (int s = first; s <= last; ++s)
        sections << s;
    return sections;
}

bool isCapped(int section) {
    return section >= Section::Swords;
}

struct ProductRow {
    int section = 0;
    int row = 0;
};

// The product a lookup by name finds (the rows productField searches).
std::optional<ProductRow> findProduct(const ProductTable& products, const QString& name) {
    std::optional<ProductRow> found;
    visitSearchedProducts(products, [&](int s, int r) {
        if (productName(products.at(s, ProductColumn::Name, r)) != name)
            return false;
        found = ProductRow{s, r};
        return true;
    });
    return found;
}

// A name the data should define: not empty ("00" names no material) and not the
// placeholder of the unknown product.
bool namesMaterial(const QString& name) {
    return !name.isEmpty() && name != kUnknownProduct;
}

// One "NNname" entry of a set-material field into a material row. False when the row
// cannot be filled; a material found nowhere fills it with its name and count only.
bool fillMaterialRow(const ProductTable& products, const QString& entry, MaterialRowFill& row,
                     bool& unknownMaterial) {
    const auto amount = intPart(entry.left(2));
    if (amount)
        row.count = numText(*amount);
    const QString name = entry.mid(2);
    const auto found = findProduct(products, name);
    if (!found) {
        if (!namesMaterial(name))
            return false;
        unknownMaterial = true;
        row.material = name;
        return true;
    }
    row.found = true;
    if (amount)
        row.weight = materialRowWeight(products, name, row.count);
    row.listPosition = materialPosition(products, name);
    if (!row.listPosition) {
        // Found outside the material works (the viewer's necklaces): named without lists.
        row.workName = products.sectionName(found->section);
        row.material = name;
    }
    if (const auto level = productNumbers(products, found->section, found->row).level)
        row.level = numText(*level);
    return true;
}

// What the free weight carries when the character already carries more than the maximum:
// nothing, said instead of a negative count.
const QString kOverweightText = QStringLiteral("現在重量が最大重量を超えているため、持てません");

// 材料 mode for a product with materials found nowhere: one line for each such material.
QString unknownMaterialsText(const ProductTable& products, const InfoInputs& in) {
    QStringList lines;
    for (const InfoMaterial& m : in.materials) {
        if (namesMaterial(m.material) && !findProduct(products, m.material))
            lines << m.material + kUnknownMaterialNote + QStringLiteral("の重量がわかりません");
    }
    return lines.join(QLatin1Char('\n'));
}

// The effect list of a medicine or food: a strength, then names and values. Nothing when
// the strength is not a number.
QString effectLines(QString effects, const QString& label) {
    if (!effects.contains(kComma) && isNumber(effects)) {
        // The strength alone: its own line with its label, none for 0.
        const auto strength = intPart(effects);
        return strength && *strength != 0 ? QLatin1Char('\n') + label + numText(*strength)
                                          : QString();
    }
    QString lines;
    for (bool first = true; effects.contains(kComma); first = false) {
        const QString item = textBefore(effects, kComma);
        if (first) {
            const auto strength = intPart(item);
            if (!strength)
                return QString();
            if (*strength != 0)
                lines += QLatin1Char('\n') + label + numText(*strength);
        } else if (isNumber(item)) {
            lines += item;
        } else {
            lines += QStringLiteral("\n  ") + item + QLatin1Char(':');
        }
        effects = trimLeadingBlanks(textAfter(effects, kComma));
    }
    if (!isNumber(effects))
        lines += QStringLiteral("\n  ");
    return lines + effects;
}

GuildPlace guildPlace(const QString& entry, const QString& condition) {
    // "place.building.person"; a part without its dot is left empty.
    const QString detail = textAfter(entry, kDot);
    return {trimLeadingBlanks(textBefore(entry, kDot)), textBefore(detail, kDot),
            textAfter(detail, kDot), condition};
}

}  // namespace

const QList<int>& workSections() {
    static const QList<int> sections = sectionRange(Section::FirstGathering, Section::Rings) +
                                       sectionRange(Section::Books, Section::Instruments);
    return sections;
}

int workSection(int workPosition) {
    return workPosition >= 0 && workPosition < workSections().size()
               ? workSections().at(workPosition)
               : 0;
}

const QList<int>& materialWorkSections() {
    static const QList<int> sections =
        sectionRange(Section::FirstGathering, Section::LastGathering) +
        sectionRange(Section::FirstMaterialWork, Section::LastMaterialWork) +
        QList<int>{Section::Crafts};
    return sections;
}

int materialWorkSection(int position) {
    return position >= 0 && position < materialWorkSections().size()
               ? materialWorkSections().at(position)
               : 0;
}

int materialWorkPosition(int section) {
    return int(materialWorkSections().indexOf(section));
}

QStringList sectionProducts(const ProductTable& products, int section, int maxRows) {
    QStringList names;
    for (int r = 1; r <= maxRows; ++r) {
        const QString first = products.at(section, ProductColumn::Name, r);
        if (first.isEmpty())
            break;
        names << productName(first);
    }
    return names;
}

QStringList sectionNames(const ProductTable& products, const QList<int>& sections) {
    QStringList names;
    for (int s : sections)
        names << products.sectionName(s);
    return names;
}

std::optional<MaterialPosition> materialPosition(const ProductTable& products,
                                                 const QString& name) {
    const QList<int>& sections = materialWorkSections();
    for (int p = 0; p < sections.size(); ++p) {
        const int row = int(sectionProducts(products, sections.at(p), kSearchedRows).indexOf(name));
        if (row >= 0)
            return MaterialPosition{p, row};
    }
    return std::nullopt;
}

std::optional<QString> totalExpText(const QString& runs, const QString& exp) {
    const auto r = intPart(runs);
    const auto e = intPart(exp);
    if (!r || !e)
        return std::nullopt;
    return numOrEmpty(checkedMul(*r, *e));
}

ProductChoice chooseProduct(const ProductTable& products, int section, int position,
                            const QString& productText, const ProductFields& before) {
    ProductChoice out;
    ProductFields& fields = out.fields;
    fields = before;
    if (position != 0) {
        const ProductNumbers numbers = productNumbers(products, section, position);
        const auto put = [](QString& field, const std::optional<qint64>& value) {
            if (value)
                field = numText(*value);
        };
        put(fields.level, numbers.level);
        put(fields.exp, numbers.stepExp);
        put(fields.runs, numbers.steps);
        put(fields.weight, intPart(products.at(section, ProductColumn::Weight, position)));
    } else {
        for (QString* field :
             {&fields.totalExp, &fields.level, &fields.exp, &fields.runs, &fields.weight})
            field->clear();
    }

    const bool unknownProduct = productText == kUnknownProduct;
    QString rest = products.at(section, ProductColumn::SetMaterials, position);
    if (unknownProduct) {
        rest = kUnknownMaterials;
        for (QString* field : {&fields.level, &fields.exp, &fields.runs, &fields.weight})
            *field = QStringLiteral("0");
    }

    bool done = false;
    for (MaterialRowFill& row : out.rows) {
        if (done)
            break;
        const qsizetype comma = rest.indexOf(kComma);
        const QString entry = comma >= 0 ? rest.left(comma) : rest;
        if (comma >= 0) {
            rest = rest.mid(comma + 1);
        } else {
            done = true;
            fields.totalWeight = QStringLiteral("0");
        }
        // A row shows only what it could be filled with; the "？？？" rows stay open for
        // typing.
        row.shown = fillMaterialRow(products, entry, row, out.unknownMaterial) || unknownProduct;
        if (!row.shown)
            row = MaterialRowFill();
    }

    // More entries than rows add onto the total shown before: it is not started at 0.
    bool weightMissing = out.unknownMaterial;
    for (const MaterialRowFill& row : out.rows) {
        if (row.count.isEmpty() || !isNumber(row.count))
            continue;
        const auto total = intPart(fields.totalWeight);
        const auto weight = intPart(row.weight);
        if (total && weight)
            fields.totalWeight = numOrEmpty(checkedAdd(*total, *weight));
        // A row weight too large to show leaves the total empty too.
        weightMissing = weightMissing || (row.found && !weight);
    }
    // Without the weight of every material there is no total to show.
    if (weightMissing)
        fields.totalWeight.clear();

    if (!fields.exp.isEmpty() || !fields.runs.isEmpty()) {
        if (const auto total = totalExpText(fields.runs, fields.exp))
            fields.totalExp = *total;
    }
    return out;
}

QString materialRowWeight(const ProductTable& products, const QString& material,
                          const QString& count) {
    const auto found = findProduct(products, material);
    const auto amount = intPart(count);
    const auto weight =
        found ? intPart(products.at(found->section, ProductColumn::Weight, found->row))
              : std::nullopt;
    return weight && amount ? numOrEmpty(checkedMul(*weight, *amount)) : QString();
}

QString runWeightText(const std::array<MaterialRowWeight, 3>& rows) {
    qint64 total = 0;
    for (const MaterialRowWeight& row : rows) {
        const auto count = intPart(row.count);
        if (!count || *count == 0)
            continue;
        const auto weight = intPart(row.weight);
        const auto sum = weight ? checkedAdd(total, *weight) : std::nullopt;
        if (!sum)
            return QString();
        total = *sum;
    }
    return numText(total);
}

std::optional<qint64> carriedRuns(qint64 freeWeight, qint64 runWeight, int section,
                                  int namedMaterials) {
    auto runs = floorDiv(freeWeight, runWeight);
    if (runs && isCapped(section) && *runs >= kCarryCap)
        runs = std::min(kCarryCap, kCarryCap + 1 - namedMaterials);
    return runs;
}

std::optional<qint64> carriedPieces(qint64 freeWeight, qint64 pieceWeight, int section) {
    auto pieces = pieceWeight != 0 ? floorDiv(freeWeight, pieceWeight) : std::optional<qint64>(0);
    if (pieces && isCapped(section) && *pieces >= kCarryCap)
        pieces = kCarryCap;
    return pieces;
}

QString materialInfoText(const ProductTable& products, const InfoInputs& in) {
    const int section = workSection(in.workPosition);
    if (section <= Section::LastGathering)
        return gatheringPlacesText(products, in);
    // A material found nowhere has no weight: the runs cannot be counted, and the text says
    // which material is missing from the data.
    if (!in.product.isEmpty() && in.unknownMaterial)
        return unknownMaterialsText(products, in);
    const auto current = intPart(in.currentWeight);
    const auto maximum = intPart(in.maximumWeight);
    const auto runWeight = intPart(in.totalWeight);
    if (in.product.isEmpty() || !current || !maximum ||
        in.materials[0].material == kUnknownProduct || !runWeight || *runWeight == 0)
        return QString();

    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    int named = 0;
    while (named < int(in.materials.size()) && !in.materials[size_t(named)].material.isEmpty())
        ++named;
    const auto runs =
        freeWeight ? carriedRuns(*freeWeight, *runWeight, section, named) : std::nullopt;
    if (!runs)
        return QString();
    if (*freeWeight < 0 || *runs < 0)
        return kOverweightText;

    QString text;
    for (int k = 0; k < named; ++k) {
        const InfoMaterial& m = in.materials[size_t(k)];
        const auto amount = intPart(m.count);
        if (!amount)
            return text;
        const auto pieces = checkedMul(*amount, *runs);
        if (!pieces)
            return QString();
        const QString field = productField(products, m.material, ProductColumn::Name);
        text += m.work +
                QString(std::max(0, kWorkColumnBytes - byteLength(m.work)), QLatin1Char(' ')) +
                field.left(3) + QStringLiteral(" の ") + productName(field) +
                QStringLiteral(" を ") + numText(*pieces) + QLatin1Char('\n');
    }
    text += in.product + QStringLiteral(" を ") + numText(*runs) + QStringLiteral(" 回分作れます");
    const auto exp = intPart(in.totalExp);
    if (!exp)
        return text;
    const auto runsExp = checkedMul(*exp, *runs);
    const auto used = checkedMul(*runWeight, *runs);
    const auto left = used ? checkedSub(*freeWeight, *used) : std::nullopt;
    if (!runsExp || !left)
        return QString();
    return text + QLatin1Char('\n') + in.product + QStringLiteral(" を ") + numText(*runs) +
           QStringLiteral(" 回分の経験値 ") + numText(*runsExp) + QStringLiteral("\n残り重量は ") +
           numText(*left) + QStringLiteral(" です");
}

QString gatheringPlacesText(const ProductTable& products, const InfoInputs& in) {
    if (in.product.isEmpty() || in.productPosition < 0)
        return QString();
    QString places =
        products.at(workSection(in.workPosition), ProductColumn::Extra, in.productPosition);
    return places.replace(kComma, QLatin1Char('\n'));
}

QString productInfoText(const ProductTable& products, const InfoInputs& in) {
    const auto pieceWeight = intPart(in.pieceWeight);
    const auto current = intPart(in.currentWeight);
    const auto maximum = intPart(in.maximumWeight);
    if (in.product.isEmpty() || !pieceWeight || !current || !maximum)
        return QString();
    // "？？？" weighing nothing carries nothing worth saying.
    if (in.materials[0].material == kUnknownProduct && *pieceWeight == 0)
        return QString();
    const int section = workSection(in.workPosition);
    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    const auto pieces =
        freeWeight ? carriedPieces(*freeWeight, *pieceWeight, section) : std::nullopt;
    const auto used = pieces ? checkedMul(*pieceWeight, *pieces) : std::nullopt;
    const auto left = used ? checkedSub(*freeWeight, *used) : std::nullopt;
    if (!left)
        return QString();
    if (*freeWeight < 0 || *pieces < 0)
        return kOverweightText;
    QString text = in.product + QStringLiteral(" を ") + numText(*pieces) +
                   QStringLiteral(" 持てます") + QStringLiteral("\n残り重量は ") + numText(*left) +
                   QStringLiteral(" です");

    if ((section == Section::Medicine || section == Section::Food) && in.productPosition >= 0) {
        const QString label = section == Section::Medicine ? QStringLiteral("  薬物強度:")
                                                           : QStringLiteral("  腹持ち度:");
        text += effectLines(products.at(section, ProductColumn::Extra, in.productPosition), label);
    }
    return text;
}

QList<GuildPlace> guildPlaces(const GuildTable& guilds, const QString& work, bool learning) {
    QList<GuildPlace> places;
    // Whichever program shows the window, it reads the calculator's guild sections.
    for (int g = 1; g <= GuildTable::kCalculatorSections; ++g) {
        if (guilds.nameLine(g).mid(4) != work)
            continue;
        if (!learning) {
            const QString entry = guilds.guildPlace(g);
            // An empty guild entry ends the whole scan.
            if (entry.isEmpty())
                break;
            places << guildPlace(entry, QString());
            continue;
        }
        for (int n = 1; n <= GuildTable::kFields; ++n) {
            const QString entry = guilds.learningPlace(g, n);
            if (entry.isEmpty())
                break;
            places << guildPlace(entry, guilds.learningCondition(g));
        }
    }
    return places;
}

}  // namespace wm
