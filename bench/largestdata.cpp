#include "largestdata.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>

#include "appdata.h"
#include "characterhistory.h"
#include "cp932.h"
#include "gamedata.h"
#include "options.h"
#include "textrules.h"

namespace wmbench {

namespace {

const QStringList kWorks{
    QStringLiteral("狩猟"),         QStringLiteral("木こり"),       QStringLiteral("釣り"),
    QStringLiteral("農作業"),       QStringLiteral("ハーブ採り"),   QStringLiteral("鉱石掘り"),
    QStringLiteral("薬調合"),       QStringLiteral("料理"),         QStringLiteral("製材"),
    QStringLiteral("精錬"),         QStringLiteral("裁縫"),         QStringLiteral("革細工"),
    QStringLiteral("剣鍛冶"),       QStringLiteral("刀鍛冶"),       QStringLiteral("斧鍛冶"),
    QStringLiteral("杖細工"),       QStringLiteral("ソロバン細工"), QStringLiteral("ムチ細工"),
    QStringLiteral("グローブ縫製"), QStringLiteral("兜鍛冶"),       QStringLiteral("帽子縫製"),
    QStringLiteral("手袋縫製"),     QStringLiteral("靴縫製"),       QStringLiteral("盾鍛冶"),
    QStringLiteral("衣縫製"),       QStringLiteral("皮鎧縫製"),     QStringLiteral("金属鎧鍛冶"),
    QStringLiteral("指輪細工"),     QStringLiteral("首飾り細工"),   QStringLiteral("製本"),
    QStringLiteral("楽器製作"),     QStringLiteral("細工"),
};

QString two(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString three(int n) {
    return QString::number(n).rightJustified(3, QLatin1Char('0'));
}

QString productName(int section, int row) {
    return kWorks.at(section - 1) + QStringLiteral("の品") + two(row);
}

bool isGathering(int s) {
    return s >= 1 && s <= 6;
}

bool isMaterialWork(int s) {
    return (s >= 9 && s <= 12) || s == 32;
}

// A material: one of the first 70 products of a gathering or material section.
QString material(int section, int row, int k) {
    static const int kSources[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 32};
    const int source = kSources[(section + row + k) % 11];
    return two(k + 1) + productName(source, (row * 7 + k * 13) % 70 + 1);
}

QString productLine(int s, int row) {
    QString line = three((s * 7 + row * 3) % 299 + 1) + QLatin1Char(':') + productName(s, row);
    line += QLatin1Char(' ') + three(row % 200 + 5) + QLatin1Char(':') + two(row % 9 + 2);
    line += QLatin1Char(' ') + QString::number(row % 40 + 1) + QLatin1Char(' ');
    if (isGathering(s) || (row % 10 == 0 && !isMaterialWork(s)))
        line += QStringLiteral("00");
    else
        line += material(s, row, 0) + QLatin1Char(',') + material(s, row, 1) + QLatin1Char(',') +
                material(s, row, 2);
    line += QLatin1Char(' ');
    if (isGathering(s))
        line += QStringLiteral("北の森,東の草原,岩山の洞窟");
    else if (s == 7 || s == 8)
        line += QStringLiteral("30,HP回復,%1,MP回復,%2").arg(row + 10).arg(row % 30 + 5);
    else if (s == 28 && row > 60)
        line += QStringLiteral("29") + two(row);  // necklaces are listed with the rings
    else
        line += two(s) + two(row);
    return line;
}

QStringList fileList() {
    return {QStringLiteral("# 生成した最大のデータ"),
            QStringLiteral("txtFile\\"),
            QStringLiteral("ExpTable.txt"),
            QStringLiteral("result"),
            QStringLiteral("MakeData.txt"),
            QStringLiteral("Reserve.txt"),
            QStringLiteral("JobData.txt"),
            QStringLiteral("PCData.txt"),
            QStringLiteral("wmtool"),
            QStringLiteral("Option.txt"),
            QStringLiteral("GuildData.txt"),
            QStringLiteral("Reserve2.txt")};
}

QStringList expLines() {
    wm::ExpTable table;
    wm::fillExpTableByFormula(table);
    QStringList lines{QStringLiteral("# 経験値テーブル")};
    for (int level = 1; level <= 300; ++level) {
        const qint64 exp =
            level < 300 ? table.at(level).toLongLong() : table.at(299).toLongLong() + 1000;
        lines << QStringLiteral("Lv") + three(level) + QLatin1Char(' ') + QString::number(exp);
    }
    return lines;
}

QStringList productLines() {
    QStringList lines{QStringLiteral("# 生産データ")};
    for (int s = 1; s <= 32; ++s) {
        lines << QLatin1Char('#') + two(s) + QLatin1Char(' ') + kWorks.at(s - 1);
        for (int row = 1; row <= 80; ++row)
            lines << productLine(s, row);
    }
    return lines;
}

QStringList jobLines() {
    static const QString kLimits[] = {
        QString(),
        QStringLiteral(" 杖,ソロバン,製本,楽器,"),
        QStringLiteral(" 剣,斧,杖,ソロバン,ムチ,盾,製本,楽器,"),
        QStringLiteral(" 刀,杖,ソロバン,ムチ,グローブ,帽子,製本,楽器,"),
    };
    QStringList lines{QStringLiteral("# 職業データ")};
    for (int job = 1; job <= 24; ++job) {
        const QString name = job == 1 ? QStringLiteral("平民") : QStringLiteral("職業") + two(job);
        lines << name + QLatin1Char(' ') + QString::number(50 + job) + QLatin1Char(' ') + two(job) +
                     kLimits[job % 4];
    }
    return lines;
}

QStringList guildLines() {
    QStringList lines;
    for (int guild = 1; guild <= 31; ++guild) {
        const int section = guild <= 28 ? guild : guild == 31 ? 3 : guild + 1;
        lines << QLatin1Char('#') + two(guild) + QStringLiteral(": ") + kWorks.at(section - 1);
        lines << QStringLiteral(
                     "森の村エルム.狩人の小屋.狩人ハンス,港町ベルナ.酒場.猟師ガント,"
                     "王都アルス.工房.職人ミナ, 王都アルス.%1ギルド.ギルド長オルガ,"
                     "なし,初心者向け")
                     .arg(kWorks.at(section - 1));
    }
    return lines;
}

bool write(const QString& path, const QStringList& lines, QString* error) {
    const wm::FileResult result = wm::writeLines(path, lines);
    if (!result.ok && error)
        *error = path + QStringLiteral(": ") + result.error;
    return result.ok;
}

}  // namespace

bool writeCharacterHistory(const QString& nativePath, int characters, int saves, QString* error) {
    const QDateTime first(QDate(2026, 1, 1), QTime(9, 0));
    QStringList lines;
    for (int save = 0; save < saves; ++save) {
        for (int c = 1; c <= characters; ++c) {
            wm::CharacterLine pc;
            pc.name = QStringLiteral("キャラ") + two(c);
            pc.jobCode = two(c % 24 + 1);
            for (size_t i = 0; i < pc.values.size(); ++i)
                pc.values[i] = QString::number(10 + save + int(i));
            for (size_t i = 0; i < pc.equipment.size(); ++i)
                pc.equipment[i] = {QString::number(i + 1), double(i + 1),
                                   two(int(i) + 13) + two(save % 80 + 1)};
            pc.weight = QString::number(1000 + save);
            pc.savedAt = first.addSecs(qint64(save * characters + c) * 60);
            pc.fame = QString::number(save * 10);
            for (size_t i = 0; i < pc.workCodes.size(); ++i) {
                pc.workCodes[i] = int(i) + 1;
                pc.workLevels[i] = QString::number(save + int(i));
            }
            lines << wm::characterLine(pc);
        }
    }
    return write(nativePath, lines, error);
}

bool writeLargestData(const QString& folder, int optionCode, QString* error) {
    if (!QDir(folder).mkpath(QStringLiteral("txtFile"))) {
        if (error)
            *error = folder + QStringLiteral(": txtFile を作れません");
        return false;
    }
    wm::AppData d;
    d.programFolder = wm::programFolderFrom(folder);
    const QStringList list = fileList();
    int entry = 0;
    for (const QString& line : list) {
        if (!line.startsWith(QLatin1Char('#')))
            d.fileList.set(entry++, line);
    }
    const QString listPath = QDir(folder).filePath(QStringLiteral("txtFile/FileList.txt"));
    if (!write(listPath, list, error) ||
        !write(d.nativeDataPath(wm::FileListEntry::ExpTable), expLines(), error) ||
        !write(d.nativeDataPath(wm::FileListEntry::Products), productLines(), error) ||
        !write(d.nativeDataPath(wm::FileListEntry::Jobs), jobLines(), error) ||
        !write(d.nativeDataPath(wm::FileListEntry::Guilds), guildLines(), error) ||
        !writeCharacterHistory(d.nativeDataPath(wm::FileListEntry::History), kHistoryCharacters,
                               kHistorySaves, error))
        return false;
    if (optionCode != 0) {
        // The code is the file's page digit, then its size digit.
        const wm::WindowChoice choice{
            optionCode % 10 == 2 ? wm::WindowSize::Large : wm::WindowSize::Small,
            optionCode / 10 == 2 ? wm::StartPage::Character : wm::StartPage::Calculation};
        if (const auto problem = wm::saveOptions(d, choice)) {
            if (error)
                *error = problem->text;
            return false;
        }
    }
    return true;
}

}  // namespace wmbench
