#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "production.h"
#include "tables.h"

namespace wm {

// The rules of the product window (生産品の簡易表示): which works and products its lists
// offer, what choosing a product fills in, how much the free weight carries, and its
// information texts and guild places. Plain values in, plain values out; the window shows
// them.

// The placeholder product at the top of the product list, with placeholder materials.
inline const QString kUnknownProduct = QStringLiteral("？？？");

// 作業: every work but the necklaces (the ring work makes them), in section order. List
// position p is section workSections()[p].
const QList<int>& workSections();
// The section of a work list position; 0 when nothing is chosen.
int workSection(int workPosition);

// A material row's work list: the gathering works, the material works and the crafts.
const QList<int>& materialWorkSections();
// The section of a material work list position, 0 for none; the position of a section in
// that list, -1 when it is not a material work.
int materialWorkSection(int position);
int materialWorkPosition(int section);

// Product lists show up to this many rows of a section, material lists only those a lookup
// by name searches.
inline constexpr int kProductListRows = ProductTable::kRows;
inline constexpr int kMaterialListRows = kSearchedRows;
// The names of a section's products, rows 1..maxRows up to its first empty row.
QStringList sectionProducts(const ProductTable& products, int section, int maxRows);
// The names of the given sections.
QStringList sectionNames(const ProductTable& products, const QList<int>& sections);

// Where a material is listed in a material row: positions in its work and material lists.
struct MaterialPosition {
    int workPosition = -1;
    int materialPosition = -1;
};
// The first material row whose name is name, searching the material works in list order.
std::optional<MaterialPosition> materialPosition(const ProductTable& products, const QString& name);

// The product window's number fields: 生産Ｌｖ, 経験値, 回数, 合計値, 重量 (one product) and
// the total weight of one run's materials, as shown.
struct ProductFields {
    QString level;
    QString exp;
    QString runs;
    QString totalExp;
    QString weight;
    QString totalWeight;
};

// A material row as a product choice fills it: 数量, level and weight of one run. A found
// material is chosen in the row's lists; one listed outside the material works is named by
// its work and name (listPosition empty).
struct MaterialRowFill {
    bool shown = false;
    bool found = false;  // the material is in the data; a row of one found nowhere has no weight
    QString count;
    QString level;
    QString weight;
    std::optional<MaterialPosition> listPosition;
    QString workName;
    QString material;
};

struct ProductChoice {
    ProductFields fields;
    std::array<MaterialRowFill, 3> rows;
    // A material of the product is found nowhere: its weight is unknown.
    bool unknownMaterial = false;
};

// Choosing entry `position` of the product list (0 is "？？？", p the section's row p),
// whose edit field reads productText, in the fields `before` shows. A value that cannot be
// read leaves its field as it was.
ProductChoice chooseProduct(const ProductTable& products, int section, int position,
                            const QString& productText, const ProductFields& before);

// 重量 of a material row: the weight of one piece of the material, found by name, times its
// 数量; "" when the material is found nowhere, either is no number or the product leaves 64
// bits.
QString materialRowWeight(const ProductTable& products, const QString& material,
                          const QString& count);
// The total weight of one run as the material rows show it: the weights of the rows with a
// 数量 other than 0 added up; "" when such a row has no weight or the sum leaves 64 bits.
struct MaterialRowWeight {
    QString count;
    QString weight;
};
QString runWeightText(const std::array<MaterialRowWeight, 3>& rows);

// 合計値 of 回数 and 経験値, when both are numbers; "" for a product beyond 64 bits.
std::optional<QString> totalExpText(const QString& runs, const QString& exp);

// Works from the swords on show at most this many runs or pieces.
inline constexpr qint64 kCarryCap = 40;
// The runs whose materials the free weight carries, rounded down (towards minus infinity).
// From the swords on, 40 or more runs become 41 less the named materials. Nothing when
// the run weight is 0 or a result leaves 64 bits.
std::optional<qint64> carriedRuns(qint64 freeWeight, qint64 runWeight, int section,
                                  int namedMaterials);
// The products the free weight carries, rounded down; 0 for weightless ones; at most 40
// from the swords on.
std::optional<qint64> carriedPieces(qint64 freeWeight, qint64 pieceWeight, int section);

// What the information text reads of the window.
struct InfoMaterial {
    QString work;      // the row's work list text
    QString material;  // the row's material list text
    QString count;     // 数量
};
struct InfoInputs {
    int workPosition = -1;     // the chosen work's list position
    int productPosition = -1;  // the chosen product's list position; -1 when typed
    QString product;           // the product list's text
    QString currentWeight;     // 現在重量
    QString maximumWeight;     // 最大重量
    QString totalWeight;       // the materials of one run
    QString totalExp;          // 合計値
    QString pieceWeight;       // 重量 of one product
    std::array<InfoMaterial, 3> materials;
    bool unknownMaterial = false;
};

// 材料 mode: the runs the free weight carries materials for, or for a gathering work the
// places it is found (採取場所). Lines end in "\n"; a step that cannot be done ends the text.
QString materialInfoText(const ProductTable& products, const InfoInputs& in);
// 採取場所: one place a line.
QString gatheringPlacesText(const ProductTable& products, const InfoInputs& in);
// 生産品 mode: the products the free weight carries and, for medicine and food, their
// effects.
QString productInfoText(const ProductTable& products, const InfoInputs& in);

// A place of the guild panel: its name and what it shows beside it, 建物, 人物 and, when
// learning, 条件.
struct GuildPlace {
    QString name;
    QString building;
    QString person;
    QString condition;
};
// The places of work: its guild (ギルド) or where it is learned (習得), from every guild
// section of that work.
QList<GuildPlace> guildPlaces(const GuildTable& guilds, const QString& work, bool learning);

}  // namespace wm
