// The character page is built the first time something needs it; every way there must
// find it as a page built with the window would be.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "childwidget.h"
#include "firstusehost.h"
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testfolder.h"
#include "testmain.h"

using wm::CharacterPage;
using wm::MainWindow;
using Answer = wm::Dialogs::Answer;

namespace {

const QString kTitle = QStringLiteral("Wendmoorツール　Ver.0.2.6");

// The controls a Tab press can reach, in the window's tab order.
QList<QWidget*> tabOrder(QWidget* window) {
    QList<QWidget*> order;
    QWidget* w = window;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w != window)
            order << w;
        w = w->nextInFocusChain();
    } while (w && w != window);
    return order;
}

}  // namespace

class CharacterPageFirstUseTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void sizes_data();
    void notBuiltWithWindow_data() { sizes_data(); }
    void notBuiltWithWindow();
    void tabOrderAsBuiltWithWindow_data() { sizes_data(); }
    void tabOrderAsBuiltWithWindow();
    void menuSaveBeforeShowing_data() { sizes_data(); }
    void menuSaveBeforeShowing();
    void limitsReachUnbuiltVisiblePage();
    void strengthOfHiddenWindowBuildsNothing();
    void pageOfOtherSize();
    void jobSlotsOnFirstShowing_data();
    void jobSlotsOnFirstShowing();
    void saveBeforeJobSlotsShown();

  private:
    MainWindow& shown(int code) {
        MainWindow& w = host->mainWindow(code);
        w.show();
        return w;
    }
    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<FakeHost> host;
};

void CharacterPageFirstUseTest::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    wmtest::writeFirstUseData(*folder);
    host = wmtest::firstUseHost(*folder);
}

void CharacterPageFirstUseTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
    folder.reset();
}

void CharacterPageFirstUseTest::sizes_data() {
    wmtest::bothWindowSizes();
}

void CharacterPageFirstUseTest::notBuiltWithWindow() {
    QFETCH(int, code);
    MainWindow& w = shown(code);
    QVERIFY(!w.existingCharacterPage());
    QVERIFY(!w.findChild<QWidget*>("characterPage"));
    // Switching to the calculation page, or away from a page never shown, builds nothing.
    w.runTabAction(wm::TabAction::CalculationPage);
    QVERIFY(!w.existingCharacterPage());
    // The menu entry builds it, shows it and fills its lists.
    wmtest::shell(w).tabAction(wm::TabAction::CharacterPage)->trigger();
    CharacterPage* page = w.existingCharacterPage();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(page->listsFilled());
    QCOMPARE(page->parentWidget(), wmtest::shell(w).calculationPage->parentWidget());
    QCOMPARE(page->geometry(), wmtest::shell(w).calculationPage->geometry());
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobList")->currentText(), QString("平民"));
    // The window's font, not the default one.
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobList")->font(), w.font());
    // Once built, the page stays.
    w.runTabAction(wm::TabAction::CalculationPage);
    QCOMPARE(w.existingCharacterPage(), page);
    QVERIFY(!page->isVisible());
}

void CharacterPageFirstUseTest::tabOrderAsBuiltWithWindow() {
    QFETCH(int, code);
    MainWindow& w = shown(code);
    const QList<QWidget*> before = tabOrder(&w);
    w.runTabAction(wm::TabAction::CharacterPage);
    w.existingCharacterPage()->chooseSubPage(wm::CharacterSubPage::Works);  // builds the slots
    const QList<QWidget*> after = tabOrder(&w);
    CharacterPage* page = w.existingCharacterPage();
    QList<QWidget*> pageControls;
    for (QWidget* control : after) {
        if (page->isAncestorOf(control))
            pageControls << control;
    }
    QVERIFY(pageControls.size() > 50);
    // The page's controls come after the calculation page's and before the tab buttons,
    // where they stood when the window built both pages at once.
    const qsizetype firstTab =
        before.indexOf(wmtest::shell(w).tabButton(wm::TabAction::CalculationPage));
    QVERIFY(firstTab > 0);
    QList<QWidget*> expected = before.mid(0, firstTab);
    expected << pageControls << before.mid(firstTab);
    QCOMPARE(after, expected);
    QVERIFY(wmtest::shell(w).calculationPage->isAncestorOf(before.at(firstTab - 1)));
    // Within the page, the order of the page's own layout: 能力 first, 名前 before 職業.
    QCOMPARE(pageControls.first()->objectName(), QString("subPageStatusOption"));
    QVERIFY(pageControls.indexOf(wmtest::child<QComboBox>(&w, "nameList")) <
            pageControls.indexOf(wmtest::child<QComboBox>(&w, "jobList")));
    QCOMPARE(pageControls.last()->objectName(), QString("luckPrayerButton"));
    // Enter in the last status box moves on as Tab does: to the next control of the page.
    wm::CharacterPage& p = *page;
    p.chooseSubPage(wm::CharacterSubPage::Status);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit* charm = wmtest::child<QLineEdit>(&w, "charmBox");
    charm->setFocus();
    QTest::keyClick(charm, Qt::Key_Return);
    QVERIFY(page->isAncestorOf(QApplication::focusWidget()));
}

void CharacterPageFirstUseTest::menuSaveBeforeShowing() {
    QFETCH(int, code);
    MainWindow& w = shown(code);
    w.runTabAction(wm::TabAction::CalculationPage);
    // PCデータ保存 reads the page, shown or not: a page never shown has no name.
    host->scripted.expectMessage(Answer::Ok);
    wmtest::shell(w).saveCharacterDataAction->trigger();
    QCOMPARE(host->scripted.shown().size(), 1);
    QCOMPARE(host->scripted.last().text, QString("キャラ名を入力してください"));
    QCOMPARE(host->scripted.last().title, QString("キャラ名の未入力"));
    QVERIFY(!folder->exists("txtFile/PCData.txt"));
    // The save built the page but shows nothing of it, and its lists wait for the showing.
    QTest::qWait(20);  // a control added to a shown window would show itself by now
    CharacterPage* page = w.existingCharacterPage();
    QVERIFY(page);
    QVERIFY(!page->isVisible());
    QVERIFY(!page->listsFilled());
    QVERIFY(w.isCalculationPageShown());
    QVERIFY(wmtest::shell(w).calculationPage->isVisible());
    QCOMPARE(w.windowTitle(), kTitle + QStringLiteral("  ( 仕事技術計算 )"));
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobList")->count(), 0);
    w.runTabAction(wm::TabAction::CharacterPage);
    QCOMPARE(w.existingCharacterPage(), page);
    QVERIFY(page->listsFilled());
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobList")->currentText(), QString("平民"));
}

void CharacterPageFirstUseTest::limitsReachUnbuiltVisiblePage() {
    MainWindow& large = shown(2);
    large.runTabAction(wm::TabAction::CharacterPage);
    large.hide();
    MainWindow& small = shown(1);
    QVERIFY(!small.existingCharacterPage());
    // A class chosen in the hidden window locks the lists of the window the user sees: its
    // page is built for it, and stays out of sight.
    auto* job = wmtest::child<QComboBox>(&large, "jobList");
    job->setCurrentIndex(1);
    emit job->activated(1);
    QTest::qWait(20);
    CharacterPage* page = small.existingCharacterPage();
    QVERIFY(page);
    QVERIFY(!page->isVisible());
    QVERIFY(small.isCalculationPageShown());
    QVERIFY(!wmtest::child<QComboBox>(page, "swordList")->isEnabled());
    QVERIFY(!wmtest::child<QComboBox>(page, "katanaList")->isEnabled());
    QVERIFY(wmtest::child<QComboBox>(page, "axeList")->isEnabled());
    QVERIFY(wmtest::child<QComboBox>(&large, "swordList")->isEnabled());
    QCOMPARE(page->jobCode(), QString());  // its own class list is still empty
    // Its first showing fills the lists, and 平民 frees them again.
    small.runTabAction(wm::TabAction::CharacterPage);
    QVERIFY(page->listsFilled());
    QVERIFY(wmtest::child<QComboBox>(page, "swordList")->isEnabled());
    QCOMPARE(page->jobCode(), QString("01"));
}

void CharacterPageFirstUseTest::strengthOfHiddenWindowBuildsNothing() {
    MainWindow& large = shown(2);
    large.runTabAction(wm::TabAction::CharacterPage);
    auto* maximum = wmtest::child<QLineEdit>(&large, "maximumWeightBox");
    QCOMPARE(maximum->text(), QString("1000"));
    large.hide();
    MainWindow& small = shown(1);
    // The maximum weight follows the visible window's class; a page never built has none,
    // so there is nothing to change and nothing to build.
    wmtest::child<QLineEdit>(&large, "strengthBox")->setText("30");
    QVERIFY(!small.existingCharacterPage());
    QCOMPARE(maximum->text(), QString("1000"));
    // Hovering a control of the hidden window writes the visible window's help lines.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(wmtest::child<QPushButton>(&large, "saveCharacterButton"), &enter);
    QCOMPARE(wmtest::calc(small).helpLabel->text(), QString("PC情報を保存します"));
    QVERIFY(!small.existingCharacterPage());
    QCOMPARE(wmtest::child<QLabel>(&small.characterPage(), "characterHelpLabel")->text(),
             QString("PC情報を保存します"));
    QCOMPARE(wmtest::child<QLabel>(&large, "characterHelpLabel")->text(), QString());
}

void CharacterPageFirstUseTest::pageOfOtherSize() {
    MainWindow& small = shown(1);
    small.runTabAction(wm::TabAction::CharacterPage);
    // The other size opens on the page it had; it has never shown its character page.
    small.runTabAction(wm::TabAction::SwitchSize);
    MainWindow& large = *host->windows[2];
    QVERIFY(large.isVisible());
    QVERIFY(large.isCalculationPageShown());
    QVERIFY(!large.existingCharacterPage());
    large.runTabAction(wm::TabAction::CharacterPage);
    QVERIFY(large.existingCharacterPage()->listsFilled());
    QVERIFY(large.existingCharacterPage()->isVisible());
    QCOMPARE(large.windowTitle(), kTitle + QStringLiteral("  ( キャラデータ )"));
}

void CharacterPageFirstUseTest::jobSlotsOnFirstShowing_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("fame");
    QTest::addColumn<int>("count");
    for (int code : {1, 2}) {
        QTest::addRow("%d fame 2500", code) << code << QString("2500") << 9;
        QTest::addRow("%d fame 5001", code) << code << QString("5001") << 11;
        QTest::addRow("%d fame 15001", code) << code << QString("15001") << 12;
    }
}

void CharacterPageFirstUseTest::jobSlotsOnFirstShowing() {
    QFETCH(int, code);
    QFETCH(QString, fame);
    QFETCH(int, count);
    MainWindow& w = shown(code);
    w.runTabAction(wm::TabAction::CharacterPage);
    CharacterPage& page = *w.existingCharacterPage();
    QVERIFY(!w.findChild<QWidget*>("jobSlot1WorkList"));
    // A fame typed before the slots exist decides how many show once they do.
    wmtest::child<QLineEdit>(&w, "fameBox")->setText(fame);
    page.chooseSubPage(wm::CharacterSubPage::Equipment);
    QVERIFY(!w.findChild<QWidget*>("jobSlot1WorkList"));
    page.chooseSubPage(wm::CharacterSubPage::Works);
    for (int slot = 1; slot <= 12; ++slot) {
        const QString name = QStringLiteral("jobSlot%1").arg(slot);
        QCOMPARE(wmtest::child<QCheckBox>(&w, name + "Check")->isVisible(), slot <= count);
        QCOMPARE(wmtest::child<QComboBox>(&w, name + "WorkList")->isVisible(), slot <= count);
        QCOMPARE(wmtest::child<QLineEdit>(&w, name + "LevelBox")->isVisible(), slot <= count);
    }
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobSlot6WorkList")->currentText(), QString("鉱石堀り"));
    // Rows as high as the page's other rows.
    auto* level = wmtest::child<QLineEdit>(&w, "jobSlot1LevelBox");
    QCOMPARE(wmtest::child<QComboBox>(&w, "jobSlot1WorkList")->height(),
             wmtest::child<QComboBox>(&w, "jobList")->height());
    QCOMPARE(level->height(), wmtest::child<QLineEdit>(&w, "fameBox")->height());
    // Keys and help as on the other boxes: digits only, and the help line explains it.
    QTest::keyClicks(level, "a5b");
    QCOMPARE(level->text(), QString("5"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(level, &enter);
    QCOMPARE(wmtest::child<QLabel>(&w, "characterHelpLabel")->text(), level->toolTip());
    // Fame changes reach the slots from now on.
    wmtest::child<QLineEdit>(&w, "fameBox")->setText("15001");
    QVERIFY(wmtest::child<QComboBox>(&w, "jobSlot12WorkList")->isVisible());
}

void CharacterPageFirstUseTest::saveBeforeJobSlotsShown() {
    // The same character saved from a page whose slots were never shown and from one whose
    // slots were: the same line.
    for (int code : {1, 2}) {
        MainWindow& w = shown(code);
        w.runTabAction(wm::TabAction::CharacterPage);
        CharacterPage& page = *w.existingCharacterPage();
        if (code == 2)
            page.chooseSubPage(wm::CharacterSubPage::Works);
        wmtest::child<QComboBox>(&w, "nameList")->setEditText("騎士アリス");
        page.stampSavesWith(QDateTime(QDate(2008, 3, 5), QTime(14, 7, 33)));
        host->scripted.expectMessage(Answer::Yes);
        host->scripted.expectMessage(Answer::Ok);
        page.saveCharacter();
        // The gathering slots' empty levels show the 0 that was saved.
        QCOMPARE(wmtest::child<QLineEdit>(&w, "jobSlot1LevelBox")->text(), QString("0"));
        QCOMPARE(wmtest::child<QGroupBox>(&w, "workFrame")->isVisible(), code == 2);
        w.hide();
    }
    const QList<QByteArray> lines = folder->readBytes("txtFile/PCData.txt").split('\n');
    QCOMPARE(lines.size(), 3);  // two lines, each ended
    QVERIFY(lines.at(0).startsWith(wmtest::cp932Lines({"騎士アリス,01,"}).chopped(2)));
    QCOMPARE(lines.at(0), lines.at(1));
}

WM_TEST_MAIN(CharacterPageFirstUseTest)
#include "tst_characterpagefirstuse.moc"
