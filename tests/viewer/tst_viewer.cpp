#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "childwidget.h"
#include "gamedata.h"
#include "layoutcheck.h"
#include "productcontrols.h"
#include "productfixture.h"
#include "productwindow.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "viewerstartup.h"
#include "widgets.h"

using wm::ProductWindow;
using wmtest::items;

class TestViewer : public QObject {
    Q_OBJECT

  private:
    wmtest::ScriptedDialogs dialogs_;
    QPointer<ProductWindow> win_;

    // The viewer started as the program starts it, on a copy of the bundled sample data.
    void startOnSampleData(const wmtest::TestFolder& folder, wm::AppData& d) {
        folder.copySampleData();
        d = wm::viewerData();
        d.programFolder = folder.programFolder();
        win_ = wm::startViewer(d, dialogs_);
    }

  private slots:
    void cleanup() {
        delete win_.data();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    // The window may be made larger, never smaller than it starts; the information text
    // takes the extra room, and the layout stays clean.
    void growsItsInformationText() {
        wmtest::TestFolder folder;
        wm::AppData d;
        startOnSampleData(folder, d);
        QVERIFY(win_);
        const QSize start = win_->size();
        QCOMPARE(win_->minimumSize(), start);
        QVERIFY2(wmtest::layoutFaults(win_).isEmpty(),
                 qPrintable(wmtest::layoutFaults(win_).join(QLatin1Char('\n'))));
        const QSize text = wmtest::ProductControls(win_).infoBox->size();
        win_->resize(start + QSize(200, 300));
        QTRY_COMPARE(win_->size(), start + QSize(200, 300));
        QVERIFY(wmtest::ProductControls(win_).infoBox->height() >= text.height() + 290);
        QVERIFY(wmtest::ProductControls(win_).infoBox->width() >= text.width() + 190);
        QVERIFY2(wmtest::layoutFaults(win_).isEmpty(),
                 qPrintable(wmtest::layoutFaults(win_).join(QLatin1Char('\n'))));
        win_->resize(100, 100);
        QTRY_COMPARE(win_->size(), start);
    }

    void startsOnThirtyTwoGuildSections() {
        wmtest::TestFolder folder;
        wmtest::writeProductFixture(folder, 32);
        wm::AppData d = wm::viewerData();
        folder.prepare(d);
        win_ = wm::startViewer(d, dialogs_);
        QVERIFY(win_);
        QVERIFY(win_->isVisible());
        QCOMPARE(win_->windowTitle(), QStringLiteral("生産品の簡易表示　Ver.0.2.6"));
        QCOMPARE(d.guilds.at(32, 0, 1), QStringLiteral("32: 狩猟"));
        QCOMPARE(d.guilds.at(32, 2, 1), QStringLiteral("偽町.偽ギルド.偽長"));
        // Section 32 carries the first work's name but is never listed.
        wm::chooseEntry(wmtest::ProductControls(win_).workList, 0);
        QCOMPARE(items(wmtest::ProductControls(win_).guildPanel.placeList),
                 (QStringList{"森村", "王都"}));
        wmtest::ProductControls(win_).guildPanel.learningOption->click();
        QCOMPARE(items(wmtest::ProductControls(win_).guildPanel.placeList),
                 (QStringList{"森村", "港町", "雪村"}));
    }

    void materialOnlyInSection29_data() {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("text");
        // 142 runs are capped at 40, one material or not. Both programs find the material.
        const QString text =
            "特殊       005 の 秘薬の素 を 40\n秘剣 を 40 回分作れます\n"
            "秘剣 を 40 回分の経験値 2400\n残り重量は 720 です";
        QTest::newRow("wmview") << true << "5"
                                << "7" << text;
        QTest::newRow("wmtool") << false << "5"
                                << "7" << text;
    }
    void materialOnlyInSection29() {
        QFETCH(bool, viewer);
        QFETCH(QString, level);
        QFETCH(QString, weight);
        QFETCH(QString, text);
        wmtest::TestFolder folder;
        wmtest::writeProductFixture(folder, viewer ? 32 : 31);
        wm::AppData d = viewer ? wm::viewerData() : wm::AppData();
        folder.prepare(d);
        if (viewer) {
            win_ = wm::startViewer(d, dialogs_);
        } else {
            wm::loadProducts(d, dialogs_);
            win_ = new ProductWindow(d, dialogs_);
        }
        QVERIFY(win_);
        wm::chooseEntry(wmtest::ProductControls(win_).workList, 13);
        wm::chooseEntry(wmtest::ProductControls(win_).productList, 1);
        QCOMPARE(wmtest::ProductControls(win_).productList->currentText(), QStringLiteral("秘剣"));
        QCOMPARE(wmtest::ProductControls(win_).materials[0].level->text(), level);
        QCOMPARE(wmtest::ProductControls(win_).materials[0].weight->text(), weight);
        // The row is filled from section 29, which is no material work.
        QCOMPARE(wmtest::ProductControls(win_).materials[0].workList->currentText(),
                 QStringLiteral("特殊"));
        QCOMPARE(wmtest::ProductControls(win_).materials[0].nameList->currentText(),
                 QStringLiteral("秘薬の素"));
        QCOMPARE(wmtest::ProductControls(win_).materials[0].count->text(), QStringLiteral("1"));
        QVERIFY(!wmtest::ProductControls(win_).materials[0].nameList->isHidden());
        QCOMPARE(wmtest::ProductControls(win_).infoBox->toPlainText(), text);
    }

    void guildWarningShownOnce() {
        wmtest::TestFolder folder;
        wmtest::writeProductFixture(folder, 32);
        QStringList guilds = wmtest::guildDataLines(32);
        guilds.prepend(QStringLiteral("値だけの行"));
        folder.writeLines(QStringLiteral("txtFile/GuildData.txt"), guilds);
        wm::AppData d = wm::viewerData();
        folder.prepare(d);
        dialogs_.expectMessage(wm::Dialogs::Answer::Ok);
        win_ = wm::startViewer(d, dialogs_);
        QVERIFY(win_);
        QCOMPARE(dialogs_.shown().size(), 1);
        QVERIFY(dialogs_.last().text.contains(QStringLiteral("GuildData.txt")));
    }

    void missingFileListEndsBeforeTheWindow() {
        wmtest::TestFolder folder;
        wm::AppData d = wm::viewerData();
        d.programFolder = folder.programFolder();
        dialogs_.expectInput(QString());
        dialogs_.expectMessage(wm::Dialogs::Answer::Ok);
        const int windows = QApplication::topLevelWidgets().size();
        QCOMPARE(wm::startViewer(d, dialogs_), nullptr);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QCOMPARE(dialogs_.shown().size(), 2);
        QVERIFY(dialogs_.shown().at(0).input);
        QCOMPARE(dialogs_.shown().at(1).text,
                 QStringLiteral("FileList.txt の場所が指定されなかったため、終了します"));
    }

    void closingTheWindowEndsTheProgram() {
        wmtest::TestFolder folder;
        wmtest::writeProductFixture(folder, 32);
        wm::AppData d = wm::viewerData();
        folder.prepare(d);
        win_ = wm::startViewer(d, dialogs_);
        QVERIFY(win_);
        // Here the window is the program: Escape, which closes it in wmtool, leaves it open.
        win_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(win_ && win_->isVisible());
        // Run the program's event loop: closing its only window must end it.
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, win_.data(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(lastClosed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(win_.isNull());
    }

    void opensOnTheSampleData() {
        wmtest::TestFolder folder;
        wm::AppData d;
        startOnSampleData(folder, d);
        QVERIFY(win_);
        QCOMPARE(wmtest::ProductControls(win_).workList->count(), 30);
        for (int pos = 0; pos < wmtest::ProductControls(win_).workList->count(); ++pos) {
            wm::chooseEntry(wmtest::ProductControls(win_).workList, pos);
            if (wmtest::ProductControls(win_).productList->count() > 1)
                wm::chooseEntry(wmtest::ProductControls(win_).productList, 1);
            wmtest::ProductControls(win_).modes.products->click();
            wmtest::ProductControls(win_).modes.materials->click();
        }
    }

    void sampleDataShowsWhatBelongsToTheChoice() {
        wmtest::TestFolder folder;
        wm::AppData d;
        startOnSampleData(folder, d);
        QVERIFY(win_);
        ProductWindow& w = *win_;
        const wmtest::ProductControls ui(&w);
        auto product = [&ui](const QString& name) {
            const int i = ui.productList->findText(name);
            QVERIFY2(i > 0, qPrintable(name));
            wm::chooseEntry(ui.productList, i);
        };
        // 釣り has a second guild and a fourth learning place in another section.
        wm::chooseEntry(ui.workList, 2);
        QCOMPARE(ui.guildPanel.placeList->currentText(), QStringLiteral("港町ベルナ"));
        QCOMPARE(ui.guildPanel.building->text(), QStringLiteral("漁業ギルド"));
        QCOMPARE(ui.guildPanel.person->text(), QStringLiteral("網元カイ"));
        ui.guildPanel.learningOption->click();
        QCOMPARE(ui.guildPanel.placeList->count(), 4);
        wm::chooseEntry(ui.guildPanel.placeList, 3);
        QCOMPARE(ui.guildPanel.building->text(), QStringLiteral("オアシス"));
        QCOMPARE(ui.guildPanel.person->text(), QStringLiteral("釣り人カリム"));
        // 製本 has no guild.
        ui.guildPanel.guildOption->click();
        wm::chooseEntry(ui.workList, 28);
        QCOMPARE(ui.guildPanel.building->text(), QString());
        QCOMPARE(ui.guildPanel.person->text(), QString());

        // 湧き水の霊薬 needs nothing: 万能薬's first row must not stay.
        wm::chooseEntry(ui.workList, 6);
        product(QStringLiteral("万能薬"));
        QCOMPARE(ui.materials[0].level->text(), QStringLiteral("70"));
        product(QStringLiteral("湧き水の霊薬"));
        QCOMPARE(ui.materials[0].level->text(), QString());
        QCOMPARE(ui.materials[0].weight->text(), QString());
        QCOMPARE(ui.infoBox->toPlainText(), QString());
        // 虫除けの香: the strength on its own line.
        ui.modes.products->click();
        product(QStringLiteral("虫除けの香"));
        QCOMPARE(ui.infoBox->toPlainText(),
                 QStringLiteral("虫除けの香 を 1000 持てます\n残り重量は 0 です\n  薬物強度:30"));

        // 銀の首飾り: 銀の鎖 from section 29, runs capped.
        ui.modes.materials->click();
        wm::chooseEntry(ui.workList, 27);
        product(QStringLiteral("銀の首飾り"));
        QCOMPARE(
            ui.infoBox->toPlainText(),
            QStringLiteral("首飾り細工 020 の 銀の鎖 を 39\n細工       025 の 宝石の台座 を 39\n"
                           "銀の首飾り を 39 回分作れます\n"
                           "銀の首飾り を 39 回分の経験値 11700\n残り重量は 922 です"));
    }
};

WM_TEST_MAIN(TestViewer)
#include "tst_viewer.moc"
