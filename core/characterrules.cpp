#include "characterrules.h"

#include <cmath>

#include "numbers.h"
#include "textrules.h"

namespace wm {

QList<int> equipmentGroupOf(int list) {
    // One weapon, one head piece, one item in the other hand, one body armour.
    static const QList<QList<int>> groups{
        {Section::Swords, Section::Katanas, Section::Axes, Section::Staffs, Section::Abacuses,
         Section::Whips, Section::FightingGloves},
        {Section::Helmets, Section::Hats},
        {Section::Shields, Section::Books, Section::Instruments},
        {Section::Clothes, Section::LeatherArmour, Section::MetalArmour}};
    for (const QList<int>& group : groups) {
        if (group.contains(list)) {
            QList<int> others = group;
            others.removeAll(list);
            return others;
        }
    }
    return {};
}

QString equipmentCode(const ProductTable& data, int list, const QString& shownText) {
    // Search where the list's entries came from: the rings of section 28 without the
    // necklaces kept among them; for the necklaces those, then section 29's own rows.
    const QList<int> sections = list == Section::Necklaces
                                    ? QList<int>{Section::Rings, Section::Necklaces}
                                    : QList<int>{list};
    for (int section : sections) {
        for (int row = 1; row <= ProductTable::kRows; ++row) {
            const QString first = data.at(section, ProductColumn::Name, row);
            if (first.isEmpty())
                break;
            if (section == Section::Rings &&
                isNecklaceRow(data, row) != (list == Section::Necklaces))
                continue;
            if (first.contains(shownText)) {
                const QString weight = data.at(section, ProductColumn::Weight, row);
                const auto w = toNumber(weight);
                return (w ? format000(*w) : weight) + data.at(section, ProductColumn::Extra, row);
            }
        }
    }
    return QStringLiteral("0000");
}

std::optional<qint64> equipmentWeight(const QString& code) {
    return intPart(code.left(3));
}

int slotCountForFame(const QString& fame) {
    const auto value = toNumber(fame);
    const qint64 f = value ? floorInt(std::nearbyint(*value)) : 0;
    if (f < 0 || f > 15000)
        return 12;
    if (f > 5000)
        return 11;
    if (f > 2500)
        return 10;
    return 9;
}

QStringList jobLimitTokens(const QString& limits) {
    QStringList tokens = limits.split(QLatin1Char(','));
    tokens.removeLast();  // text after the last comma is not read
    return tokens;
}

std::optional<QString> maxWeightText(const QString& strength, const QString& factor) {
    const auto s = toNumber(strength);
    const auto f = toNumber(factor);
    if (!s || !f)
        return std::nullopt;
    return numText(*s * *f + 1000);
}

QString cutCharacterName(const QString& name) {
    return byteLength(name) > 13 ? cutToBytes(name, 14) : name;
}

}  // namespace wm
