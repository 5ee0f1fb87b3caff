#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "childwidget.h"
#include "clicks.h"
#include "fakehost.h"
#include "gamedata.h"
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testfolder.h"
#include "testmain.h"

using wm::CharacterPage;
using wm::CharacterSubPage;
using wm::Equipment;
using wm::MainWindow;
using Answer = wm::Dialogs::Answer;
using wmtest::shell;
using E = Equipment;

namespace {

const QStringList kJobs{"# 職業",          "平民 50 01",     "剣士 70 02 剣,刀,",
                        "封印 40 03 盾,,", "軽装 60 04 鎧,", "商人 abc 05"};

// One or a few products per equipment kind; necklaces (code 29xx) among the rings of 28.
QStringList productionData() {
    const QMap<int, QStringList> items{
        {13, {"010:銅の剣 010:03 12 00 1301", "020:鉄の剣 020:03 20 00 1302"}},
        {14, {"010:小太刀 010:03 15 00 1401"}},
        {15, {"010:手斧 010:03 30 00 1501"}},
        {20, {"005:革の兜 005:03 8 00 2001"}},
        {21, {"005:布の帽子 005:03 2 00 2101"}},
        {22, {"005:布の手袋 005:03 1 00 2201"}},
        {23, {"005:革の靴 005:03 3 00 2301"}},
        {24, {"010:木の盾 010:03 25 00 2401"}},
        {25, {"005:布の服 005:03 6 00 2501"}},
        {26, {"005:革の鎧 005:03 15 00 2601"}},
        {27, {"010:鉄の鎧 010:03 60 00 2701"}},
        {28,
         {"005:銅の指輪 005:03 1 00 2801", "015:木彫りの首飾り 015:03 3 00 2901",
          "020:銀の指輪 020:03 2 00 2802"}},
        {29, {"020:銀の鎖 020:03 4 00 2911"}},
        {30, {"001:雑記帳 001:02 40 00 3001"}},
        {31, {"001:太鼓 001:02 50 00 3101"}}};
    QStringList lines{"# 生産データ"};
    for (int s = 1; s <= 32; ++s)
        lines << QString("#%1 作業%1").arg(s, 2, 10, QChar('0')) << items.value(s);
    return lines;
}

// A user's choice from a list's popup.
void pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Typed characters as a keyboard or an input method sends them, one code point a key.
void typeText(QWidget* field, const QString& text) {
    for (char32_t point : text.toUcs4()) {
        const QString one = QString::fromUcs4(&point, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

// The object names of the equipment lists and labels, in the page's order.
const char* const kEquipmentNames[] = {
    "sword",       "katana", "axe",      "staff", "abacus",    "whip",    "fightingGloves",
    "helmet",      "hat",    "gloves",   "boots", "shield",    "clothes", "leatherArmour",
    "metalArmour", "ring",   "necklace", "book",  "instrument"};

QComboBox* equipmentList(MainWindow& w, Equipment kind) {
    return wmtest::child<QComboBox>(&w, QString(kEquipmentNames[int(kind)]) + "List");
}

QColor labelColour(MainWindow& w, Equipment kind) {
    return wmtest::child<QLabel>(&w, QString(kEquipmentNames[int(kind)]) + "Caption")
        ->palette()
        .color(QPalette::WindowText);
}

QComboBox* nameBox(MainWindow& w) {
    return wmtest::child<QComboBox>(&w, "nameList");
}

QComboBox* jobList(MainWindow& w) {
    return wmtest::child<QComboBox>(&w, "jobList");
}

QLineEdit* edit(MainWindow& w, const char* name) {
    return wmtest::child<QLineEdit>(&w, name);
}

QComboBox* slotWork(MainWindow& w, int slot) {
    return wmtest::child<QComboBox>(&w, QString("jobSlot%1WorkList").arg(slot));
}

QLineEdit* slotLevel(MainWindow& w, int slot) {
    return wmtest::child<QLineEdit>(&w, QString("jobSlot%1LevelBox").arg(slot));
}

QPushButton* saveButton(MainWindow& w) {
    return wmtest::child<QPushButton>(&w, "saveCharacterButton");
}

QString savedCode(MainWindow& w, Equipment kind) {
    return wm::savedEquipmentCode(w.characterPage().equipmentChoice(kind));
}

}  // namespace

class CharacterPageTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void listsOnFirstShowing_data() { sizes(); }
    void listsOnFirstShowing();
    void exclusiveGroups_data();
    void exclusiveGroups();
    void necklaceWeightAndCode_data();
    void necklaceWeightAndCode();
    void sampleNecklacesWeighTheirRows();
    void jobLimits_data();
    void jobLimits();
    void limitsActOnVisibleWindow();
    void maximumWeight();
    void fameSlots_data();
    void fameSlots();
    void nameCut_data();
    void nameCut();
    void nameList();
    void workSlots_data();
    void workSlots();
    void workSlotTypingRestores();
    void threeSaves_data() { sizes(); }
    void threeSaves();
    void saveRefused_data();
    void saveRefused();
    void saveCancelled();
    void saveGoesWhereReadersLook_data();
    void saveGoesWhereReadersLook();
    void failedAppendReported();

  private:
    void sizes() { wmtest::bothWindowSizes(); }
    MainWindow& page(int code) {
        MainWindow& w = host->mainWindow(code);
        w.show();
        w.runTabAction(wm::TabAction::CharacterPage);
        return w;
    }
    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<FakeHost> host;
};

void CharacterPageTest::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    folder->writeLines("txtFile/JobData.txt", kJobs);
    folder->writeLines("txtFile/MakeData.txt", productionData());
    host = std::make_unique<FakeHost>();
    folder->prepare(host->data);
    wm::loadJobs(host->data, host->scripted);
    wm::loadProducts(host->data, host->scripted);
    host->data.history.clear();
}

void CharacterPageTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
    folder.reset();
}

void CharacterPageTest::listsOnFirstShowing() {
    QFETCH(int, code);
    MainWindow& w = page(code);
    QCOMPARE(jobList(w)->count(), 24);
    QCOMPARE(jobList(w)->currentText(), QString("平民"));
    QCOMPARE(jobList(w)->itemText(23), QString());
    QCOMPARE(w.characterPage().jobCode(), QString("01"));
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString("1000"));  // strength 0 x 50 + 1000
    const QMap<Equipment, QStringList> expected{
        {E::Sword, {"未選択", "銅の剣", "鉄の剣"}},
        {E::Staff, {"未選択"}},
        {E::Ring, {"未選択", "銅の指輪", "銀の指輪"}},
        {E::Necklace, {"未選択", "木彫りの首飾り", "銀の鎖"}}};
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QStringList shown;
        for (int i = 0; i < equipmentList(w, it.key())->count(); ++i)
            shown << equipmentList(w, it.key())->itemText(i);
        QCOMPARE(shown, it.value());
    }
    for (Equipment kind : wm::kAllEquipment) {
        QCOMPARE(equipmentList(w, kind)->currentIndex(), 0);
        QCOMPARE(savedCode(w, kind), QString("0000"));
    }
    QCOMPARE(edit(w, "equipmentWeightBox")->text(), QString("0"));
}

void CharacterPageTest::exclusiveGroups_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Equipment>("first");
    QTest::addColumn<Equipment>("second");
    QTest::addColumn<bool>("firstReset");
    QTest::addColumn<QString>("secondTag");
    QTest::addColumn<QString>("weight");
    for (int code : {1, 2}) {
        auto row = [code](const char* name) { return &QTest::addRow("%d %s", code, name); };
        *row("斧 after 剣") << code << E::Sword << E::Axe << true << "0301501"
                            << "30";
        *row("盾 after 製本") << code << E::Book << E::Shield << true << "0252401"
                              << "25";
        *row("盾 after 楽器") << code << E::Instrument << E::Shield << true << "0252401"
                              << "25";
        *row("製本 after 盾, not weighed") << code << E::Shield << E::Book << true << "0403001"
                                           << "0";
        *row("帽子 after 兜") << code << E::Helmet << E::Hat << true << "0022101"
                              << "2";
        *row("金属鎧 after 衣") << code << E::Clothes << E::MetalArmour << true << "0602701"
                                << "60";
        *row("首飾り beside 指輪") << code << E::Ring << E::Necklace << false << "0032901"
                                   << "5";
        *row("靴 beside 手袋") << code << E::Gloves << E::Boots << false << "0032301"
                               << "4";
    }
}

void CharacterPageTest::exclusiveGroups() {
    QFETCH(int, code);
    QFETCH(Equipment, first);
    QFETCH(Equipment, second);
    QFETCH(bool, firstReset);
    QFETCH(QString, secondTag);
    QFETCH(QString, weight);
    MainWindow& w = page(code);
    pick(equipmentList(w, first), equipmentList(w, first)->count() - 1);
    pick(equipmentList(w, second), 1);
    QCOMPARE(equipmentList(w, first)->currentIndex(),
             firstReset ? 0 : equipmentList(w, first)->count() - 1);
    QCOMPARE(savedCode(w, first) == "0000", firstReset);
    // The reset must not come back to the list just chosen.
    QCOMPARE(equipmentList(w, second)->currentIndex(), 1);
    QCOMPARE(savedCode(w, second), secondTag);
    QCOMPARE(edit(w, "equipmentWeightBox")->text(), weight);
}

void CharacterPageTest::necklaceWeightAndCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("weight");
    for (int code : {1, 2}) {
        QTest::addRow("%d coded 29 among the rings", code) << code << 1 << "0032901"
                                                           << "3";
        QTest::addRow("%d section 29's own row", code) << code << 2 << "0042911"
                                                       << "4";
    }
}

void CharacterPageTest::necklaceWeightAndCode() {
    QFETCH(int, code);
    QFETCH(int, index);
    QFETCH(QString, tag);
    QFETCH(QString, weight);
    MainWindow& w = page(code);
    pick(equipmentList(w, E::Necklace), index);
    QCOMPARE(savedCode(w, E::Necklace), tag);
    QCOMPARE(edit(w, "equipmentWeightBox")->text(), weight);
}

void CharacterPageTest::sampleNecklacesWeighTheirRows() {
    wmtest::TestFolder sample;
    sample.copySampleData();
    sample.prepare(host->data);
    host->data.products = wm::ProductTable();
    host->data.jobs = wm::JobTable();
    wm::loadJobs(host->data, host->scripted);
    wm::loadProducts(host->data, host->scripted);
    // Name, weight and code as the sample's rows give them: three among the rings, five in
    // their own section.
    const QList<QStringList> expected{
        {"木彫りの首飾り", "1", "2901"}, {"貝殻の首飾り", "1", "2902"},
        {"銀の首飾り", "2", "2903"},     {"銀の鎖", "1", "2911"},
        {"真珠の首飾り", "1", "2912"},   {"水晶の首飾り", "1", "2913"},
        {"金の首飾り", "2", "2914"},     {"紅玉の首飾り", "2", "2915"}};
    MainWindow& w = page(1);
    QCOMPARE(equipmentList(w, E::Necklace)->count(), int(expected.size()) + 1);
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList& item = expected.at(i);
        pick(equipmentList(w, E::Necklace), i + 1);
        QCOMPARE(equipmentList(w, E::Necklace)->currentText(), item.at(0));
        QCOMPARE(edit(w, "equipmentWeightBox")->text(), item.at(1));
        QCOMPARE(savedCode(w, E::Necklace), QString("00") + item.at(1) + item.at(2));
    }
}

void CharacterPageTest::jobLimits_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("job");
    QTest::addColumn<QList<Equipment>>("locked");
    const QList<Equipment> all(wm::kAllEquipment.begin(), wm::kAllEquipment.end());
    for (int code : {1, 2}) {
        QTest::addRow("%d 剣,刀,", code) << code << 1 << QList<Equipment>{E::Sword, E::Katana};
        QTest::addRow("%d empty token", code) << code << 2 << all;
        QTest::addRow("%d 鎧, in two captions", code)
            << code << 3 << QList<Equipment>{E::LeatherArmour, E::MetalArmour};
        QTest::addRow("%d no limits", code) << code << 0 << QList<Equipment>{};
    }
}

void CharacterPageTest::jobLimits() {
    QFETCH(int, code);
    QFETCH(int, job);
    QFETCH(QList<Equipment>, locked);
    MainWindow& w = page(code);
    const QColor normal = labelColour(w, E::Sword);
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    QVERIFY(grey != normal);
    const QMap<Equipment, int> weights{
        {E::Sword, 12}, {E::Shield, 25}, {E::LeatherArmour, 15}, {E::Ring, 1}};
    int kept = 0;
    for (auto it = weights.begin(); it != weights.end(); ++it) {
        pick(equipmentList(w, it.key()), 1);
        kept += locked.contains(it.key()) ? 0 : it.value();
    }
    pick(jobList(w), job);
    for (Equipment n : wm::kAllEquipment) {
        const bool isLocked = locked.contains(n);
        QCOMPARE(equipmentList(w, n)->isEnabled(), !isLocked);
        QCOMPARE(labelColour(w, n), isLocked ? grey : normal);
        if (weights.contains(n))
            QCOMPARE(equipmentList(w, n)->currentIndex(), isLocked ? 0 : 1);
    }
    QCOMPARE(edit(w, "equipmentWeightBox")->text(), QString::number(kept));
    QCOMPARE(w.characterPage().jobCode(), QString("0%1").arg(job + 1));

    // Another class first frees every list.
    pick(jobList(w), 4);
    for (Equipment n : wm::kAllEquipment) {
        QVERIFY(equipmentList(w, n)->isEnabled());
        QCOMPARE(labelColour(w, n), normal);
    }
}

void CharacterPageTest::limitsActOnVisibleWindow() {
    MainWindow& large = page(2);
    large.hide();
    MainWindow& small = page(1);
    // The hidden window's class change locks the lists of the one the user sees.
    pick(jobList(large), 1);
    QVERIFY(!equipmentList(small, E::Sword)->isEnabled());
    QVERIFY(equipmentList(large, E::Sword)->isEnabled());
    pick(jobList(large), 2);
    pick(jobList(small), 0);
    for (MainWindow* w : {&small, &large}) {
        for (Equipment n : wm::kAllEquipment)
            QVERIFY(equipmentList(*w, n)->isEnabled());
    }
}

void CharacterPageTest::maximumWeight() {
    MainWindow& w = page(1);
    edit(w, "strengthBox")->setText("30");
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString("2500"));
    // A new class changes the carry factor at once.
    pick(jobList(w), 1);
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString("3100"));
    // A factor or a strength that is no number leaves no weight of the values before.
    pick(jobList(w), 4);
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString());
    pick(jobList(w), 0);
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString("2500"));
    edit(w, "strengthBox")->setText("");
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString());
    // Only strength counts.
    edit(w, "strengthBox")->setText("30");
    edit(w, "agilityBox")->setText("99");
    QCOMPARE(edit(w, "maximumWeightBox")->text(), QString("2500"));
}

void CharacterPageTest::fameSlots_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("fame");
    QTest::addColumn<int>("count");
    const QList<std::pair<const char*, int>> rows{{"2500", 9},  {"2501", 10},  {"5000", 10},
                                                  {"5001", 11}, {"15000", 11}, {"15001", 12},
                                                  {"-1", 12},   {"", 9},       {"abc", 9}};
    for (int code : {1, 2}) {
        for (const auto& [fame, count] : rows)
            QTest::addRow("%d fame '%s'", code, fame) << code << QString(fame) << count;
    }
}

void CharacterPageTest::fameSlots() {
    QFETCH(int, code);
    QFETCH(QString, fame);
    QFETCH(int, count);
    MainWindow& w = page(code);
    w.characterPage().chooseSubPage(CharacterSubPage::Works);
    edit(w, "fameBox")->setText("20000");
    edit(w, "fameBox")->setText(fame);
    for (int k = 9; k <= 12; ++k) {
        QCOMPARE(wmtest::child<QCheckBox>(&w, QString("jobSlot%1Check").arg(k))->isVisible(),
                 k <= count);
        QCOMPARE(slotWork(w, k)->isVisible(), k <= count);
        QCOMPARE(slotLevel(w, k)->isVisible(), k <= count);
    }
}

void CharacterPageTest::nameCut_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("13 + double") << "abcdefghijklmあ"
                                 << "abcdefghijklm";
    QTest::newRow("14 single") << "abcdefghijklmn"
                               << "abcdefghijklmn";
    QTest::newRow("15 single") << "abcdefghijklmno"
                               << "abcdefghijklmn";
    QTest::newRow("7 double") << "あいうえおかき"
                              << "あいうえおかき";
    QTest::newRow("8 double") << "あいうえおかきく"
                              << "あいうえおかき";
    QTest::newRow("half-width kana") << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ"
                                     << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ";
    QTest::newRow("not in code page") << "a한b😀c€d"
                                      << "abcd";
}

void CharacterPageTest::nameCut() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    MainWindow& w = page(1);
    typeText(nameBox(w), typed);
    QCOMPARE(nameBox(w)->currentText(), kept);
    QCOMPARE(nameBox(w)->lineEdit()->cursorPosition(), kept.size());
    // Pasting goes round the key filter but not round the rules.
    nameBox(w)->setEditText(typed);
    QCOMPARE(nameBox(w)->currentText(), kept);
}

void CharacterPageTest::nameList() {
    MainWindow& w = page(1);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto leaveName = [&](const QString& name) {
        nameBox(w)->setFocus();
        nameBox(w)->setEditText(name);
        edit(w, "levelBox")->setFocus();
    };
    leaveName("");
    leaveName("");
    QCOMPARE(nameBox(w)->count(), 1);
    leaveName("Alice");
    leaveName("Bob");
    leaveName("alice");
    QCOMPARE(nameBox(w)->count(), 4);
    QCOMPARE(nameBox(w)->itemText(3), QString("alice"));
    // A known name stays shown and is not added again.
    leaveName("Alice");
    QCOMPARE(nameBox(w)->count(), 4);
    QCOMPARE(nameBox(w)->currentText(), QString("Alice"));
}

void CharacterPageTest::workSlots_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("slotCode");
    for (int code : {1, 2}) {
        QTest::addRow("%d empty entry", code) << code << 0 << "" << 6;
        QTest::addRow("%d section 7", code) << code << 1 << "作業07" << 7;
        QTest::addRow("%d section 28", code) << code << 22 << "作業28" << 28;
        QTest::addRow("%d section 30", code) << code << 23 << "作業30" << 29;
        QTest::addRow("%d section 31", code) << code << 24 << "作業31" << 30;
    }
}

void CharacterPageTest::workSlots() {
    QFETCH(int, code);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(int, slotCode);
    MainWindow& w = page(code);
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&w, "subPageWorksOption"));
    for (int k = 7; k <= 12; ++k) {
        QCOMPARE(slotWork(w, k)->count(), 25);
        QCOMPARE(slotWork(w, k)->currentIndex(), -1);
    }
    pick(slotWork(w, 8), position);
    QCOMPARE(slotWork(w, 8)->itemText(position), name);
    QCOMPARE(w.characterPage().workCode(8), slotCode);
    pick(slotWork(w, 3), 0);
    QCOMPARE(w.characterPage().workCode(3), 3);
    // The refill keeps the codes and shows the work each names.
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&w, "subPageStatusOption"));
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&w, "subPageWorksOption"));
    QCOMPARE(w.characterPage().workCode(8), slotCode);
    QCOMPARE(slotWork(w, 8)->currentIndex(), position);
    QCOMPARE(slotWork(w, 7)->currentIndex(), -1);
    QCOMPARE(w.characterPage().workCode(7), 0);
}

void CharacterPageTest::workSlotTypingRestores() {
    MainWindow& w = page(1);
    w.characterPage().chooseSubPage(CharacterSubPage::Works);
    pick(slotWork(w, 8), 6);
    QTest::keyClicks(slotWork(w, 8), "x");
    QCOMPARE(slotWork(w, 8)->currentText(), QString("作業12"));
    QCOMPARE(w.characterPage().workCode(8), 12);
    // A slot without a work has nothing to restore.
    QTest::keyClicks(slotWork(w, 9), "x");
    QCOMPARE(w.characterPage().workCode(9), 0);
}

void CharacterPageTest::threeSaves() {
    QFETCH(int, code);
    MainWindow& w = page(code);
    nameBox(w)->setEditText("騎士アリス");
    pick(jobList(w), 1);
    const QStringList values{"45", "300", "12", "8", "5", "40", "15", "30", ""};
    const char* const statusBoxes[] = {"levelBox",        "hpBox",       "vitalityBox",
                                       "intelligenceBox", "luckBox",     "mpBox",
                                       "agilityBox",      "strengthBox", "charmBox"};
    for (int i = 0; i < 9; ++i)
        edit(w, statusBoxes[i])->setText(values.at(i));
    edit(w, "fameBox")->setText("2600");
    edit(w, "currentWeightBox")->setText("120");
    pick(equipmentList(w, E::Axe), 1);
    pick(equipmentList(w, E::Necklace), 1);
    pick(equipmentList(w, E::Book), 1);
    w.characterPage().chooseSubPage(CharacterSubPage::Works);
    slotLevel(w, 1)->setText("10");
    pick(slotWork(w, 7), 1);
    slotLevel(w, 7)->setText("5");
    pick(slotWork(w, 8), 6);
    slotLevel(w, 8)->setText("45");
    pick(slotWork(w, 9), 0);  // chosen, level 0: still in its place
    pick(slotWork(w, 10), 23);
    slotLevel(w, 10)->setText("3");

    const QString head =
        "騎士アリス,02,%1,300,12,8,5,40,15,30,0,0,0,1501,0,0,0,0,0,0,0,0,0,0,0,0,0,"
        "2901,3001,0.120 2008/03/05 14:%2.2600.";
    const QString works = "01010,02000,03000,04000,05000,06000,07005,12045,06000,29003,,,";
    QStringList lines;
    for (int save = 0; save < 3; ++save) {
        if (save == 2)
            edit(w, "levelBox")->setText("46");
        w.characterPage().stampSavesWith(QDateTime(QDate(2008, 3, 5), QTime(14, 7 + save, 33)));
        host->scripted.expectMessage(Answer::Yes);
        host->scripted.expectMessage(Answer::Ok);
        QTest::mouseClick(saveButton(w), Qt::LeftButton);
        lines << head.arg(save == 2 ? "46" : "45",
                          QString("%1:33").arg(7 + save, 2, 10, QChar('0'))) +
                     works;
        QCOMPARE(folder->readBytes("txtFile/PCData.txt"), wmtest::cp932Lines(lines));
    }
    const auto& boxes = host->scripted.shown();
    QCOMPARE(boxes.size(), 6);
    QCOMPARE(boxes.at(0).text, QString("キャラデータの保存をしてもよろしいですか？"));
    QCOMPARE(boxes.at(0).title, QString("保存の確認"));
    QCOMPARE(boxes.at(0).buttons, wm::Dialogs::Buttons::YesNo);
    QVERIFY(boxes.at(1).text.endsWith("に保存しました"));
    // Used slots with an empty level now show the 0 that was saved.
    QCOMPARE(slotLevel(w, 2)->text(), QString("0"));
    QCOMPARE(slotLevel(w, 9)->text(), QString("0"));
    QCOMPARE(slotLevel(w, 11)->text(), QString());
    wm::loadHistory(host->data);
    QCOMPARE(host->data.history.name(1), QString("騎士アリス"));
    QVERIFY(!host->data.history.at(1, wm::HistoryField::SavedAtAndWorks, 3).isEmpty());
    QVERIFY(host->data.history.at(1, wm::HistoryField::SavedAtAndWorks, 4).isEmpty());
}

void CharacterPageTest::saveRefused_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fame");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    for (int code : {1, 2}) {
        for (bool byMenu : {false, true}) {
            const char* how = byMenu ? "menu" : "button";
            QTest::addRow("%d %s empty", code, how) << code << byMenu << ""
                                                    << "0"
                                                    << "キャラ名を入力してください"
                                                    << "キャラ名の未入力";
            QTest::addRow("%d %s comma", code, how) << code << byMenu << "A,B"
                                                    << "0"
                                                    << "キャラ名にカンマ（,）は使えません"
                                                    << "入力ミス";
        }
    }
    // Whatever let a letter into a number box, the history never gets it.
    QTest::addRow("fame with letters") << 1 << false << "ロイ"
                                       << "12345678kz"
                                       << "名声は半角数字で入力してください"
                                       << "入力ミス";
}

void CharacterPageTest::saveRefused() {
    QFETCH(int, code);
    QFETCH(bool, byMenu);
    QFETCH(QString, name);
    QFETCH(QString, fame);
    QFETCH(QString, message);
    QFETCH(QString, title);
    MainWindow& w = page(code);
    nameBox(w)->setEditText(name);
    wmtest::child<QLineEdit>(&w, "fameBox")->setText(fame);
    host->scripted.expectMessage(Answer::Ok);
    if (byMenu)
        shell(w).saveCharacterDataAction->trigger();
    else
        QTest::mouseClick(saveButton(w), Qt::LeftButton);
    QCOMPARE(host->scripted.shown().size(), 1);
    QCOMPARE(host->scripted.last().text, message);
    QCOMPARE(host->scripted.last().title, title);
    QVERIFY(!folder->exists("txtFile/PCData.txt"));
}

void CharacterPageTest::saveCancelled() {
    MainWindow& w = page(2);
    nameBox(w)->setEditText("Bob");
    host->scripted.expectMessage(Answer::No);
    host->scripted.expectMessage(Answer::Ok);
    shell(w).saveCharacterDataAction->trigger();
    QCOMPARE(host->scripted.last().text, QString("キャラデータの保存をキャンセルをしました"));
    QCOMPARE(host->scripted.last().title, QString("データ保存"));
    QVERIFY(!folder->exists("txtFile/PCData.txt"));
}

void CharacterPageTest::saveGoesWhereReadersLook_data() {
    QTest::addColumn<QString>("folderEntry");
    QTest::addColumn<QString>("fileEntry");
    QTest::addColumn<QString>("written");
    QTest::newRow("no trailing backslash") << "txtFile"
                                           << "PCData.txt"
                                           << "txtFile/PCData.txt";
    QTest::newRow("other extension") << "txtFile\\"
                                     << "PCData.dat"
                                     << "txtFile/PCData.dat";
    QTest::newRow("dot folder") << ".\\txtFile\\"
                                << "PCData.txt"
                                << "txtFile/PCData.txt";
}

void CharacterPageTest::saveGoesWhereReadersLook() {
    QFETCH(QString, folderEntry);
    QFETCH(QString, fileEntry);
    QFETCH(QString, written);
    host->data.fileList.set(0, folderEntry);
    host->data.fileList.set(6, fileEntry);
    MainWindow& w = page(1);
    nameBox(w)->setEditText("Bob");
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(saveButton(w), Qt::LeftButton);
    QCOMPARE(host->scripted.last().text,
             host->data.nativeDataPath(wm::FileListEntry::History) + "に保存しました");
    QVERIFY(folder->readBytes(written).startsWith("Bob,"));
    wm::loadHistory(host->data);  // what PC表示 and the reincarnation window read
    QCOMPARE(host->data.history.names(), QStringList{"Bob"});
}

void CharacterPageTest::failedAppendReported() {
    MainWindow& w = page(1);
    QVERIFY(QDir(folder->path()).mkpath("txtFile/PCData.txt"));
    nameBox(w)->setEditText("Bob");
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(saveButton(w), Qt::LeftButton);
    const QString path = QDir::toNativeSeparators(folder->filePath("txtFile/PCData.txt"));
    QVERIFY2(host->scripted.last().text.startsWith(path + " に保存できませんでした"),
             qPrintable(host->scripted.last().text));
    QVERIFY(QFileInfo(folder->filePath("txtFile/PCData.txt")).isDir());
}

WM_TEST_MAIN(CharacterPageTest)
#include "tst_characterpage.moc"
