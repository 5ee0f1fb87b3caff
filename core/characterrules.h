#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "tables.h"

namespace wm {

// The equipment kinds of the character page, 13..31, in list order; each kind's list is
// filled from the section of the same number.
inline constexpr int kFirstEquipment = Section::Swords;
inline constexpr int kLastEquipment = Section::Instruments;
// 製本 (30) and 楽器 (31) are carried, not worn: their weight is not counted.
inline constexpr int kLastWeighedEquipment = Section::Necklaces;

// The other lists of an equipment list's group (choosing in one resets them); empty for a
// list that stands alone.
QList<int> equipmentGroupOf(int list);

// A row of the rings section that is a necklace: its code begins with 29.
inline bool isNecklaceRow(const ProductTable& data, int row) {
    return data.at(Section::Rings, ProductColumn::Extra, row).left(2).contains(u"29");
}

// The equipment code of the item shown in a list: its weight in "000" format followed by
// its column-5 code, for the first row whose column 1 contains the shown text among the
// rows the list was filled from (for 首飾り the necklaces among the rings, then the necklace
// section); "0000" when no row does (or "未選択" is shown).
QString equipmentCode(const ProductTable& data, int list, const QString& shownText);

// The weight part of an equipment code; nothing when it does not begin with a number.
std::optional<qint64> equipmentWeight(const QString& code);

// How many job slots a fame value allows (9..12); a fame that is no number counts as 0.
int slotCountForFame(const QString& fame);

// The equipment kinds a job's limit text names, each token the text before a comma.
QStringList jobLimitTokens(const QString& limits);

// The maximum weight from strength and the job's carry factor: strength x factor + 1000.
// Nothing when either is no number.
std::optional<QString> maxWeightText(const QString& strength, const QString& factor);

// The name rule of the character page: a name longer than 13 bytes is cut to at most 14.
QString cutCharacterName(const QString& name);

}  // namespace wm
