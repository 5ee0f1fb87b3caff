#pragma once

#include <QStringList>

#include "testfolder.h"

namespace wmtest {

// Section names 1..32 as the production data file heads them.
inline QStringList sectionNames() {
    return {"狩猟",         "木こり",   "釣り",       "農作業",   "ハーブ採り",   "鉱石掘り",
            "薬調合",       "料理",     "製材",       "精錬",     "裁縫",         "革細工",
            "剣鍛冶",       "刀鍛冶",   "斧鍛冶",     "杖細工",   "ソロバン細工", "ムチ細工",
            "グローブ縫製", "兜鍛冶",   "帽子縫製",   "手袋縫製", "靴縫製",       "盾鍛冶",
            "衣縫製",       "皮鎧縫製", "金属鎧鍛冶", "指輪細工", "首飾り細工",   "製本",
            "楽器製作",     "細工"};
}

// Production data with headers only (the character windows read section names) and a
// short job list; job codes are not row numbers, so a lookup by row would show.
inline void writeGameData(const TestFolder& folder) {
    QStringList make = {"# production data"};
    const QStringList names = sectionNames();
    for (int s = 1; s <= names.size(); ++s)
        make << QStringLiteral("#%1 %2").arg(s, 2, 10, QLatin1Char('0')).arg(names.at(s - 1));
    folder.writeLines("txtFile/MakeData.txt", make);
    folder.writeLines("txtFile/JobData.txt",
                      {"# jobs", "平民 50 01", "戦士 70 02 杖,", "侍 65 03 剣,", "商人 40 07"});
}

// One saved character line: name, job, nine values (level, HP, 体力, 知力, 幸運, MP, 敏捷,
// 筋力, 魅力), no equipment, weight 120, the save time, fame and the work entries.
inline QString pcLine(const QString& name, const QString& job, const QStringList& values,
                      const QString& time, const QString& fame, const QString& works) {
    QStringList items;
    for (int i = 0; i < 19; ++i)
        items << "0";
    return name + "," + job + "," + values.join(',') + "," + items.join(',') + ".120 " + time +
           "." + fame + "." + works;
}

}  // namespace wmtest
