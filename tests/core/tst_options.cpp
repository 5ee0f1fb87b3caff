#include <QTest>

#include "options.h"
#include "recordingwindows.h"
#include "testfolder.h"
#include "testmain.h"

Q_DECLARE_METATYPE(wm::WindowSize)
Q_DECLARE_METATYPE(wm::StartPage)

using namespace wm;
using wmtest::TestFolder;

class OptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void saveWritesFiveLines_data();
    void saveWritesFiveLines();
    void saveFailureIsReported();
    void loadApplies_data();
    void loadApplies();
    void applyOptionHidesSettingsOnlyWhenOpenedFromWindow();

  private:
};

void OptionsTest::saveWritesFiveLines_data() {
    QTest::addColumn<WindowSize>("windowSize");
    QTest::addColumn<StartPage>("startPage");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("page");
    QTest::newRow("small calculation") << WindowSize::Small << StartPage::Calculation << "1"
                                       << "1";
    QTest::newRow("large calculation") << WindowSize::Large << StartPage::Calculation << "2"
                                       << "1";
    QTest::newRow("small character") << WindowSize::Small << StartPage::Character << "1"
                                     << "2";
    QTest::newRow("large character") << WindowSize::Large << StartPage::Character << "2"
                                     << "2";
}

void OptionsTest::saveWritesFiveLines() {
    QFETCH(WindowSize, windowSize);
    QFETCH(StartPage, startPage);
    QFETCH(QString, size);
    QFETCH(QString, page);
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    QVERIFY(!saveOptions(d, {windowSize, startPage}));
    const QByteArray expected =
        wmtest::cp932Lines({"#  数字はすべて半角で入力してください",
                            "#0 画面ウィンドウサイズ(1=サイズ小 : 2=サイズ大)", size,
                            "#1 起動時の計算機データ(1=仕事技術計算 : 2=キャラデータ)", page});
    QCOMPARE(folder.readBytes("txtFile/Option.txt"), expected);
    // And it reads back in the same order.
    QCOMPARE(*readOptionValues(d), (QStringList{size, page}));
}

void OptionsTest::saveFailureIsReported() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    folder.writeBytes("txtFile/Option.txt/keep", "x");  // the options file is a folder now
    const auto problem = saveOptions(d, {});
    QVERIFY(problem);
    QVERIFY(problem->text.startsWith(folder.path() +
                                     "/txtFile/Option.txt に起動設定を保存できませんでした\r\n"));
    QCOMPARE(problem->title, QString("起動設定"));
    QCOMPARE(problem->icon, Dialogs::Icon::Exclamation);
}

void OptionsTest::loadApplies_data() {
    QTest::addColumn<QStringList>("lines");  // empty list: no file at all
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("missing");
    QTest::newRow("written by the program")
        << QStringList{"#  x", "#0 y", "2", "#1 z", "1"}
        << QStringList{"open 2 on 1", "show 2", "page 2 1"} << false;
    QTest::newRow("hand-edited 2 and 2")
        << QStringList{"2", "2"} << QStringList{"open 2 on 2", "show 2", "page 2 2"} << false;
    QTest::newRow("1.9 is small") << QStringList{"1.9"} << QStringList{"show 1"} << false;
    QTest::newRow("small on character page")
        << QStringList{"1", "2"} << QStringList{"open 1 on 2", "show 1", "page 1 2"} << false;
    // The window is told its first page before it is shown, in the page line's own reading.
    QTest::newRow("both read as whole numbers")
        << QStringList{"2.5", "2.0"} << QStringList{"open 2 on 2", "show 2", "page 2 2"} << false;
    QTest::newRow("page 3 ignored") << QStringList{"2", "3"} << QStringList{"show 2"} << false;
    QTest::newRow("bad page ignored")
        << QStringList{"1", "x", "2"} << QStringList{"show 1"} << false;
    QTest::newRow("comments only") << QStringList{"# a", "# b"} << QStringList{"settings"} << true;
    QTest::newRow("first value 3") << QStringList{"3", "1"} << QStringList{"settings"} << true;
    QTest::newRow("first value text") << QStringList{"abc", "1"} << QStringList{"settings"} << true;
    QTest::newRow("no file") << QStringList{} << QStringList{"settings"} << true;
}

void OptionsTest::loadApplies() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, log);
    QFETCH(bool, missing);
    TestFolder folder;
    if (!lines.isEmpty())
        folder.writeLines("txtFile/Option.txt", lines);
    AppData d;
    folder.prepare(d);
    RecordingWindows windows;
    loadOptions(d, windows);
    QCOMPARE(windows.log, log);
    QCOMPARE(d.optionsMissing, missing);
}

void OptionsTest::applyOptionHidesSettingsOnlyWhenOpenedFromWindow() {
    AppData d;
    RecordingWindows windows;
    windows.visible[1] = true;
    windows.settingsVisible = true;
    applyOption(d, windows, "2", OptionLine::WindowSize);
    QCOMPARE(windows.log, (QStringList{"hide 1", "show 2"}));
    QVERIFY(windows.settingsVisible);
    d.settingsOpener.kind = AppData::SettingsOpener::Kind::Confirm;
    applyOption(d, windows, "1", OptionLine::WindowSize);
    QCOMPARE(windows.log, (QStringList{"hide 1", "show 2", "hide 2", "show 1", "hide settings"}));
    applyOption(d, windows, "2", OptionLine(5));  // no such line
    applyOption(d, windows, "", OptionLine::Page);
    QCOMPARE(windows.log.size(), 5);
}

WM_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
