#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "childwidget.h"
#include "clicks.h"
#include "fakehost.h"
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testmain.h"

using Opener = wm::AppData::SettingsOpener;
Q_DECLARE_METATYPE(wm::AppData::SettingsOpener)

using wm::CharacterSubPage;
using wm::MainWindow;
using wmtest::calc;
using wmtest::shell;

namespace {

const QString kTitle = QStringLiteral("Wendmoorツール　Ver.0.2.6");
const QString kCalcTitle = kTitle + QStringLiteral("  ( 仕事技術計算 )");
const QString kCharTitle = kTitle + QStringLiteral("  ( キャラデータ )");

// Tab action by its button where the window has one, else by its 表示 menu entry.
void runTab(MainWindow& w, wm::TabAction action, bool byMenu) {
    QPushButton* button = shell(w).tabButton(action);
    if (!byMenu && button)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        shell(w).tabAction(action)->trigger();
}

template <class T = QWidget>
T* child(MainWindow& w, const char* name) {
    return wmtest::child<T>(&w, name);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() { host = std::make_unique<FakeHost>(); }
    void cleanup() {
        WM_VERIFY_DIALOGS(host->scripted);
        host.reset();
    }

    void titleFollowsPage_data();
    void titleFollowsPage();
    void otherActionsKeepTitle_data();
    void otherActionsKeepTitle();
    void characterPageFilledOnce();
    void subPages_data();
    void subPages();
    void sizeSwitch_data();
    void sizeSwitch();
    void settingsCode_data();
    void settingsCode();
    void closingEndsProgram_data();
    void closingEndsProgram();
    void characterButtonsReachProgram();
    void resultAppendsToLastLine();
    void sizeDifferences_data();
    void sizeDifferences();
    void listsStartUnchosen();

  private:
    MainWindow& shown(int code) {
        MainWindow& w = host->mainWindow(code);
        w.show();
        return w;
    }
    std::unique_ptr<FakeHost> host;
};

void TestMainWindow::titleFollowsPage_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("byMenu");
    for (int code : {1, 2}) {
        for (bool byMenu : {false, true})
            QTest::addRow("code %d %s", code, byMenu ? "menu" : "button") << code << byMenu;
    }
}

void TestMainWindow::titleFollowsPage() {
    QFETCH(int, code);
    QFETCH(bool, byMenu);
    MainWindow& w = shown(code);
    QCOMPARE(w.windowTitle(), kTitle);
    runTab(w, wm::TabAction::CharacterPage, byMenu);
    QCOMPARE(w.windowTitle(), kCharTitle);
    QVERIFY(child(w, "characterPage")->isVisible());
    QVERIFY(!shell(w).calculationPage->isVisible());
    runTab(w, wm::TabAction::CalculationPage, byMenu);
    QCOMPARE(w.windowTitle(), kCalcTitle);
    QVERIFY(shell(w).calculationPage->isVisible());
    QVERIFY(!child(w, "characterPage")->isVisible());
    QCOMPARE(w.baseTitle(), kTitle);
}

void TestMainWindow::otherActionsKeepTitle_data() {
    QTest::addColumn<int>("tab");
    for (int i : {3, 4, 5, 6})
        QTest::addRow("tab %d", i) << i;
}

void TestMainWindow::otherActionsKeepTitle() {
    QFETCH(int, tab);
    MainWindow& w = shown(1);
    w.runTabAction(wm::TabAction::CharacterPage);
    QSignalSpy product(&w, &MainWindow::productWindowRequested);
    QSignalSpy reincarnation(&w, &MainWindow::reincarnationRequested);
    w.runTabAction(wm::TabAction(tab));
    QCOMPARE(w.windowTitle(), kCharTitle);
    QCOMPARE(product.count(), tab == 4 ? 1 : 0);
    QCOMPARE(reincarnation.count(), tab == 6 ? 1 : 0);
    QCOMPARE(host->settingsShown, tab == 5 ? 1 : 0);
    // Actions outside 1..6 do nothing at all.
    w.runTabAction(wm::TabAction(7));
    w.runTabAction(wm::TabAction(0));
    QCOMPARE(w.windowTitle(), kCharTitle);
}

void TestMainWindow::characterPageFilledOnce() {
    MainWindow& w = shown(1);
    w.runTabAction(wm::TabAction::CalculationPage);
    QVERIFY(!w.existingCharacterPage());
    w.runTabAction(wm::TabAction::CharacterPage);
    QVERIFY(w.existingCharacterPage()->listsFilled());
    QVERIFY(child<QRadioButton>(w, "subPageStatusOption")->isChecked());
    QVERIFY(child(w, "statusFrame")->isVisible());

    // The user's sub-page survives a second showing of the page.
    wmtest::clickIndicator(child<QRadioButton>(w, "subPageEquipmentOption"));
    w.runTabAction(wm::TabAction::CalculationPage);
    w.runTabAction(wm::TabAction::CharacterPage);
    QVERIFY(w.existingCharacterPage()->listsFilled());
    QVERIFY(child<QRadioButton>(w, "subPageEquipmentOption")->isChecked());
    QVERIFY(child(w, "weaponFrame")->isVisible());
    QVERIFY(!child(w, "statusFrame")->isVisible());
}

void TestMainWindow::subPages_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sub");
    // status, weapon, equipment, weight and work frames
    QTest::addColumn<QList<bool>>("visible");
    for (int code : {1, 2}) {
        QTest::addRow("%d 能力", code)
            << code << 0 << QList<bool>{true, false, false, false, false};
        QTest::addRow("%d 装備", code) << code << 1 << QList<bool>{false, true, true, true, false};
        QTest::addRow("%d 技術", code) << code << 2 << QList<bool>{true, false, false, false, true};
    }
}

void TestMainWindow::subPages() {
    QFETCH(int, code);
    QFETCH(int, sub);
    QFETCH(QList<bool>, visible);
    MainWindow& w = shown(code);
    w.runTabAction(wm::TabAction::CharacterPage);
    // Start from a different sub-page so every frame has to change.
    w.characterPage().chooseSubPage(sub == 1 ? CharacterSubPage::Works
                                             : CharacterSubPage::Equipment);
    const char* const buttons[] = {"subPageStatusOption", "subPageEquipmentOption",
                                   "subPageWorksOption"};
    wmtest::clickIndicator(child<QRadioButton>(w, buttons[sub]));
    QList<bool> seen;
    for (const char* frame :
         {"statusFrame", "weaponFrame", "equipmentFrame", "weightFrame", "workFrame"})
        seen << child(w, frame)->isVisible();
    QCOMPARE(seen, visible);
    // Buttons and help line belong to every sub-page.
    QVERIFY(child(w, "saveCharacterButton")->isVisible());
    QVERIFY(child(w, "luckPrayerButton")->isVisible());
}

void TestMainWindow::sizeSwitch_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("byMenu");
    QTest::addRow("small to large") << 1 << false;
    QTest::addRow("large to small") << 2 << true;
}

void TestMainWindow::sizeSwitch() {
    QFETCH(int, code);
    QFETCH(bool, byMenu);
    MainWindow& w = shown(code);
    w.runTabAction(wm::TabAction::CharacterPage);
    child<QLineEdit>(w, "strengthBox")->clear();
    QTest::keyClicks(child<QLineEdit>(w, "strengthBox"), QStringLiteral("25"));
    w.appendResult(QStringLiteral("here"));
    QVERIFY(!host->windows[3 - code]);

    runTab(w, wm::TabAction::SwitchSize, byMenu);
    QVERIFY(host->windows[3 - code]);
    MainWindow& other = *host->windows[3 - code];
    QVERIFY(other.isVisible());
    QVERIFY(!w.isVisible());
    QCOMPARE(other.windowTitle(), kTitle);  // its own load, no page chosen yet
    QCOMPARE(w.windowTitle(), kCharTitle);

    QTest::keyClicks(calc(other).startLevelBox, QStringLiteral("5"));
    other.appendResult(QStringLiteral("there"));
    runTab(other, wm::TabAction::SwitchSize, byMenu);
    QVERIFY(w.isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(calc(w).resultBox->toPlainText().isEmpty());
    QCOMPARE(child<QLineEdit>(w, "strengthBox")->text(), QStringLiteral("25"));
    QVERIFY(child(w, "characterPage")->isVisible());
    QCOMPARE(calc(other).resultBox->toPlainText(), QStringLiteral("there"));

    runTab(w, wm::TabAction::SwitchSize, byMenu);
    QCOMPARE(calc(other).startLevelBox->text(), QStringLiteral("5"));
    QVERIFY(calc(other).resultBox->toPlainText().isEmpty());
}

void TestMainWindow::settingsCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("page");
    QTest::addColumn<Opener>("expected");
    using wm::StartPage;
    using wm::WindowSize;
    QTest::addRow("small calc") << 1 << 1
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Small, StartPage::Calculation}};
    QTest::addRow("small char") << 1 << 2
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Small, StartPage::Character}};
    QTest::addRow("large calc") << 2 << 1
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Large, StartPage::Calculation}};
    QTest::addRow("large char") << 2 << 2
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Large, StartPage::Character}};
}

void TestMainWindow::settingsCode() {
    QFETCH(int, code);
    QFETCH(int, page);
    QFETCH(Opener, expected);
    MainWindow& w = shown(code);
    w.runTabAction(wm::TabAction(page));
    host->data.optionsMissing = true;
    shell(w).startupSettingsAction->trigger();
    QVERIFY(host->data.settingsOpener == expected);
    QVERIFY(!host->data.optionsMissing);
    QCOMPARE(host->settingsShown, 1);
}

void TestMainWindow::closingEndsProgram_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("byMenu");
    QTest::addRow("small close box") << 1 << false;
    QTest::addRow("small 閉じる") << 1 << true;
    QTest::addRow("large close box") << 2 << false;
    QTest::addRow("large 閉じる") << 2 << true;
}

void TestMainWindow::closingEndsProgram() {
    QFETCH(int, code);
    QFETCH(bool, byMenu);
    MainWindow& w = shown(code);
    if (byMenu)
        shell(w).closeAction->trigger();
    else
        w.close();
    QCOMPARE(host->ended, 1);
}

void TestMainWindow::characterButtonsReachProgram() {
    MainWindow& w = shown(1);
    w.runTabAction(wm::TabAction::CharacterPage);
    QSignalSpy characterSave(&w, &MainWindow::characterSaveRequested);
    QSignalSpy savedCharacters(&w, &MainWindow::savedCharactersRequested);
    QSignalSpy save(&w, &MainWindow::saveResultRequested);
    QSignalSpy about(&w, &MainWindow::aboutRequested);
    // The save and the result file each say why there is nothing to write.
    host->scripted.expectMessage(wm::Dialogs::Answer::Ok);
    host->scripted.expectMessage(wm::Dialogs::Answer::Ok);
    QTest::mouseClick(child<QPushButton>(w, "showSavedCharactersButton"), Qt::LeftButton);
    shell(w).saveCharacterDataAction->trigger();
    shell(w).showCharacterDataAction->trigger();
    QTest::mouseClick(child<QPushButton>(w, "luckPrayerButton"), Qt::LeftButton);
    QCOMPARE(savedCharacters.count(), 1);
    QCOMPARE(characterSave.count(), 1);
    shell(w).saveResultAction->trigger();
    shell(w).aboutAction->trigger();
    QCOMPARE(save.count(), 1);
    QCOMPARE(about.count(), 1);
    QCOMPARE(host->scripted.shown().at(0).text, QStringLiteral("キャラ名を入力してください"));
    QCOMPARE(host->scripted.shown().at(1).text,
             QStringLiteral("結果がないので、ファイル作成は出来ません"));
    // 幸運祈願 and PCデータ表示 change nothing on the page.
    QCOMPARE(child<QLineEdit>(w, "luckBox")->text(), QStringLiteral("0"));
    QCOMPARE(w.windowTitle(), kCharTitle);
}

void TestMainWindow::resultAppendsToLastLine() {
    MainWindow& w = shown(1);
    w.appendResult(QStringLiteral("Lv.005 10\n"));
    w.appendResult(QStringLiteral("-----"));
    w.appendResult(QStringLiteral("-----\n"));
    // A user click into the middle must not move where results go.
    QTextCursor start = calc(w).resultBox->textCursor();
    start.setPosition(0);
    calc(w).resultBox->setTextCursor(start);
    w.appendResult(QStringLiteral("end"));
    QCOMPARE(calc(w).resultBox->toPlainText(), QStringLiteral("Lv.005 10\n----------\nend"));
}

void TestMainWindow::sizeDifferences_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("menuWork");
    QTest::addColumn<bool>("checkTips");
    QTest::addRow("small") << 1 << QStringLiteral("作業ファイル作成") << true;
    QTest::addRow("large") << 2 << QStringLiteral("作業ファイルの作成") << false;
}

void TestMainWindow::sizeDifferences() {
    QFETCH(int, code);
    QFETCH(QString, menuWork);
    QFETCH(bool, checkTips);
    MainWindow& w = shown(code);
    QCOMPARE(shell(w).saveResultAction->text(), menuWork);
    QCOMPARE(!calc(w).showWeightCheck->toolTip().isEmpty(), checkTips);
    QCOMPARE(!calc(w).showStepsCheck->toolTip().isEmpty(), checkTips);
    // Both sizes keep the other size's texts otherwise.
    QCOMPARE(wmtest::child<QPushButton>(&w.characterPage(), "saveCharacterButton")->text(),
             QStringLiteral("PC保存（&S）"));
    const QSize expected = code == 1 ? QSize(518, 448) : QSize(642, 532);
    QVERIFY2(w.width() >= expected.width() && w.width() <= expected.width() + 20,
             qPrintable(QString::number(w.width())));
    QVERIFY2(w.height() >= expected.height() && w.height() <= expected.height() + 20,
             qPrintable(QString::number(w.height())));
}

void TestMainWindow::listsStartUnchosen() {
    MainWindow& w = shown(1);
    wm::CharacterPage& page = w.characterPage();
    page.chooseSubPage(wm::CharacterSubPage::Works);  // the job slots are built there
    QCOMPARE(child<QComboBox>(w, "jobSlot6WorkList")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(w, "jobSlot6WorkList")->currentText(), QStringLiteral("鉱石堀り"));
    QCOMPARE(child<QComboBox>(w, "jobSlot6WorkList")->itemText(0), QStringLiteral("鉱石掘り"));
    QCOMPARE(child<QComboBox>(w, "jobSlot1WorkList")->currentIndex(), -1);
    QCOMPARE(page.workCode(6), 6);
    QCOMPARE(page.workCode(7), 0);
    QCOMPARE(wm::savedEquipmentCode(page.equipmentChoice(wm::Equipment::Sword)),
             QStringLiteral("0000"));
    QCOMPARE(child<QComboBox>(w, "swordList")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(w, "jobList")->placeholderText(), QStringLiteral("平民"));
}

WM_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
