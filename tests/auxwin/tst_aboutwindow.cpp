#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "aboutwindow.h"
#include "auxfixture.h"
#include "childwidget.h"
#include "scripteddialogs.h"
#include "sysinfo.h"
#include "testfolder.h"
#include "testmain.h"
#include "textrules.h"

using wm::AboutWindow;

namespace {

const QString kDesign = QStringLiteral(
    "このツールは、MMORPG（Wendmoor)内にある仕事技術のレベルUPに必要な経験値などを求める計算機"
    "です。");
const QString kUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");
const QString kFirstKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSecondKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

void setTime(const QString& path, const QDateTime& time) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

}  // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<wmtest::TestFolder> folder_;
    std::unique_ptr<wm::AppData> data_;
    wmtest::ScriptedDialogs dialogs_;
    QPointer<AboutWindow> win_;
    QStringList started_;
    bool startWorks_ = true;
    wm::SystemInfoLauncher previous_;

    AboutWindow& w() { return *win_; }

  private slots:
    void init() {
        folder_ = std::make_unique<wmtest::TestFolder>();
        data_ = std::make_unique<wm::AppData>();
        folder_->prepare(*data_);
        win_ = new AboutWindow(*data_, dialogs_);
        started_.clear();
        startWorks_ = true;
        previous_ = wm::setSystemInfoLauncher([this](const QString& path) {
            started_ << path;
            return startWorks_;
        });
    }

    void cleanup() {
        delete win_.data();
        wm::setSystemInfoLauncher(previous_);
#ifndef Q_OS_WIN
        wm::RegistryStandIn::instance().clear();
#endif
        WM_VERIFY_DIALOGS(dialogs_);
    }

    void loadTexts() {
        QCOMPARE(w().windowTitle(), QStringLiteral("wmtoolのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(wmtest::child<QLabel>(&w(), "titleLabel")->text(), QStringLiteral("wmtool"));
        QCOMPARE(wmtest::child<QLabel>(&w(), "versionLabel")->text(),
                 QStringLiteral("Ver. 0. 2. 6"));
        QCOMPARE(wmtest::child<QLabel>(&w(), "descriptionLabel")->text(), kDesign);
        QVERIFY(wmtest::child<QLabel>(&w(), "disclaimerLabel")
                    ->text()
                    .startsWith(QStringLiteral("警告: ")));
        QCOMPARE(wmtest::child<QPushButton>(&w(), "okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(wmtest::child<QPushButton>(&w(), "systemInfoButton")->text(),
                 QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        QVERIFY(!wmtest::child<QLabel>(&w(), "iconLabel")->pixmap().isNull());
    }

    void okCloses() {
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(win_.data()));
        QTest::mouseClick(wmtest::child<QPushButton>(&w(), "okButton"), Qt::LeftButton);
        QTRY_VERIFY(win_.isNull());
    }

    void updateTimes_data() {
        QTest::addColumn<bool>("makeData");
        QTest::addColumn<bool>("program");
        QTest::newRow("both files") << true << true;
        QTest::newRow("no production data") << false << true;
        QTest::newRow("no program file") << true << false;
        QTest::newRow("neither") << false << false;
    }
    void updateTimes() {
        QFETCH(bool, makeData);
        QFETCH(bool, program);
        const QDateTime makeTime(QDate(2008, 3, 5), QTime(14, 7, 33));
        const QDateTime programTime(QDate(2009, 11, 20), QTime(8, 30, 0));
        if (makeData) {
            folder_->writeLines("txtFile/MakeData.txt", {"#01 狩猟"});
            setTime(folder_->filePath("txtFile/MakeData.txt"), makeTime);
        }
        if (program) {
            folder_->writeBytes("wmtool", "program");  // file list entry 7
            setTime(folder_->filePath("wmtool"), programTime);
        }
        // The platform's own short date and time form.
        const QString makeText = makeData
                                     ? QLocale::system().toString(makeTime, QLocale::ShortFormat)
                                     : QStringLiteral("不明");
        const QString programText =
            program ? QLocale::system().toString(programTime, QLocale::ShortFormat)
                    : QStringLiteral("不明");
        if (makeData && program)
            QVERIFY(makeText != programText);  // so a swap of the two files would show
        const QString lines = QStringLiteral("\n\n生産データ更新日時：") + makeText +
                              QStringLiteral("\n\nプログラム更新日時：") + programText;

        w().appendUpdateTimes();
        QCOMPARE(wmtest::child<QLabel>(&w(), "descriptionLabel")->text(), kDesign + lines);
        // The window grows with the wrapped description instead of cutting it off.
        QVERIFY(w().height() >= w().layout()->totalHeightForWidth(w().width()));
        const int height = w().height();
        // Opened again while still loaded: the lines stand once, the window keeps its size.
        w().appendUpdateTimes();
        QCOMPARE(wmtest::child<QLabel>(&w(), "descriptionLabel")->text(), kDesign + lines);
        QCOMPARE(w().height(), height);
        // A file changed in between shows its new time.
        if (makeData) {
            const QDateTime later(QDate(2010, 1, 2), QTime(3, 4, 5));
            setTime(folder_->filePath("txtFile/MakeData.txt"), later);
            w().appendUpdateTimes();
            QCOMPARE(wmtest::child<QLabel>(&w(), "descriptionLabel")->text(),
                     kDesign + QStringLiteral("\n\n生産データ更新日時：") +
                         QLocale::system().toString(later, QLocale::ShortFormat) +
                         QStringLiteral("\n\nプログラム更新日時：") + programText);
        }
    }

#ifndef Q_OS_WIN
    void keyValues_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("out");
        QTest::newRow("text") << "text"
                              << "PATH" << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("name in other case") << "text"
                                            << "path" << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("number") << "number"
                                << "PATH" << true << "305419896";
        QTest::newRow("largest number") << "max"
                                        << "PATH" << true << "4294967295";
        QTest::newRow("binary keeps out") << "binary"
                                          << "PATH" << true << "before";
        QTest::newRow("missing value") << "text"
                                       << "OTHER" << false << "";
        QTest::newRow("missing key") << "none"
                                     << "PATH" << false << "";
    }
    void keyValues() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(bool, found);
        QFETCH(QString, out);
        auto& registry = wm::RegistryStandIn::instance();
        const auto root = wm::RegRoot::LocalMachine;
        if (kind == "text")
            registry.setText(root, kFirstKey, "PATH", "C:\\Tools\\msinfo32.exe");
        else if (kind == "number")
            registry.setNumber(root, kFirstKey, "PATH", 0x12345678u);
        else if (kind == "max")
            registry.setNumber(root, kFirstKey, "PATH", 0xFFFFFFFFu);
        else if (kind == "binary")
            registry.setBinary(root, kFirstKey, "PATH", QByteArray("\x01\x02", 2));
        QString value = QStringLiteral("before");
        QCOMPARE(wm::readRegistryValue(root, kFirstKey.toLower(), name, value), found);
        QCOMPARE(value, out);
    }

    void startSysInfo_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("toolExists");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("started");  // "first", "second" or "" for none
        QTest::addColumn<bool>("message");
        QTest::newRow("no entry") << false << false << false << true << "" << true;
        QTest::newRow("first entry") << true << false << false << true << "first" << false;
        QTest::newRow("second entry") << false << true << true << true << "second" << false;
        QTest::newRow("second entry, no tool") << false << true << false << true << "" << true;
        QTest::newRow("both, first wins") << true << true << true << true << "first" << false;
        QTest::newRow("start fails") << true << false << false << false << "first" << true;
        QTest::newRow("second, start fails") << false << true << true << false << "second" << true;
    }
    void startSysInfo() {
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(bool, toolExists);
        QFETCH(bool, startWorks);
        QFETCH(QString, started);
        QFETCH(bool, message);
        auto& registry = wm::RegistryStandIn::instance();
        const auto root = wm::RegRoot::LocalMachine;
        const QString firstPath = folder_->programFolder() + "\\first\\MSINFO32.EXE";
        const QString toolFolder = folder_->programFolder() + "\\second";
        // A key without the value counts as no entry.
        registry.addKey(root, kFirstKey);
        if (first)
            registry.setText(root, kFirstKey, "PATH", firstPath);
        if (second)
            registry.setText(root, kSecondKey, "MSINFO", toolFolder);
        if (toolExists)
            folder_->writeBytes("second/MSINFO32.EXE", "tool");
        startWorks_ = startWorks;
        if (message)
            dialogs_.expectMessage(wm::Dialogs::Answer::Ok);

        QTest::mouseClick(wmtest::child<QPushButton>(&w(), "systemInfoButton"), Qt::LeftButton);

        QStringList expected;
        if (started == "first")
            expected << wm::toNativePath(firstPath);
        else if (started == "second")
            expected << wm::toNativePath(toolFolder + "\\MSINFO32.EXE");
        QCOMPARE(started_, expected);
        QCOMPARE(dialogs_.shown().size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(dialogs_.last().text, kUnavailable);
            QCOMPARE(dialogs_.last().title, QStringLiteral("wmtool"));
            QCOMPARE(dialogs_.last().buttons, wm::Dialogs::Buttons::Ok);
            QCOMPARE(dialogs_.last().icon, wm::Dialogs::Icon::None);
        }
    }
#endif
};

WM_TEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
