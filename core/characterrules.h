#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "tables.h"

namespace wm {

// The equipment kinds of the character page, one list each, in the page's order. Each list
// is filled from the production section of the same position: 剣 from section 13 (剣鍛冶)
// up to 楽器 from section 31 (楽器製作).
enum class Equipment {
    Sword,           // 剣
    Katana,          // 刀
    Axe,             // 斧
    Staff,           // 杖
    Abacus,          // ソロバン
    Whip,            // ムチ
    FightingGloves,  // グローブ
    Helmet,          // 兜
    Hat,             // 帽子
    Gloves,          // 手袋
    Boots,           // 靴
    Shield,          // 盾
    Clothes,         // 衣
    LeatherArmour,   // 皮鎧
    MetalArmour,     // 金属鎧
    Ring,            // 指輪
    Necklace,        // 首飾り
    Book,            // 製本
    Instrument,      // 楽器
};
inline constexpr int kEquipmentKinds = 19;

// Every kind in the page's order, for loops over all lists.
inline constexpr std::array<Equipment, kEquipmentKinds> kAllEquipment = [] {
    std::array<Equipment, kEquipmentKinds> all{};
    for (int i = 0; i < kEquipmentKinds; ++i)
        all[size_t(i)] = Equipment(i);
    return all;
}();

// The production section a kind's list is filled from.
constexpr int sectionOf(Equipment kind) {
    return Section::Swords + int(kind);
}

// The caption of a kind's list on the page; a job's limits name kinds by these words.
QString equipmentCaption(Equipment kind);

// Weapons stand in a frame of their own (剣..グローブ), the rest in the equipment frame.
constexpr bool isWeapon(Equipment kind) {
    return kind <= Equipment::FightingGloves;
}

// 製本 and 楽器 are carried, not worn: their weight is not counted.
constexpr bool isWeighed(Equipment kind) {
    return kind <= Equipment::Necklace;
}

// The other lists of an equipment list's group (choosing in one resets them); empty for a
// list that stands alone.
QList<Equipment> equipmentGroupOf(Equipment kind);

// A row of the rings section that is a necklace: its code begins with 29.
inline bool isNecklaceRow(const ProductTable& data, int row) {
    return data.at(Section::Rings, ProductColumn::Extra, row).left(2).contains(u"29");
}

// What the page remembers of the item chosen in an equipment list.
struct EquipmentChoice {
    QString weightText = QStringLiteral("0");  // the data's weight of one piece, as stored
    std::optional<double> weight = 0.0;        // its value; nothing when it is no number
    QString itemCode = QStringLiteral("0");    // the data's column 5
    bool operator==(const EquipmentChoice&) const = default;
};

// The item shown in a list: the first row whose column 1 contains the shown text among the
// rows the list was filled from (for 首飾り the necklaces among the rings, then the
// necklace section); nothing chosen (weight 0, code 0) when no row does, or "未選択" is
// shown.
EquipmentChoice equipmentChoice(const ProductTable& data, Equipment kind, const QString& shownText);

// A choice as a save writes it: the weight in "000" format (the data's own text when it is
// no number) followed by the item code.
QString savedEquipmentCode(const EquipmentChoice& choice);

// Whether an equipment weight from the data fits the three digits its saved code gives it:
// a heavier item would be counted and saved with a part of its weight taken for its code.
// A weight that is no number passes (it is saved as it stands).
bool fitsSavedWeight(const QString& weight);
inline constexpr int kMaxSavedWeight = 999;

// The weight a choice adds to the equipment weight: the number its saved code begins with
// (its first three characters); nothing when they are no number.
std::optional<qint64> countedWeight(const EquipmentChoice& choice);

// 装備重量: the counted weights of the worn kinds added up.
qint64 equipmentWeight(const std::array<EquipmentChoice, kEquipmentKinds>& choices);

// The eight status values in the order a save holds them, each with the caption of its
// box, the box's tip and the name its controls go by.
struct StatusCaption {
    const char16_t* caption;
    const char16_t* tip;
    const char* name;
};
inline constexpr int kStatusValues = 8;
inline constexpr std::array<StatusCaption, kStatusValues> kStatusCaptions{{
    {u"ＨＰ", u"HPの値を入力します", "hp"},
    {u"体力", u"体力の値を入力します", "vitality"},
    {u"知力", u"知力の値を入力します", "intelligence"},
    {u"幸運", u"幸運の値を入力します", "luck"},
    {u"ＭＰ", u"MPの値を入力します", "mp"},
    {u"敏捷", u"敏捷の値を入力します", "agility"},
    {u"筋力", u"筋力の値を入力します", "strength"},
    {u"魅力", u"魅力の値を入力します", "charm"},
}};

// How many job slots a fame value allows (9..12); a fame that is no number counts as 0.
int slotCountForFame(const QString& fame);

// The equipment kinds a job's limit text names, each token the text before a comma.
QStringList jobLimitTokens(const QString& limits);

// The kinds a job cannot use: those whose caption contains one of its tokens. An empty
// token (",," or a leading comma) is in every caption and locks every kind.
std::array<bool, kEquipmentKinds> lockedEquipment(const QString& limits);

// The maximum weight from strength and the job's carry factor: strength x factor + 1000.
// Nothing when either is no number.
std::optional<QString> maxWeightText(const QString& strength, const QString& factor);

// A character name holds at most this many code page 932 bytes.
inline constexpr int kCharacterNameBytes = 14;
// A name that long takes no more typed characters, except over a selection.
bool characterNameFull(const QString& name);
// A longer name (pasted, or set by the program) is cut to its longest start that fits.
QString cutCharacterName(const QString& name);

// Whether the name list takes a typed character: Backspace, Enter and every character the
// code page of the saved file can hold.
bool nameTakesCharacter(int code);

// The job slots. Slots 1..6 hold the six gathering works for good; slots 7..12 can take
// any other work, chosen from a list.
inline constexpr int kJobSlots = 12;
inline constexpr int kFirstFreeSlot = 7;

// The gathering works of slots 1..6, as their lists name them.
inline constexpr std::array<const char16_t*, kFirstFreeSlot - 1> kGatheringWorks{
    u"狩猟", u"木こり", u"釣り", u"農作業", u"ハーブ採り", u"鉱石掘り"};

// The work code a slot (1..12) holds before anything is chosen: its own gathering work for
// slots 1..6, none (0) for the others.
constexpr int initialWorkCode(int slot) {
    return slot < kFirstFreeSlot ? slot : 0;
}

// The production sections a free slot's list offers after its empty first entry: every
// making work (7..31) but the necklaces, which are no work.
QList<int> freeSlotSections();

// A free slot's work code for a list position, and back: the position plus six, so the
// empty first entry gives 6. A code naming no position of a list of `entries` gives nothing.
constexpr int workCodeOfEntry(int position) {
    return position + 6;
}
std::optional<int> entryOfWorkCode(int code, int entries);

}  // namespace wm
