#include <QTest>

#include "recordingwindows.h"
#include "scripteddialogs.h"
#include "startup.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }
    void sampleDataStartsQuietly();
    void sampleDataWithOptions();
    void noFileListEndsTheProgram();

  private:
    ScriptedDialogs dialogs;
};

void StartupTest::sampleDataStartsQuietly() {
    TestFolder folder;
    folder.copySampleData();
    AppData d;
    d.programFolder = folder.programFolder();
    d.settingsOpener = {AppData::SettingsOpener::Kind::MainWindow,
                        {WindowSize::Large, StartPage::Character}};
    RecordingWindows windows;
    QVERIFY(runStartup(d, dialogs, windows));
    QVERIFY2(dialogs.shown().isEmpty(), qPrintable(dialogs.shown().value(0).text));
    QVERIFY(d.settingsOpener == AppData::SettingsOpener{});
    // No options file ships: the settings window asks.
    QCOMPARE(windows.log, QStringList{"settings"});
    QVERIFY(d.optionsMissing);
    // Every table was filled.
    QCOMPARE(d.expTable.at(209).toString(), QString("1746679"));
    QVERIFY(d.expTable.at(300).toLongLong() > d.expTable.at(299).toLongLong());
    for (int s = 1; s <= 32; ++s)
        QVERIFY2(!d.products.sectionName(s).isEmpty(), qPrintable(QString::number(s)));
    QCOMPARE(d.jobs.at(1, 1), QString("平民"));
    QVERIFY(!d.jobs.at(24, 1).isEmpty());
}

void StartupTest::sampleDataWithOptions() {
    TestFolder folder;
    folder.copySampleData();
    folder.writeLines("txtFile/Option.txt", {"# x", "2", "# y", "2"});
    AppData d;
    d.programFolder = folder.programFolder();
    RecordingWindows windows;
    QVERIFY(runStartup(d, dialogs, windows));
    QCOMPARE(windows.log, (QStringList{"open 2 on 2", "show 2", "page 2 2"}));
}

void StartupTest::noFileListEndsTheProgram() {
    TestFolder folder;
    AppData d;
    d.programFolder = folder.programFolder();
    RecordingWindows windows;
    dialogs.expectInput(QString());
    dialogs.expectMessage(Dialogs::Answer::Ok);
    QVERIFY(!runStartup(d, dialogs, windows));
    QVERIFY(windows.log.isEmpty());
    QVERIFY(!d.expTable.at(1).isValid());  // no data file was read
}

WM_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
