// The calculator's rules over fields typed by the user, one input line a field, on the
// sample data: the level calculation, the calculation page's small rules, the character
// page's rules and the line it saves, the reincarnation formula and the number rules.
#include "calculationrules.h"
#include "characterhistory.h"
#include "characterrules.h"
#include "fuzzcommon.h"
#include "gamedata.h"
#include "levelcalc.h"
#include "materialtree.h"
#include "numbers.h"
#include "production.h"
#include "reincarnation.h"
#include "textrules.h"

using namespace wm;

namespace {

// The sample data files copied into the program folder and loaded once, without a message.
const AppData& sampleData() {
    static AppData d;
    static const bool loaded = [] {
        for (const char* name : {"MakeData.txt", "JobData.txt", "ExpTable.txt", "GuildData.txt"}) {
            QFile sample(QStringLiteral(WM_SAMPLE_DATA_DIR "/") + QLatin1String(name));
            if (!sample.open(QIODevice::ReadOnly))
                std::abort();
            wmfuzz::writeDataFile(QLatin1String(name), sample.readAll());
        }
        wmfuzz::prepare(d);
        wmfuzz::SilentDialogs dialogs;
        loadExpTable(d);
        loadProducts(d, dialogs);
        loadJobs(d, dialogs);
        loadGuilds(d, dialogs);
        return dialogs.messages == 0;
    }();
    FUZZ_CHECK(loaded);
    return d;
}

// One of n choices that the text picks, the same on every run.
int pick(const QString& text, int n) {
    unsigned sum = 0;
    for (const QChar c : text)
        sum = sum * 31 + c.unicode();
    return int(sum % unsigned(n));
}

// Text where a field must not hold a separator of the saved line.
QString without(QString text, const QString& characters) {
    for (const QChar c : characters)
        text.remove(c);
    return text;
}

// What a box that takes half-width digits only can hold of the text.
QString digits(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            kept += c;
    }
    return kept;
}

void levelRules(AppData& d, const QStringList& f) {
    LevelInputs in;
    in.windowCode = f.value(0).size() % 2 + 1;
    in.startLevel = f.value(1);
    in.targetLevel = f.value(2);
    in.exp = f.value(3);
    in.useExp = !in.exp.isEmpty();
    const LevelOutcome out = calculateLevels(d, in);
    // A calculation that ran has no problem and shows its lines; one that did not says why.
    if (out.done)
        FUZZ_CHECK(!out.problem && !out.pieces.isEmpty());
    else
        FUZZ_CHECK(out.problem && !out.problem->message.text.isEmpty() && out.pieces.isEmpty());
    startLevelLabel(d, in.startLevel);
    const auto level = intPart(in.startLevel);
    if (level && *level >= -5 && *level <= 305)
        expEntry(d, int(*level));
    if (f.value(0) == QLatin1String("list"))
        FUZZ_CHECK(!expListText(d, expListLevels(in.windowCode)).isEmpty());
    levelEnter(in.windowCode == 1 ? LevelBox::Start : LevelBox::Target, in.targetLevel);
}

void calculationPageRules(const AppData& d, const QStringList& f) {
    const QString work = f.value(4);
    productLabelTip(work);
    const QString runExp = runExpText(f.value(5), f.value(6));
    if (f.value(5).isEmpty() && f.value(6).isEmpty())
        FUZZ_CHECK(runExp.isEmpty());
    lockedByData(f.value(7));
    const auto row = intPart(f.value(8));
    const int section = pick(work, ProductTable::kSections + 1);
    if (row && *row >= -1 && *row <= ProductTable::kRows + 1)
        productFieldsOf(d.products, section, int(*row));
}

void characterRules(const AppData& d, const QStringList& f) {
    const int kind = pick(f.value(9), kEquipmentKinds);
    const EquipmentChoice choice = equipmentChoice(d.products, Equipment(kind), f.value(10));
    savedEquipmentCode(choice);
    countedWeight(choice);
    std::array<EquipmentChoice, kEquipmentKinds> choices{};
    choices[size_t(kind)] = choice;
    equipmentWeight(choices);
    equipmentGroupOf(Equipment(kind));
    equipmentCaption(Equipment(kind));
    FUZZ_CHECK(slotCountForFame(f.value(11)) >= 9 && slotCountForFame(f.value(11)) <= 12);
    const QString limits = f.value(12);
    jobLimitTokens(limits);
    lockedEquipment(limits);
    maxWeightText(f.value(13), f.value(14));
    const QString name = cutCharacterName(f.value(15));
    FUZZ_CHECK(byteLength(name) <= 14);
    for (int position = -1; position <= 26; ++position)
        entryOfWorkCode(workCodeOfEntry(position), 25);
    freeSlotSections();

    // The saved line: whatever the page's boxes can hold gives a line the reader takes whole.
    CharacterLine line;
    line.name = without(f.value(15), QStringLiteral(","));
    line.jobCode = without(f.value(16), QStringLiteral(", "));
    for (size_t i = 0; i < line.values.size(); ++i)
        line.values[i] = digits(f.value(17 + int(i) % 4));
    line.equipment = choices;
    line.weight = digits(f.value(18));
    line.savedAt = QDateTime(QDate(2008, 3, 5), QTime(14, 7, 33));
    line.fame = f.value(11);
    for (int i = 0; i < kJobSlots; ++i) {
        line.workCodes[size_t(i)] = pick(f.value(19 + i), 32);
        line.workLevels[size_t(i)] = f.value(19 + i);
    }
    FUZZ_CHECK(isCompleteSave(characterLine(line)));
}

void reincarnationRules(const QStringList& f) {
    std::array<double, 8> values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = toNumber(f.value(22 + int(i))).value_or(0);
    const double count = toNumber(f.value(20)).value_or(1);
    reincarnationLevel(count);
    const double level = toNumber(f.value(21)).value_or(0);
    // A reincarnation below its level gives nothing; at or above it, always a result.
    FUZZ_CHECK(reincarnationStatus(count, level, values).has_value() ==
               (reincarnationLevel(count) <= level));
}

void numberRules(const QStringList& f) {
    for (const QString& text : f.mid(0, 8)) {
        const auto number = toNumber(text);
        FUZZ_CHECK(number.has_value() == isNumber(text));
        intPart(text);
        wholeNumber(text);
        const RunsInput runs = readRunCount(text);
        FUZZ_CHECK(runs.runs.has_value() == runs.error.isEmpty());
        roundInt64(text);
        if (!number)
            continue;
        roundInt16(*number);
        roundInt32(*number);
        floorInt64(*number);
        if (const auto whole = roundInt64(*number)) {
            numText(*whole);
            checkedAdd(*whole, *whole);
            checkedSub(*whole, -*whole);
            checkedMul(*whole, *whole);
            ceilDiv(*whole, 7);
            ceilDiv(*whole, -3);
        }
        numText(*number);
        formatDigits(*number, 3);
        const int position = int(text.size() % 7) - 3;
        FUZZ_CHECK(std::holds_alternative<Message>(roundUpAt(*number, position)) ==
                   (position == 0));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList fields = decodeCp932(wmfuzz::bytesOf(data, size)).split(QLatin1Char('\n'));
    AppData d = sampleData();
    levelRules(d, fields);
    calculationPageRules(d, fields);
    characterRules(d, fields);
    reincarnationRules(fields);
    numberRules(fields);
    return 0;
}
