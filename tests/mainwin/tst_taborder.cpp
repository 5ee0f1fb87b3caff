// The Tab order of both pages: the order the user moves through the controls, at both
// window sizes, whichever way the pages were built.

#include <QTest>
#include <memory>

#include "characterpage.h"
#include "fakehost.h"
#include "mainwindow.h"
#include "tabstops.h"
#include "testmain.h"

using wm::MainWindow;
using wmtest::tabOrderNames;

class TabOrderTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { host = std::make_unique<FakeHost>(); }
    void cleanup() { host.reset(); }

    void pages_data();
    void pages();

  private:
    std::unique_ptr<FakeHost> host;
};

void TabOrderTest::pages_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("characterPage");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("openedOnCharacterPage");
    // The level group, the options, the buttons row by row, then the product side.
    const QStringList calculation = {
        "startLevelBox",    "targetLevelBox", "remainingExpCheck", "remainingExpBox",
        "showWeightCheck",  "showStepsCheck", "expTabOrderOption", "countTabOrderOption",
        "calculateButton",  "expListButton",  "runsNeededButton",  "clearButton",
        "saveResultButton", "workList",       "productList",       "productLevelBox",
        "runExpBox",        "materialsBox",   "resultBox"};
    QStringList character{"subPageStatusOption", "subPageEquipmentOption", "subPageWorksOption"};
    // 能力: the status boxes row by row across both columns.
    character << QStringList{"nameList",        "jobList",     "fameBox",     "levelBox",
                             "hpBox",           "mpBox",       "vitalityBox", "agilityBox",
                             "intelligenceBox", "strengthBox", "luckBox",     "charmBox"};
    // 装備: the weapons, then the weights.
    character << QStringList{"swordList",          "katanaList",         "axeList",
                             "staffList",          "abacusList",         "whipList",
                             "fightingGlovesList", "equipmentWeightBox", "currentWeightBox",
                             "maximumWeightBox"};
    // 技術: the job slots.
    for (int slot = 1; slot <= 12; ++slot) {
        for (const char* part : {"Check", "WorkList", "LevelBox"})
            character << QStringLiteral("jobSlot%1").arg(slot) + QLatin1String(part);
    }
    // 装備: everything else worn or carried.
    character << QStringList{"helmetList", "hatList",      "glovesList",        "bootsList",
                             "shieldList", "clothesList",  "leatherArmourList", "metalArmourList",
                             "ringList",   "necklaceList", "bookList",          "instrumentList"};
    // The buttons below the sub-pages.
    character << QStringList{"saveCharacterButton", "showSavedCharactersButton",
                             "luckPrayerButton"};
    for (bool opened : {false, true}) {
        // A window that opens on its character page builds the calculation page later.
        const char* way = opened ? ", opened on character page" : "";
        QTest::addRow("small, calculation%s", way) << 1 << false << calculation << opened;
        QTest::addRow("large, calculation%s", way) << 2 << false << calculation << opened;
        QTest::addRow("small, character%s", way) << 1 << true << character << opened;
        QTest::addRow("large, character%s", way) << 2 << true << character << opened;
    }
}

void TabOrderTest::pages() {
    QFETCH(int, code);
    QFETCH(bool, characterPage);
    QFETCH(QStringList, expected);
    QFETCH(bool, openedOnCharacterPage);
    MainWindow& w =
        host->mainWindow(code, openedOnCharacterPage ? MainWindow::FirstPage::Character
                                                     : MainWindow::FirstPage::Calculation);
    QWidget* page = characterPage ? static_cast<QWidget*>(&w.characterPage())
                                  : static_cast<QWidget*>(&w.calculationPage());
    // The job slots are built when their sub-page is first shown.
    if (characterPage)
        w.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    QCOMPARE(tabOrderNames(&w, page), expected);
}

WM_TEST_MAIN(TabOrderTest)
#include "tst_taborder.moc"
