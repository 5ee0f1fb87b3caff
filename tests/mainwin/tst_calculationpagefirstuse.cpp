// A window that opens on its character page builds its calculation page the first time
// something needs it; every way there must find it as a page built with the window would be.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "childwidget.h"
#include "firstusehost.h"
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "tabstops.h"
#include "testfolder.h"
#include "testmain.h"

using wm::CalculationPage;
using wm::MainWindow;
using wm::TabAction;
using wmtest::calc;
using wmtest::shell;
using wmtest::tabOrderNames;
using Answer = wm::Dialogs::Answer;
using FirstPage = MainWindow::FirstPage;

namespace {

const QString kTitle = QStringLiteral("Wendmoorツール　Ver.0.2.6");

// The names as the chain goes round from the given one.
QStringList roundFrom(const QStringList& names, const char* first) {
    const qsizetype at = names.indexOf(QLatin1String(first));
    return at < 0 ? names : names.mid(at) + names.mid(0, at);
}

}  // namespace

class CalculationPageFirstUseTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void sizes_data();
    void opensOnCharacterPage_data() { sizes_data(); }
    void opensOnCharacterPage();
    void tabOrderAsBuiltWithWindow_data() { sizes_data(); }
    void tabOrderAsBuiltWithWindow();
    void firstFocusOnCharacterPage_data();
    void firstFocusOnCharacterPage();
    void builtHiddenForResultsAndHelp();
    void menuSaveBeforeShowing();
    void sizeSwitchBuildsNothing();
    void accessKeysOfLaterPage();

  private:
    // A program host on the same data, for a window built the other way.
    std::unique_ptr<FakeHost> newHost() const { return wmtest::firstUseHost(*folder); }
    MainWindow& openedOnCharacterPage(int code) {
        MainWindow& w = host->mainWindow(code, FirstPage::Character);
        w.show();
        return w;
    }
    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<FakeHost> host;
};

void CalculationPageFirstUseTest::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    wmtest::writeFirstUseData(*folder);
    host = newHost();
}

void CalculationPageFirstUseTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
    folder.reset();
}

void CalculationPageFirstUseTest::sizes_data() {
    wmtest::bothWindowSizes();
}

void CalculationPageFirstUseTest::opensOnCharacterPage() {
    QFETCH(int, code);
    MainWindow& w = host->mainWindow(code, FirstPage::Character);
    QVERIFY(!w.existingCalculationPage());
    QVERIFY(!w.findChild<QWidget*>("calculationPage"));
    QVERIFY(!w.isCalculationPageShown());
    // The character page is there, and is shown, its lists filled, as the window appears.
    wm::CharacterPage* character = w.existingCharacterPage();
    QVERIFY(character);
    QVERIFY(!character->listsFilled());
    QCOMPARE(w.windowTitle(), kTitle);
    w.show();
    QVERIFY(character->isVisible());
    QVERIFY(character->listsFilled());
    QCOMPARE(w.windowTitle(), kTitle + QStringLiteral("  ( キャラデータ )"));
    QVERIFY(!w.existingCalculationPage());
    // Its lists are those of a window that switched to the page: same entries, same sizes.
    auto other = newHost();
    MainWindow& built = other->mainWindow(code);
    built.show();
    built.runTabAction(TabAction::CharacterPage);
    const QList<QComboBox*> lists = character->findChildren<QComboBox*>();
    QVERIFY(lists.size() > 20);
    for (QComboBox* list : lists) {
        auto* same = built.findChild<QComboBox*>(list->objectName());
        QVERIFY2(same, qPrintable(list->objectName()));
        QCOMPARE(list->sizeHint(), same->sizeHint());
        QCOMPARE(list->count(), same->count());
    }

    // The page button builds the page and shows it in the character page's place.
    shell(w).tabButton(TabAction::CalculationPage)->click();
    CalculationPage* page = w.existingCalculationPage();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(!character->isVisible());
    QVERIFY(w.isCalculationPageShown());
    QCOMPARE(w.windowTitle(), kTitle + QStringLiteral("  ( 仕事技術計算 )"));
    QCOMPARE(page->parentWidget(), character->parentWidget());
    QCOMPARE(page->geometry(), character->geometry());
    // Its lists and fonts are those of the page a window builds at once.
    QCOMPARE(wmtest::items(calc(w).workList), wmtest::items(calc(built).workList));
    QVERIFY(calc(w).workList->count() > 0);
    QCOMPARE(calc(w).workList->currentIndex(), -1);
    QCOMPARE(calc(w).startLevelBox->font(), w.font());
    QCOMPARE(calc(w).resultBox->font(), calc(built).resultBox->font());
    QCOMPARE(calc(w).materialsBox->height(), calc(built).materialsBox->height());
    // Once built, the page stays.
    w.runTabAction(TabAction::CharacterPage);
    QCOMPARE(w.existingCalculationPage(), page);
    QVERIFY(!page->isVisible());
}

void CalculationPageFirstUseTest::tabOrderAsBuiltWithWindow() {
    QFETCH(int, code);
    auto other = newHost();
    MainWindow& built = other->mainWindow(code);
    built.runTabAction(TabAction::CharacterPage);
    built.runTabAction(TabAction::CalculationPage);
    MainWindow& later = openedOnCharacterPage(code);
    // Every control, the job slots too: they are built when their sub-page first shows.
    built.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    later.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    later.runTabAction(TabAction::CalculationPage);
    // Tab goes round and skips the hidden page: the order round the window is what counts.
    const QStringList order = tabOrderNames(&built);
    QVERIFY(order.size() > 80);
    QCOMPARE(order.first(), QString("startLevelBox"));
    QCOMPARE(order.last(), QString("reincarnationButton"));
    QCOMPARE(roundFrom(tabOrderNames(&later), "startLevelBox"), order);
    // The count order makes other fields tab stops, and others not; all keep their places.
    calc(built).countTabOrderOption->click();
    calc(later).countTabOrderOption->click();
    QVERIFY(tabOrderNames(&built).contains("runsBox"));
    QVERIFY(!tabOrderNames(&built).contains("startLevelBox"));
    QCOMPARE(roundFrom(tabOrderNames(&later), "calculationPageButton"),
             roundFrom(tabOrderNames(&built), "calculationPageButton"));
}

void CalculationPageFirstUseTest::firstFocusOnCharacterPage_data() {
    sizes_data();
}

void CalculationPageFirstUseTest::firstFocusOnCharacterPage() {
    QFETCH(int, code);
    // Shown on its calculation page, then switched before it is activated: the way a window
    // built with both pages opened on the character page.
    auto other = newHost();
    MainWindow& built = other->mainWindow(code);
    built.show();
    built.runTabAction(TabAction::CharacterPage);
    built.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&built));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("subPageStatusOption"));
    built.hide();
    MainWindow& later = openedOnCharacterPage(code);
    later.runTabAction(TabAction::CharacterPage);
    later.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&later));
    QCOMPARE(QApplication::focusWidget(), later.findChild<QWidget*>("subPageStatusOption"));
}

void CalculationPageFirstUseTest::builtHiddenForResultsAndHelp() {
    MainWindow& w = openedOnCharacterPage(2);
    // A help text that comes before the page is kept for it.
    w.showHelp(QStringLiteral("作業名を選択します"));
    QVERIFY(!w.existingCalculationPage());
    // A rule for both windows' results is written into it: it is built out of sight.
    host->appendRuleToResults(4);
    CalculationPage* page = w.existingCalculationPage();
    QVERIFY(page);
    QTest::qWait(20);  // a control added to a shown window would show itself by now
    QVERIFY(!page->isVisible());
    QVERIFY(w.existingCharacterPage()->isVisible());
    QVERIFY(!w.isCalculationPageShown());
    QCOMPARE(w.windowTitle(), kTitle + QStringLiteral("  ( キャラデータ )"));
    QCOMPARE(calc(w).resultBox->toPlainText(), QString("----"));
    QCOMPARE(calc(w).helpLabel->text(), QString("作業名を選択します"));
    w.runTabAction(TabAction::CalculationPage);
    QCOMPARE(w.existingCalculationPage(), page);
    QCOMPARE(calc(w).resultBox->toPlainText(), QString("----"));
}

void CalculationPageFirstUseTest::menuSaveBeforeShowing() {
    MainWindow& w = openedOnCharacterPage(1);
    // 作業ファイル作成 writes the page's results: a page never built has none.
    host->scripted.expectMessage(Answer::Ok);
    shell(w).saveResultAction->trigger();
    QCOMPARE(host->scripted.shown().size(), 1);
    QCOMPARE(host->scripted.last().text, QString("結果がないので、ファイル作成は出来ません"));
    QVERIFY(w.existingCalculationPage());
    QVERIFY(!w.isCalculationPageShown());
    QVERIFY(w.existingCharacterPage()->isVisible());
}

void CalculationPageFirstUseTest::sizeSwitchBuildsNothing() {
    MainWindow& large = openedOnCharacterPage(2);
    large.runTabAction(TabAction::SwitchSize);
    MainWindow& small = *host->windows[1];
    QVERIFY(small.isVisible());
    QVERIFY(small.isCalculationPageShown());
    // Back again: the results of a page never built need no clearing.
    calc(small).resultBox->setPlainText(QStringLiteral("Lv.005"));
    small.runTabAction(TabAction::SwitchSize);
    QVERIFY(large.isVisible());
    QVERIFY(!large.existingCalculationPage());
    QVERIFY(large.existingCharacterPage()->isVisible());
    QCOMPARE(calc(small).resultBox->toPlainText(), QString("Lv.005"));
    // The other way the switch clears the page the user goes to.
    large.runTabAction(TabAction::SwitchSize);
    QVERIFY(calc(small).resultBox->toPlainText().isEmpty());
}

void CalculationPageFirstUseTest::accessKeysOfLaterPage() {
    MainWindow& w = openedOnCharacterPage(1);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.runTabAction(TabAction::CalculationPage);
    // An access key moves the focus to its button, as on a page built with the window, and
    // the button's click follows a moment later.
    QTest::keyClick(w.windowHandle(), Qt::Key_L, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), calc(w).expListButton);
    QTRY_VERIFY(calc(w).resultBox->toPlainText().contains(QStringLiteral("Lv.")));
}

WM_TEST_MAIN(CalculationPageFirstUseTest)
#include "tst_calculationpagefirstuse.moc"
