#include "characterrules.h"

#include <cmath>

#include "cp932.h"
#include "numbers.h"
#include "textrules.h"

namespace wm {

QString equipmentCaption(Equipment kind) {
    static const std::array<const char16_t*, kEquipmentKinds> captions{
        u"剣", u"刀", u"斧", u"杖",   u"ソロバン", u"ムチ", u"グローブ", u"兜",   u"帽子", u"手袋",
        u"靴", u"盾", u"衣", u"皮鎧", u"金属鎧",   u"指輪", u"首飾り",   u"製本", u"楽器"};
    return QString::fromUtf16(captions[size_t(kind)]);
}

QList<Equipment> equipmentGroupOf(Equipment kind) {
    using E = Equipment;
    // One weapon, one head piece, one item in the other hand, one body armour.
    static const QList<QList<Equipment>> groups{
        {E::Sword, E::Katana, E::Axe, E::Staff, E::Abacus, E::Whip, E::FightingGloves},
        {E::Helmet, E::Hat},
        {E::Shield, E::Book, E::Instrument},
        {E::Clothes, E::LeatherArmour, E::MetalArmour}};
    for (const QList<Equipment>& group : groups) {
        if (group.contains(kind)) {
            QList<Equipment> others = group;
            others.removeAll(kind);
            return others;
        }
    }
    return {};
}

EquipmentChoice equipmentChoice(const ProductTable& data, Equipment kind,
                                const QString& shownText) {
    const bool necklace = kind == Equipment::Necklace;
    // Search where the list's entries came from: the rings of section 28 without the
    // necklaces kept among them; for the necklaces those, then section 29's own rows.
    const QList<int> sections =
        necklace ? QList<int>{Section::Rings, Section::Necklaces} : QList<int>{sectionOf(kind)};
    for (int section : sections) {
        for (int row = 1; row <= ProductTable::kRows; ++row) {
            const QString first = data.at(section, ProductColumn::Name, row);
            if (first.isEmpty())
                break;
            if (section == Section::Rings && isNecklaceRow(data, row) != necklace)
                continue;
            if (first.contains(shownText)) {
                const QString weight = data.at(section, ProductColumn::Weight, row);
                return {weight, toNumber(weight), data.at(section, ProductColumn::Extra, row)};
            }
        }
    }
    return {};
}

QString savedEquipmentCode(const EquipmentChoice& choice) {
    return (choice.weight ? format000(*choice.weight) : choice.weightText) + choice.itemCode;
}

bool fitsSavedWeight(const QString& weight) {
    const auto value = toNumber(weight);
    return !value || format000(*value).size() <= 3;
}

std::optional<qint64> countedWeight(const EquipmentChoice& choice) {
    return intPart(savedEquipmentCode(choice).left(3));
}

qint64 equipmentWeight(const std::array<EquipmentChoice, kEquipmentKinds>& choices) {
    qint64 total = 0;
    for (Equipment kind : kAllEquipment) {
        if (isWeighed(kind))
            total += countedWeight(choices[size_t(kind)]).value_or(0);
    }
    return total;
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

std::array<bool, kEquipmentKinds> lockedEquipment(const QString& limits) {
    std::array<bool, kEquipmentKinds> locked{};
    for (const QString& token : jobLimitTokens(limits)) {
        for (Equipment kind : kAllEquipment) {
            if (equipmentCaption(kind).contains(token))
                locked[size_t(kind)] = true;
        }
    }
    return locked;
}

std::optional<QString> maxWeightText(const QString& strength, const QString& factor) {
    const auto s = toNumber(strength);
    const auto f = toNumber(factor);
    if (!s || !f)
        return std::nullopt;
    return numText(*s * *f + 1000);
}

bool characterNameFull(const QString& name) {
    return byteLength(name) >= kCharacterNameBytes;
}

QString cutCharacterName(const QString& name) {
    return byteLength(name) > kCharacterNameBytes ? cutToBytes(name, kCharacterNameBytes) : name;
}

bool nameTakesCharacter(int code) {
    const int backspace = 8;
    const int enter = 13;
    if (code <= 0 || code == backspace || code == enter)
        return true;
    return canEncodeCp932(QString(QChar(code)));
}

QList<int> freeSlotSections() {
    QList<int> sections;
    for (int s = Section::LastGathering + 1; s <= Section::Instruments; ++s) {
        if (s != Section::Necklaces)
            sections << s;
    }
    return sections;
}

std::optional<int> entryOfWorkCode(int code, int entries) {
    const int position = code - 6;
    if (position < 0 || position >= entries)
        return std::nullopt;
    return position;
}

}  // namespace wm
