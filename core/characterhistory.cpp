#include "characterhistory.h"

#include <QFileInfo>
#include <cmath>

#include "appdata.h"
#include "cp932.h"
#include "numbers.h"
#include "textrules.h"

namespace wm {

const CharacterHistory::Character* CharacterHistory::character(int slot) const {
    return slot >= 1 && slot <= slotCount() ? &characters_[size_t(slot - 1)] : nullptr;
}

QString CharacterHistory::at(int slot, HistoryField field, int record) const {
    const Character* c = character(slot);
    if (!c || record < 1 || record > int(c->saves.size()))
        return QString();
    const Save& save = c->saves[size_t(record - 1)];
    switch (field) {
        case HistoryField::Name:
            return c->name;
        case HistoryField::SavedAtAndWorks:
            return save.savedAtAndWorks;
        case HistoryField::JobToWeight:
            return save.jobToWeight;
    }
    return QString();
}

void CharacterHistory::add(const QString& name, const QString& savedAtAndWorks,
                           const QString& jobToWeight) {
    auto found = slotOfName_.constFind(name);
    if (found == slotOfName_.constEnd()) {
        found = slotOfName_.insert(name, slotCount());
        characters_.push_back({name, {}});
    }
    characters_[size_t(*found)].saves.push_back({savedAtAndWorks, jobToWeight});
}

void CharacterHistory::clear() {
    characters_.clear();
    slotOfName_.clear();
}

int CharacterHistory::recordCount(int slot) const {
    const Character* c = character(slot);
    return c ? int(c->saves.size()) : 0;
}

QString CharacterHistory::name(int slot) const {
    const Character* c = character(slot);
    return c ? c->name : QString();
}

QStringList CharacterHistory::names() const {
    QStringList list;
    for (const Character& c : characters_)
        list << c.name;
    return list;
}

std::optional<NumberField> nonNumberField(const CharacterLine& in) {
    if (!isAllDigits(in.weight))
        return NumberField{NumberField::Kind::Weight};
    if (!isAllDigits(in.fame))
        return NumberField{NumberField::Kind::Fame};
    for (int i = 0; i < kJobSlots; ++i) {
        if (in.workCodes[size_t(i)] != 0 && !isAllDigits(in.workLevels[size_t(i)]))
            return NumberField{NumberField::Kind::WorkLevel, i + 1};
    }
    return std::nullopt;
}

QString characterLine(CharacterLine& in) {
    const QString comma = QStringLiteral(",");
    QString line = in.name + comma + in.jobCode;
    for (const QString& value : in.values)
        line += comma + (isNumber(value) ? value : QStringLiteral("0"));
    for (const EquipmentChoice& choice : in.equipment) {
        const QString code = savedEquipmentCode(choice);
        line += comma + (isNumber(code) ? code.mid(3) : QString());
    }
    line += QStringLiteral(".") + in.weight + QStringLiteral(" ");
    line += in.savedAt.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    line += QStringLiteral(".") + in.fame + QStringLiteral(".");
    for (int i = 0; i < kJobSlots; ++i) {
        const int code = in.workCodes[size_t(i)];
        if (code == 0) {
            line += comma;
            continue;
        }
        QString& level = in.workLevels[size_t(i)];
        if (level.isEmpty())
            level = QStringLiteral("0");
        const auto levelValue = toNumber(level);
        // Every used slot is written, level 0 too: the readers give the entries to the slots
        // in their order, so a skipped slot would move every later one up.
        line += format00(code) + (levelValue ? format000(*levelValue) : level) + comma;
    }
    return line;
}

namespace {

// The code of an entry: all but its last three characters (its level).
int savedWorkCode(const QString& entry) {
    const auto value = toNumber(entry.left(qMax<qsizetype>(0, entry.size() - 3)));
    if (!value || *value != std::floor(*value) || std::abs(*value) > 1e9)
        return 0;
    return int(*value);
}

}  // namespace

SavedCharacter readSave(const QString& jobToWeight, const QString& savedAtAndWorks) {
    const QChar comma = QLatin1Char(',');
    const QChar dot = QLatin1Char('.');
    SavedCharacter save;
    QString d = jobToWeight;
    save.jobCode = textBefore(d, comma);
    d = textAfter(d, comma);
    save.level = textBefore(d, comma);
    d = textAfter(d, comma);
    for (QString& value : save.values) {
        value = textBefore(d, comma);
        d = textAfter(d, comma);
    }

    QString w = savedAtAndWorks;
    if (!w.contains(dot))
        return save;
    save.hasWorks = true;
    w = textAfter(w, dot);  // drops the save time
    save.fame = textBefore(w, dot);
    w = textAfter(w, dot);
    for (SavedWork& work : save.works) {
        // The text after the last comma is no entry.
        const QString entry = w.contains(comma) ? textBefore(w, comma) : QString();
        if (!entry.isEmpty()) {
            work.code = savedWorkCode(entry);
            work.level = entry.mid(2);
        }
        w = textAfter(w, comma);
    }
    return save;
}

QString shownSavedLevel(const QString& level) {
    if (level.isEmpty())
        return QString();
    const auto value = toNumber(level);
    return value ? numText(floorInt(*value)) : level;
}

QStringList saveTimes(const CharacterHistory& table, int slot) {
    QStringList saves;
    for (int r = table.recordCount(slot); r >= 1; --r)
        saves << textBefore(table.at(slot, HistoryField::SavedAtAndWorks, r), QLatin1Char('.'));
    return saves;
}

bool isCompleteSave(const QString& line) {
    // name, job code, 9 values and 19 item codes, the last one followed by "." and the weight
    constexpr qsizetype kFieldsToWeight = 30;
    // The name may hold a blank: the weight's blank is the first one after its comma.
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    const qsizetype blank = comma < 0 ? -1 : line.indexOf(QLatin1Char(' '), comma);
    if (blank < 0 || !line.endsWith(QLatin1Char(',')))
        return false;
    const QStringView text(line);
    return text.mid(comma, blank - comma).count(QLatin1Char(',')) >= kFieldsToWeight - 1 &&
           text.mid(blank + 1).count(QLatin1Char('.')) >= 2;
}

QString loadHistory(AppData& d) {
    CharacterHistory& table = d.history;
    table.clear();
    const QString path = d.nativeDataPath(FileListEntry::History);
    const ReadResult file = readTextLines(path);
    if (!file.ok) {
        // No file yet is no failure: nothing has been saved.
        const QFileInfo info(path);
        return info.exists() || info.isSymLink() ? file.error : QString();
    }
    for (const QString& line : file.lines) {
        if (!isCompleteSave(line))
            continue;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const QString rest = line.mid(comma + 1);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        table.add(line.left(comma), rest.mid(blank + 1), rest.left(blank + 1));
    }
    return QString();
}

std::optional<Message> historyProblemMessage(const AppData& d, const QString& reason) {
    if (reason.isEmpty())
        return std::nullopt;
    return Message{d.nativeDataPath(FileListEntry::History) +
                       QStringLiteral("\r\nファイルを開けません: ") + reason,
                   d.appTitle, Dialogs::Icon::Exclamation};
}

}  // namespace wm
