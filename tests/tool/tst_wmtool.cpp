#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>

#include "../mainwin/mainwincontrols.h"
#include "childwidget.h"
#include "clicks.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "wmtool.h"

using Opener = wm::AppData::SettingsOpener;
Q_DECLARE_METATYPE(wm::AppData::SettingsOpener)

using wm::Dialogs;
using wmtest::calc;
using wmtest::shell;

namespace {

const QString kTitle = QStringLiteral("Wendmoorツール　Ver.0.2.6");
const QString kOptions = QStringLiteral("txtFile/Option.txt");

// The program with "end the program" recorded instead of ending the test.
class RecordingTool : public wm::WmTool {
  public:
    using WmTool::WmTool;
    void endProgram() override { ++ended; }
    int ended = 0;
};

// The options file exactly as the program writes it.
QByteArray optionBytes(const QString& size, const QString& page) {
    return wmtest::cp932Lines(
        {QStringLiteral("#  数字はすべて半角で入力してください"),
         QStringLiteral("#0 画面ウィンドウサイズ(1=サイズ小 : 2=サイズ大)"), size,
         QStringLiteral("#1 起動時の計算機データ(1=仕事技術計算 : 2=キャラデータ)"), page});
}

}  // namespace

class TestWmTool : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void optionsFileChoosesWindow_data();
    void optionsFileChoosesWindow();
    void startWithoutOptionsFile();
    void failedOptionsSaveIsShown();
    void startChoosesLargeCharacterPage();
    void quitAtStartup_data();
    void quitAtStartup();
    void openedFromMainWindow_data();
    void openedFromMainWindow();
    void okAppliesAndCloses();
    void cancelAfterApplyDoesNothing();
    void cancelRestoresOpenedState();
    void unwritableOptionsFile();
    void closingMainWindowEnds();
    void productWindowReloadsAfterClosing();
    void reincarnationAndAboutWindows();
    void unreadableHistoryIsReported();
    void characterDataFromEitherSize_data();
    void characterDataFromEitherSize();
    void rulesGoToBothWindows();
    void enterPressesButtonsOfEveryWindow();
    void modifiedKeysTypeNothing_data();
    void modifiedKeysTypeNothing();
    void escapeClosesAuxiliaryWindows_data();
    void escapeClosesAuxiliaryWindows();
    void settingsTabStopsAndAccessKeys();

  private:
    // The window of the program a test row names (main, product, tree, rebirth), opened.
    QWidget* openWindow(const QString& which);
    // Runs the startup with these options lines (no file for nullopt).
    bool start(const std::optional<QStringList>& optionLines);
    wm::MainWindow* visibleMain() const;
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    wmtest::ScriptedDialogs dialogs;
    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<RecordingTool> tool;
};

void TestWmTool::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    QVERIFY(folder->isValid());
    folder->writeStandardFileList();
    // Just enough data for a quiet startup; the experience table comes from its formula.
    folder->writeLines(QStringLiteral("txtFile/MakeData.txt"), {QStringLiteral("# 生産データ")});
    folder->writeLines(QStringLiteral("txtFile/JobData.txt"), {QStringLiteral("# 職業")});
    tool = std::make_unique<RecordingTool>(dialogs);
    tool->data().programFolder = folder->programFolder();
}

void TestWmTool::cleanup() {
    tool.reset();
    folder.reset();
    WM_VERIFY_DIALOGS(dialogs);
}

bool TestWmTool::start(const std::optional<QStringList>& optionLines) {
    if (optionLines)
        folder->writeLines(kOptions, *optionLines);
    return tool->start();
}

wm::MainWindow* TestWmTool::visibleMain() const {
    for (int code : {1, 2}) {
        wm::MainWindow* w = tool->existingMainWindow(code);
        if (w && w->isVisible())
            return w;
    }
    return nullptr;
}

void TestWmTool::optionsFileChoosesWindow_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");  // 0: the settings window instead
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus");  // where the first activation puts the focus
    const QString calc = kTitle + QStringLiteral("  ( 仕事技術計算 )");
    const QString chara = kTitle + QStringLiteral("  ( キャラデータ )");
    QTest::addRow("2 and 2") << QStringList{"2", "2"} << 2 << chara << "subPageStatusOption";
    QTest::addRow("1.9 alone") << QStringList{"1.9"} << 1 << kTitle << "startLevelBox";
    QTest::addRow("as written, 1 and 2")
        << QStringList{"#  数字はすべて半角で入力してください", "#0 x", "1", "#1 x", "2"} << 1
        << chara << "subPageStatusOption";
    QTest::addRow("2 and 1") << QStringList{"2", "1"} << 2 << calc << "startLevelBox";
    QTest::addRow("page 3 ignored") << QStringList{"1", "3"} << 1 << kTitle << "startLevelBox";
    QTest::addRow("extra values ignored")
        << QStringList{"1", "1", "2"} << 1 << calc << "startLevelBox";
    QTest::addRow("comments only")
        << QStringList{"#  数字", "#0 x", "#1 y"} << 0 << QString() << QString();
    QTest::addRow("size 3") << QStringList{"3", "1"} << 0 << QString() << QString();
    QTest::addRow("size not a number") << QStringList{"x", "1"} << 0 << QString() << QString();
    QTest::addRow("empty file") << QStringList{} << 0 << QString() << QString();
}

void TestWmTool::optionsFileChoosesWindow() {
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QString, title);
    QVERIFY(start(lines));
    wm::MainWindow* shown = visibleMain();
    if (code == 0) {
        QVERIFY(!shown);
        QVERIFY(tool->existingSettingsWindow() && tool->existingSettingsWindow()->isVisible());
        QVERIFY(tool->data().optionsMissing);
        return;
    }
    QVERIFY(shown);
    QCOMPARE(shown->windowCode(), code);
    QCOMPARE(shown->windowTitle(), title);
    QFETCH(QString, focus);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!tool->existingMainWindow(3 - code) ||
            !tool->existingMainWindow(3 - code)->isVisible());
    QVERIFY(!tool->existingSettingsWindow() || !tool->existingSettingsWindow()->isVisible());
    QVERIFY(!tool->data().optionsMissing);
}

void TestWmTool::startWithoutOptionsFile() {
    QVERIFY(start(std::nullopt));
    QVERIFY(!visibleMain());
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    QVERIFY(opt.isVisible());
    QCOMPARE(opt.windowTitle(), QStringLiteral("起動設定"));
    QVERIFY(wmtest::child<QRadioButton>(&opt, "startPageCalculatorOption")->isChecked());
    QVERIFY(wmtest::child<QRadioButton>(&opt, "windowSizeSmallOption")->isChecked());
    QCOMPARE(wmtest::child<QPushButton>(&opt, "confirmButton")->text(), QStringLiteral("起動(&R)"));
    QCOMPARE(wmtest::child<QPushButton>(&opt, "closeButton")->text(), QStringLiteral("終了(&X)"));
    QVERIFY(!wmtest::child<QPushButton>(&opt, "applyButton")->isVisible());

    click(wmtest::child<QPushButton>(&opt, "confirmButton"));
    wm::MainWindow* shown = visibleMain();
    QVERIFY(shown);
    QCOMPARE(shown->windowCode(), 1);
    QVERIFY(shown->isCalculationPageShown());
    QCOMPARE(shown->windowTitle(), kTitle + QStringLiteral("  ( 仕事技術計算 )"));
    QVERIFY(!opt.isVisible());
    QCOMPARE(folder->readBytes(kOptions), optionBytes("1", "1"));
}

// The program still starts when its choice cannot be kept; the user is told why.
void TestWmTool::failedOptionsSaveIsShown() {
    QVERIFY(start(std::nullopt));
    QVERIFY(QDir().mkpath(folder->filePath(kOptions)));
    dialogs.expectMessage(Dialogs::Answer::Ok);
    click(wmtest::child<QPushButton>(&tool->settingsWindow(), "confirmButton"));
    QVERIFY(visibleMain());
    QVERIFY(dialogs.last().text.startsWith(QDir::toNativeSeparators(folder->filePath(kOptions)) +
                                           " に起動設定を保存できませんでした\r\n"));
    QCOMPARE(dialogs.last().title, QString("起動設定"));
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::Exclamation);
}

void TestWmTool::startChoosesLargeCharacterPage() {
    QVERIFY(start(std::nullopt));
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "startPageCharacterDataOption"));
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"));
    QVERIFY(!wmtest::child<QRadioButton>(&opt, "startPageCalculatorOption")->isChecked());
    QTest::keyClick(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"),
                    Qt::Key_Return);  // Enter on a choice starts, like "起動"
    wm::MainWindow* shown = visibleMain();
    QVERIFY(shown);
    QCOMPARE(shown->windowCode(), 2);
    QVERIFY(!shown->isCalculationPageShown());
    QVERIFY(shown->existingCharacterPage() && shown->existingCharacterPage()->listsFilled());
    QVERIFY(!tool->existingMainWindow(1));
    QVERIFY(!opt.isVisible());
    QCOMPARE(folder->readBytes(kOptions), optionBytes("2", "2"));
    // It opened on the character page without building its calculation page; 材料の内訳
    // reads that page's choice, so it is built then, and stays out of sight.
    QVERIFY(!shown->existingCalculationPage());
    wmtest::child<QAction>(shown, "materialTreeAction")->trigger();
    QVERIFY(shown->existingCalculationPage());
    QVERIFY(!shown->isCalculationPageShown());
    QVERIFY(tool->existingMaterialTree() && tool->existingMaterialTree()->isVisible());
}

void TestWmTool::quitAtStartup_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addRow("OK") << true;
    QTest::addRow("Cancel") << false;
}

void TestWmTool::quitAtStartup() {
    QFETCH(bool, confirm);
    QVERIFY(start(std::nullopt));
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    dialogs.expectMessage(confirm ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
    click(wmtest::child<QPushButton>(&opt, "closeButton"));
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().text, QStringLiteral("終了しますか？"));
    QCOMPARE(dialogs.last().title, QStringLiteral("プログラムの終了"));
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::None);
    QCOMPARE(tool->ended, confirm ? 1 : 0);
    QVERIFY(opt.isVisible());
    QVERIFY(!visibleMain());
    QVERIFY(!folder->exists(kOptions));
}

void TestWmTool::openedFromMainWindow_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("page");
    QTest::addColumn<Opener>("opener");
    using wm::StartPage;
    using wm::WindowSize;
    QTest::addRow("small calc") << "1"
                                << "1"
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Small, StartPage::Calculation}};
    QTest::addRow("small char") << "1"
                                << "2"
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Small, StartPage::Character}};
    QTest::addRow("large calc") << "2"
                                << "1"
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Large, StartPage::Calculation}};
    QTest::addRow("large char") << "2"
                                << "2"
                                << Opener{Opener::Kind::MainWindow,
                                          {WindowSize::Large, StartPage::Character}};
}

void TestWmTool::openedFromMainWindow() {
    QFETCH(QString, size);
    QFETCH(QString, page);
    QFETCH(Opener, opener);
    QVERIFY(start(QStringList{size, page}));
    wm::MainWindow* shown = visibleMain();
    QVERIFY(shown);
    const QString title = shown->windowTitle();
    shell(*shown).startupSettingsAction->trigger();
    QVERIFY(tool->data().settingsOpener == opener);
    QCOMPARE(shown->windowTitle(), title);
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    QVERIFY(opt.isVisible());
    QCOMPARE(wmtest::child<QPushButton>(&opt, "confirmButton")->text(), QStringLiteral("ＯＫ"));
    QCOMPARE(wmtest::child<QPushButton>(&opt, "closeButton")->text(), QStringLiteral("キャンセル"));
    QVERIFY(wmtest::child<QPushButton>(&opt, "applyButton")->isVisible());
    QCOMPARE(wmtest::child<QPushButton>(&opt, "applyButton")->text(), QStringLiteral("適用(&A)"));
    QVERIFY(wmtest::child<QRadioButton>(
                &opt, size.toInt() == 1 ? "windowSizeSmallOption" : "windowSizeLargeOption")
                ->isChecked());
    QVERIFY(wmtest::child<QRadioButton>(&opt, page.toInt() == 1 ? "startPageCalculatorOption"
                                                                : "startPageCharacterDataOption")
                ->isChecked());
}

void TestWmTool::okAppliesAndCloses() {
    QVERIFY(start(QStringList{"1", "1"}));
    shell(tool->mainWindow(1)).startupSettingsAction->trigger();
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"));
    click(wmtest::child<QPushButton>(&opt, "confirmButton"));
    QVERIFY(!opt.isVisible());
    QCOMPARE(visibleMain(), tool->existingMainWindow(2));
    QVERIFY(tool->existingMainWindow(2)->isCalculationPageShown());
    QCOMPARE(folder->readBytes(kOptions), optionBytes("2", "1"));
}

void TestWmTool::cancelAfterApplyDoesNothing() {
    QVERIFY(start(QStringList{"1", "1"}));
    shell(tool->mainWindow(1)).startupSettingsAction->trigger();
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"));
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "startPageCharacterDataOption"));
    click(wmtest::child<QPushButton>(&opt, "applyButton"));
    QVERIFY(tool->data().settingsOpener == Opener{});
    QVERIFY(opt.isVisible());
    wm::MainWindow* large = tool->existingMainWindow(2);
    QCOMPARE(visibleMain(), large);
    QVERIFY(!large->isCalculationPageShown());
    QCOMPARE(folder->readBytes(kOptions), optionBytes("2", "2"));

    click(wmtest::child<QPushButton>(&opt, "closeButton"));
    QVERIFY(dialogs.shown().isEmpty());
    QCOMPARE(visibleMain(), large);
    QVERIFY(!large->isCalculationPageShown());
    QVERIFY(opt.isVisible());
    QVERIFY(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption")->isChecked());
    QCOMPARE(tool->ended, 0);
}

void TestWmTool::cancelRestoresOpenedState() {
    QVERIFY(start(QStringList{"1", "1"}));
    wm::MainWindow& small = tool->mainWindow(1);
    shell(small).startupSettingsAction->trigger();
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    // Meanwhile the user moves on in the main windows and picks other options.
    small.runTabAction(wm::TabAction::CharacterPage);
    small.runTabAction(wm::TabAction::SwitchSize);
    tool->mainWindow(2).runTabAction(wm::TabAction::CharacterPage);
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "startPageCharacterDataOption"));
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"));

    click(wmtest::child<QPushButton>(&opt, "closeButton"));
    QVERIFY(dialogs.shown().isEmpty());
    QCOMPARE(visibleMain(), &small);
    QVERIFY(small.isCalculationPageShown());
    QVERIFY(opt.isVisible());
    QVERIFY(wmtest::child<QRadioButton>(&opt, "windowSizeSmallOption")->isChecked());
    QVERIFY(wmtest::child<QRadioButton>(&opt, "startPageCalculatorOption")->isChecked());
    QVERIFY(
        tool->data().settingsOpener ==
        (Opener{Opener::Kind::MainWindow, {wm::WindowSize::Small, wm::StartPage::Calculation}}));
    QCOMPARE(folder->readBytes(kOptions), wmtest::cp932Lines({"1", "1"}));
    QCOMPARE(tool->ended, 0);
}

void TestWmTool::unwritableOptionsFile() {
    // A folder where the file should be: it can be neither read nor replaced.
    QVERIFY(QDir().mkpath(folder->filePath(kOptions)));
    QVERIFY(start(std::nullopt));
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    QVERIFY(opt.isVisible());
    wmtest::clickIndicator(wmtest::child<QRadioButton>(&opt, "windowSizeLargeOption"));
    dialogs.expectMessage(Dialogs::Answer::Ok);
    click(wmtest::child<QPushButton>(&opt, "confirmButton"));
    QCOMPARE(dialogs.shown().size(), 1);
    const QString nativePath = QDir::toNativeSeparators(folder->filePath(kOptions));
    QVERIFY2(dialogs.last().text.contains(nativePath), qPrintable(dialogs.last().text));
    // The choice still holds for this run.
    wm::MainWindow* shown = visibleMain();
    QVERIFY(shown);
    QCOMPARE(shown->windowCode(), 2);
    QVERIFY(!opt.isVisible());
}

void TestWmTool::closingMainWindowEnds() {
    QVERIFY(start(QStringList{"2", "1"}));
    wm::MainWindow* shown = visibleMain();
    QVERIFY(shown);
    shown->close();
    QCOMPARE(tool->ended, 1);
}

// Enter on the focused button of each window, pressed in the active window as a user would.
void TestWmTool::enterPressesButtonsOfEveryWindow() {
    auto enterOn = [](QPushButton* button) {
        QWidget* window = button->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        button->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    QVERIFY(start(QStringList{"1", "1"}));
    wm::MainWindow* w = visibleMain();
    QVERIFY(w);

    QTest::mouseClick(shell(*w).tabButton(wm::TabAction::Reincarnation), Qt::LeftButton);
    wm::ReincarnationWindow* rebirth = tool->existingReincarnationWindow();
    QVERIFY(rebirth);
    wmtest::child<QLineEdit>(rebirth, "levelBox")->setText(QStringLiteral("100"));
    for (const char* value :
         {"hp", "vitality", "intelligence", "luck", "mp", "agility", "strength", "charm"})
        wmtest::child<QLineEdit>(rebirth, QString::fromLatin1(value) + "InputBox")
            ->setText(QStringLiteral("50"));
    enterOn(wmtest::child<QPushButton>(rebirth, "calculateButton"));
    QVERIFY(!wmtest::child<QLineEdit>(rebirth, "hpResultBox")->text().isEmpty());

    shell(*w).aboutAction->trigger();
    wm::AboutWindow* about = tool->existingAboutWindow();
    QVERIFY(about && about->isVisible());
    enterOn(wmtest::child<QPushButton>(about, "okButton"));
    QVERIFY(!about->isVisible());

    shell(*w).startupSettingsAction->trigger();
    wm::StartupSettingsWindow& opt = tool->settingsWindow();
    enterOn(wmtest::child<QPushButton>(&opt, "confirmButton"));  // ＯＫ
    QVERIFY(!opt.isVisible());
}

QWidget* TestWmTool::openWindow(const QString& which) {
    wm::MainWindow* w = visibleMain();
    if (which == "product") {
        folder->writeLines(QStringLiteral("txtFile/GuildData.txt"),
                           {"#01: 狩猟", "a.b.c, 町.ギルド.長,なし,x"});
        tool->openProductWindow();
        return tool->existingProductWindow();
    }
    if (which == "tree") {
        tool->openMaterialTree(*w);
        return tool->existingMaterialTree();
    }
    if (which == "rebirth") {
        tool->openReincarnation();
        return tool->existingReincarnationWindow();
    }
    if (which == "about") {
        tool->openAbout();
        return tool->existingAboutWindow();
    }
    if (which == "history") {
        tool->showCharacterData();
        return tool->existingCharacterHistoryWindow();
    }
    if (which == "settings") {
        shell(*w).startupSettingsAction->trigger();
        return &tool->settingsWindow();
    }
    if (which == "works") {
        w->runTabAction(wm::TabAction::CharacterPage);
        w->characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    } else if (which == "weights") {
        w->runTabAction(wm::TabAction::CharacterPage);
        w->characterPage().chooseSubPage(wm::CharacterSubPage::Equipment);
    } else if (which == "status") {
        w->runTabAction(wm::TabAction::CharacterPage);
    }
    return w;
}

void TestWmTool::modifiedKeysTypeNothing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int alt = Qt::AltModifier, meta = Qt::MetaModifier;
    QTest::newRow("初期ＬＶ Alt+X") << "main"
                                    << "startLevelBox" << int(Qt::Key_X) << alt;
    QTest::newRow("初期ＬＶ Alt+1") << "main"
                                    << "startLevelBox" << int(Qt::Key_1) << alt;
    QTest::newRow("初期ＬＶ Super+Z") << "main"
                                      << "startLevelBox" << int(Qt::Key_Z) << meta;
    QTest::newRow("初期ＬＶ Ctrl+Alt+Q")
        << "main"
        << "startLevelBox" << int(Qt::Key_Q) << int(Qt::ControlModifier | alt);
    QTest::newRow("名声 Alt+K") << "status"
                                << "fameBox" << int(Qt::Key_K) << alt;
    QTest::newRow("現在重量 Alt+Z") << "weights"
                                    << "currentWeightBox" << int(Qt::Key_Z) << alt;
    QTest::newRow("技術 slot Alt+X") << "works"
                                     << "jobSlot7WorkList" << int(Qt::Key_X) << alt;
    QTest::newRow("作業名 Alt+Q") << "product"
                                  << "workList" << int(Qt::Key_Q) << alt;
    QTest::newRow("生産回数 Alt+X") << "tree"
                                    << "runsBox" << int(Qt::Key_X) << alt;
    QTest::newRow("転生回数 Meta+Y") << "rebirth"
                                     << "countBox" << int(Qt::Key_Y) << meta;
}

// A key with Alt, Super or Meta that no shortcut takes leaves every field and list as it was.
void TestWmTool::modifiedKeysTypeNothing() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QVERIFY(start(QStringList{"1", "1"}));
    QWidget* shown = openWindow(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget* target = wmtest::child<QWidget>(shown, field);
    target->setFocus();
    auto* edit = qobject_cast<QLineEdit*>(target);
    auto* list = qobject_cast<QComboBox*>(target);
    const QString text = edit ? edit->text() : list->currentText();
    const int index = list ? list->currentIndex() : -1;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit ? edit->text() : list->currentText(), text);
    if (list)
        QCOMPARE(list->currentIndex(), index);
}

void TestWmTool::escapeClosesAuxiliaryWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("closes");
    for (const char* window : {"about", "tree", "rebirth", "product", "history", "settings"})
        QTest::newRow(window) << window << true;
    // At the first start there is no choice yet to cancel.
    QTest::newRow("settings at first start") << "first start" << false;
}

void TestWmTool::escapeClosesAuxiliaryWindows() {
    QFETCH(QString, window);
    QFETCH(bool, closes);
    folder->writeLines(QStringLiteral("txtFile/PCData.txt"),
                       {QStringLiteral("ロイ,01,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                                       "0,0,0.0 2008/03/05 14:07:33.0.01000,,,,,,,,,,,,")});
    const bool firstStart = window == "first start";
    QVERIFY(start(firstStart ? std::nullopt : std::optional<QStringList>({"2", "1"})));
    QPointer<QWidget> shown = firstStart ? &tool->settingsWindow() : openWindow(window);
    QVERIFY(shown && shown->isVisible());
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : shown.data(), Qt::Key_Escape);
    QCOMPARE(shown && shown->isVisible(), !closes);
    if (closes) {
        wm::MainWindow* main = visibleMain();
        QVERIFY(main && main->isLarge());
    }
}

// Tab stops once in each line, on its chosen option; every access key names one control.
void TestWmTool::settingsTabStopsAndAccessKeys() {
    QVERIFY(start(QStringList{"2", "2"}));
    wm::StartupSettingsWindow& opt =
        static_cast<wm::StartupSettingsWindow&>(*openWindow("settings"));
    QVERIFY(QTest::qWaitForWindowActive(&opt));
    auto* apply = wmtest::child<QPushButton>(&opt, "applyButton");
    wmtest::child<QPushButton>(&opt, "closeButton")->setFocus();
    const QStringList stops = {"startPageCharacterDataOption", "windowSizeLargeOption",
                               "applyButton"};
    for (const QString& stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), stop);
    }
    QTest::keyClick(apply, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("windowSizeLargeOption"));
    // The arrow keys choose within the line; Tab then comes back to the new choice.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(wmtest::child<QRadioButton>(&opt, "windowSizeSmallOption")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("windowSizeSmallOption"));

    QList<QKeySequence> keys;
    for (QAbstractButton* control : opt.findChildren<QAbstractButton*>()) {
        const QKeySequence key = QKeySequence::mnemonic(control->text());
        if (key.isEmpty())
            continue;
        QVERIFY2(!keys.contains(key), qPrintable(control->text()));
        keys << key;
    }
    QCOMPARE(keys.size(), 5);  // the four options and 適用
    QTest::keyClick(opt.windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(wmtest::child<QRadioButton>(&opt, "startPageCalculatorOption")->isChecked());
    // Two lines of choices gain nothing from more room.
    QCOMPARE(opt.maximumSize(), opt.minimumSize());
    QVERIFY(opt.width() >= 320);
}

WM_TEST_MAIN(TestWmTool)
#include "tst_wmtool.moc"

void TestWmTool::productWindowReloadsAfterClosing() {
    folder->writeLines(QStringLiteral("txtFile/GuildData.txt"),
                       {"#01: 狩猟", "a.b.c, 町.ギルド.長,なし,x"});
    QVERIFY(start(QStringList{"1", "1"}));
    wm::MainWindow* w = visibleMain();
    QTest::mouseClick(shell(*w).tabButton(wm::TabAction::ProductWindow), Qt::LeftButton);
    QPointer<wm::ProductWindow> first = tool->existingProductWindow();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("生産品の追加・修正"));
    QCOMPARE(tool->data().guilds.at(1, 2, 1), QStringLiteral("町.ギルド.長"));
    // Opening it again while it is open keeps the same window.
    shell(*w).tabAction(wm::TabAction::ProductWindow)->trigger();
    QCOMPARE(tool->existingProductWindow(), first.data());
    // Closed, it is loaded again next time, reading the guild data again.
    first->close();
    QTRY_VERIFY(!first);
    folder->writeLines(QStringLiteral("txtFile/GuildData.txt"),
                       {"#01: 狩猟", "a.b.c, 港.ギルド.長,なし,x"});
    shell(*w).tabAction(wm::TabAction::ProductWindow)->trigger();
    QVERIFY(tool->existingProductWindow());
    QCOMPARE(tool->data().guilds.at(1, 2, 1), QStringLiteral("港.ギルド.長"));
    QCOMPARE(tool->ended, 0);
}

void TestWmTool::reincarnationAndAboutWindows() {
    QVERIFY(start(QStringList{"2", "1"}));
    wm::MainWindow* w = visibleMain();
    QVERIFY(w->isLarge());
    const QString title = w->windowTitle();
    QTest::mouseClick(shell(*w).tabButton(wm::TabAction::Reincarnation), Qt::LeftButton);
    QVERIFY(tool->existingReincarnationWindow() &&
            tool->existingReincarnationWindow()->isVisible());
    shell(*w).aboutAction->trigger();
    wm::AboutWindow* about = tool->existingAboutWindow();
    QVERIFY(about && about->isVisible());
    const QString once = wmtest::child<QLabel>(about, "descriptionLabel")->text();
    QVERIFY(once.contains(QStringLiteral("生産データ更新日時：")));
    // The production data exists, the program file named by the list does not.
    QVERIFY(!once.contains(QStringLiteral("生産データ更新日時：不明")));
    QVERIFY(once.endsWith(QStringLiteral("プログラム更新日時：不明")));
    shell(*w).aboutAction->trigger();  // still open: the two lines stand once
    QCOMPARE(wmtest::child<QLabel>(about, "descriptionLabel")->text(), once);
    // Neither window gains from more room: both keep their size.
    QCOMPARE(about->maximumSize(), about->minimumSize());
    QCOMPARE(tool->existingReincarnationWindow()->maximumSize(),
             tool->existingReincarnationWindow()->minimumSize());
    QCOMPARE(w->windowTitle(), title);
}

// A history file that is there but cannot be read is reported by both of its readers.
void TestWmTool::unreadableHistoryIsReported() {
    QVERIFY(start(QStringList{"2", "2"}));
    QVERIFY(QDir().mkpath(folder->filePath("txtFile/PCData.txt")));
    const QString reason = QDir::toNativeSeparators(folder->filePath("txtFile/PCData.txt")) +
                           "\r\nファイルを開けません: フォルダーです";
    wm::MainWindow* w = visibleMain();
    const qsizetype before = dialogs.shown().size();
    dialogs.expectMessage(Dialogs::Answer::Ok);
    dialogs.expectMessage(Dialogs::Answer::Ok);  // and nothing saved
    QTest::mouseClick(wmtest::child<QPushButton>(w, "showSavedCharactersButton"), Qt::LeftButton);
    QCOMPARE(dialogs.shown().size(), before + 2);
    QCOMPARE(dialogs.shown().at(before).text, reason);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    QTest::mouseClick(shell(*w).tabButton(wm::TabAction::Reincarnation), Qt::LeftButton);
    QCOMPARE(dialogs.last().text, reason);
}

void TestWmTool::characterDataFromEitherSize_data() {
    QTest::addColumn<QString>("size");
    QTest::newRow("small") << "1";
    QTest::newRow("large") << "2";
}

void TestWmTool::characterDataFromEitherSize() {
    QFETCH(QString, size);
    QVERIFY(start(QStringList{size, "2"}));
    wm::MainWindow* w = visibleMain();
    dialogs.expectMessage(Dialogs::Answer::Ok);
    auto* showSaved = wmtest::child<QPushButton>(w, "showSavedCharactersButton");
    QTest::mouseClick(showSaved, Qt::LeftButton);
    QCOMPARE(dialogs.last().text,
             QStringLiteral("キャラデータが保存されていないか\r\n保存形式が不正です"));
    QVERIFY(!tool->existingCharacterHistoryWindow() ||
            !tool->existingCharacterHistoryWindow()->isVisible());

    // Saved from the page, the character shows in the data window of either size.
    wmtest::child<QComboBox>(w, "nameList")->setEditText(QStringLiteral("ロイ"));
    dialogs.expectMessage(Dialogs::Answer::Yes);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    QTest::mouseClick(wmtest::child<QPushButton>(w, "saveCharacterButton"), Qt::LeftButton);
    QVERIFY(dialogs.last().text.endsWith(QStringLiteral("PCData.txtに保存しました")));
    QTest::mouseClick(showSaved, Qt::LeftButton);
    wm::CharacterHistoryWindow* road = tool->existingCharacterHistoryWindow();
    QVERIFY(road && road->isVisible());
    QCOMPARE(road->maximumSize(), road->minimumSize());
    QCOMPARE(wmtest::child<QComboBox>(road, "nameList")->currentText(), QStringLiteral("ロイ"));
}

void TestWmTool::rulesGoToBothWindows() {
    QVERIFY(start(QStringList{"1", "1"}));
    wm::MainWindow& large = tool->mainWindow(2);
    wm::MainWindow* small = visibleMain();
    calc(*small).startLevelBox->setText(QStringLiteral("5"));
    QTest::mouseClick(calc(*small).calculateButton, Qt::LeftButton);
    QCOMPARE(calc(large).resultBox->toPlainText(), QString(98, QLatin1Char('-')));
    // Switching size clears the list of the window switched to.
    shell(*small).tabAction(wm::TabAction::SwitchSize)->trigger();
    QVERIFY(large.isVisible());
    QVERIFY(calc(large).resultBox->toPlainText().isEmpty());
}
