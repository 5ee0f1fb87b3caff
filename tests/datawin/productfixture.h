#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "testfolder.h"

namespace wmtest {

// A small production data set: every section 1..32 with a name and at least one product,
// plus the rows a test asks for. Names are chosen for their byte lengths: 精錬作業 and
// 鉱石掘り are 8 bytes, 裁縫作業専門 is 12.
inline QString sectionName(int s) {
    static const QMap<int, QString> names{
        {1, QStringLiteral("狩猟")},          {2, QStringLiteral("木こり")},
        {3, QStringLiteral("釣り")},          {4, QStringLiteral("農作業")},
        {5, QStringLiteral("ハーブ採り")},    {6, QStringLiteral("鉱石掘り")},
        {7, QStringLiteral("薬調合")},        {8, QStringLiteral("料理")},
        {9, QStringLiteral("製材")},          {10, QStringLiteral("精錬作業")},
        {11, QStringLiteral("裁縫作業専門")}, {12, QStringLiteral("革細工")},
        {29, QStringLiteral("特殊")},         {32, QStringLiteral("素材32")}};
    return names.value(s, QStringLiteral("作業%1").arg(s, 2, 10, QLatin1Char('0')));
}

inline QMap<int, QStringList> standardProducts() {
    QMap<int, QStringList> rows;
    rows[1] = {QStringLiteral("005:ウサギの肉 012:03 4 00 北の森,湖畔,西の丘")};
    rows[2] = {QStringLiteral("010:木材 010:02 10 00 森")};
    QStringList fish;
    for (int r = 1; r <= 80; ++r)
        fish << QStringLiteral("%1:魚%2 003:01 1 00 海")
                    .arg(r, 3, 10, QLatin1Char('0'))
                    .arg(r, 2, 10, QLatin1Char('0'));
    rows[3] = fish;
    rows[4] = {QStringLiteral("001:糸 005:01 1 00 畑")};
    rows[5] = {QStringLiteral("003:薬草 005:01 2 00 薬草園")};
    rows[6] = {QStringLiteral("008:鉄鉱石 010:01 10 00 北の坑道")};
    rows[7] = {QStringLiteral("010:傷薬 020:02 1 02薬草 30"),
               QStringLiteral("012:眠り薬 010:03 1 01薬草 0,眠気,5"),
               QStringLiteral("020:万能薬 030:05 2 02薬草,01木材 20,HP回復,30,毒治療")};
    rows[8] = {QStringLiteral("005:焼き肉 010:02 3 01ウサギの肉 15,満腹,10")};
    rows[9] = {QStringLiteral("005:板 008:02 4 02木材")};
    rows[10] = {QStringLiteral("010:鉄 015:02 20 02鉄鉱石")};
    rows[11] = {QStringLiteral("010:布 010:02 2 02糸")};
    rows[12] = {QStringLiteral("005:皮 006:02 5 00")};
    rows[13] = {QStringLiteral("020:剣 050:10 30 02鉄,01木材,01皮"),
                QStringLiteral("010:短剣 030:05 15 01鉄")};
    rows[14] = {QStringLiteral("010:秘剣 020:03 10 01秘薬の素")};
    rows[15] = {QStringLiteral("015:外套 020:03 8 02布")};
    rows[29] = {QStringLiteral("005:秘薬の素 005:01 7 00")};
    rows[32] = {QStringLiteral("001:魔石 010:02 3 00")};
    return rows;
}

inline QStringList makeDataLines(const QMap<int, QStringList>& rows = standardProducts()) {
    QStringList lines{QStringLiteral("# test data")};
    for (int s = 1; s <= 32; ++s) {
        lines << QStringLiteral("#%1 %2").arg(s, 2, 10, QLatin1Char('0')).arg(sectionName(s));
        lines << rows.value(
            s, {QStringLiteral("001:品%1 010:02 5 00").arg(s, 2, 10, QLatin1Char('0'))});
    }
    return lines;
}

// Guild sections in work-list order (sections 1..28, 30, 31). Sections 1 and 2 both belong
// to 狩猟; 釣り has a guild entry without a dot and a person with a dot; 農作業 a learning
// entry without a dot.
inline QStringList guildDataLines(int sections = 31) {
    QStringList lines;
    for (int g = 1; g <= sections; ++g) {
        const int s = g <= 28 ? g : g + 1;
        QString name = s <= 32 ? sectionName(s) : QStringLiteral("予備");
        QString values = QStringLiteral("村%1.建物%1.人%1, 町%1.ギルド%1.長%1,条件%1,備考").arg(g);
        switch (g) {
            case 1:
                values = QStringLiteral(
                    "森村.狩人小屋.ハンス,港町.酒場.ガント, 森村.狩猟ギルド.オルガ,条件1,備考");
                break;
            case 2:
                name = sectionName(1);
                values = QStringLiteral("雪村.氷小屋.ユキ, 王都.第二ギルド.ベン,条件2,備考");
                break;
            case 3:
                values = QStringLiteral("港町.漁師小屋.ロイ.二代目, 港町,なし,備考");
                break;
            case 4:
                values = QStringLiteral("畑, 王都.農業ギルド.トム,小麦5個,備考");
                break;
            case 32:
                name = sectionName(1);
                values = QStringLiteral("偽村.偽小屋.偽人, 偽町.偽ギルド.偽長,偽条件,備考");
                break;
            default:
                break;
        }
        lines << QStringLiteral("#%1: %2").arg(g, 2, 10, QLatin1Char('0')).arg(name) << values;
    }
    return lines;
}

inline void writeProductFixture(const TestFolder& folder, int guildSections = 31) {
    folder.writeStandardFileList();
    folder.writeLines(QStringLiteral("txtFile/MakeData.txt"), makeDataLines());
    folder.writeLines(QStringLiteral("txtFile/GuildData.txt"), guildDataLines(guildSections));
}

}  // namespace wmtest
