#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <memory>

#include "auxfixture.h"
#include "characterhistory.h"
#include "characterhistorywindow.h"
#include "characterwindowtest.h"
#include "childwidget.h"
#include "gamedata.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::CharacterHistoryWindow;
using wmtest::items;
using wmtest::pcLine;

namespace {

const QStringList kValuesA = {"100", "3000", "50", "40", "30", "200", "45", "50", "20"};

}  // namespace

class TestCharacterHistoryWindow : public wmtest::CharacterWindowTest<CharacterHistoryWindow> {
    Q_OBJECT

  private:
    QComboBox* nameList() { return wmtest::child<QComboBox>(win_.data(), "nameList"); }
    QComboBox* saveTimeList() { return wmtest::child<QComboBox>(win_.data(), "saveTimeList"); }
    QLineEdit* box(const QString& name) { return wmtest::child<QLineEdit>(win_.data(), name); }
    // Work slots 1..12: check, work list, level.
    QCheckBox* workPost(int k) {
        return wmtest::child<QCheckBox>(win_.data(), QStringLiteral("workPostCheck%1").arg(k));
    }
    QComboBox* workList(int k) {
        return wmtest::child<QComboBox>(win_.data(), QStringLiteral("workList%1").arg(k));
    }
    QLineEdit* workLevel(int k) { return box(QStringLiteral("workLevelBox%1").arg(k)); }

    // Writes the character file, loads it and opens the window as the show button does.
    void open(const QStringList& lines) {
        folder_->writeLines("txtFile/PCData.txt", lines);
        wm::loadHistory(*data_);
        QVERIFY(w().showSavedCharacters());
        w().showWorkRowsForFame();
        QVERIFY(QTest::qWaitForWindowExposed(win_.data()));
    }
    void chooseName(int pos) { wm::chooseEntry(nameList(), pos); }
    void chooseSave(int pos) { wm::chooseEntry(saveTimeList(), pos); }

  private slots:
    void init() {
        prepareData();
        wm::loadProducts(*data_, dialogs_);
        win_ = new CharacterHistoryWindow(*data_, dialogs_);
    }
    void cleanup() { closeWindow(); }

    void loadState() {
        QCOMPARE(w().windowTitle(), QStringLiteral("PCデータ表示"));
        QVERIFY(w().width() >= 438 && w().height() >= 388);
        for (int k = 7; k <= 12; ++k) {
            const QComboBox* list = workList(k);
            QCOMPARE(list->count(), 25);
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->itemText(0), QString());
            QCOMPARE(list->itemText(1), QStringLiteral("薬調合"));
            QCOMPARE(list->itemText(22), QStringLiteral("指輪細工"));
            QCOMPARE(list->itemText(23), QStringLiteral("製本"));
            QCOMPARE(list->itemText(24), QStringLiteral("楽器製作"));
        }
        QStringList works;
        for (int k = 1; k <= 6; ++k)
            works << workList(k)->currentText();
        QCOMPARE(works,
                 (QStringList{"狩猟", "木こり", "釣り", "農作業", "ハーブ採り", "鉱石掘り"}));
        // The captions and tips the three character windows share.
        QStringList captions;
        for (const char* name :
             {"hp", "vitality", "intelligence", "luck", "mp", "agility", "strength", "charm"}) {
            const auto* caption =
                wmtest::child<QLabel>(win_.data(), QString::fromLatin1(name) + "Caption");
            captions << caption->text() + ' ' + caption->toolTip();
        }
        QCOMPARE(captions, (QStringList{"ＨＰ HPの値を入力します", "体力 体力の値を入力します",
                                        "知力 知力の値を入力します", "幸運 幸運の値を入力します",
                                        "ＭＰ MPの値を入力します", "敏捷 敏捷の値を入力します",
                                        "筋力 筋力の値を入力します", "魅力 魅力の値を入力します"}));
    }

    void noDataMeansNoWindow() {
        dialogs_.expectMessage(wm::Dialogs::Answer::Ok);
        wm::loadHistory(*data_);  // no file at all
        QVERIFY(!w().showSavedCharacters());
        QVERIFY(!w().isVisible());
        QCOMPARE(dialogs_.shown().size(), 1);
        QCOMPARE(dialogs_.last().text,
                 QStringLiteral("キャラデータが保存されていないか\r\n保存形式が不正です"));
        QCOMPARE(dialogs_.last().title, data_->appTitle);
        QCOMPARE(dialogs_.last().buttons, wm::Dialogs::Buttons::Ok);
    }

    void threeSavesNewestFirst_data() {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("fame");
        QTest::addColumn<QString>("job");
        QTest::newRow("0 third save") << 0 << "102"
                                      << "3000"
                                      << "侍";
        QTest::newRow("1 second save") << 1 << "101"
                                       << "2000"
                                       << "戦士";
        QTest::newRow("2 first save") << 2 << "100"
                                      << "1000"
                                      << "平民";
    }
    void threeSavesNewestFirst() {
        QFETCH(int, pos);
        QFETCH(QString, level);
        QFETCH(QString, fame);
        QFETCH(QString, job);
        QStringList v = kValuesA;
        QStringList lines;
        const QStringList jobs = {"01", "02", "03"};
        for (int i = 0; i < 3; ++i) {
            v[0] = QString::number(100 + i);
            lines << pcLine("アリス", jobs.at(i), v,
                            QStringLiteral("2008/03/0%1 14:07:33").arg(i + 1),
                            QString::number(1000 * (i + 1)), "01010,");
        }
        open(lines);
        QCOMPARE(items(saveTimeList()), (QStringList{"2008/03/03 14:07:33", "2008/03/02 14:07:33",
                                                     "2008/03/01 14:07:33"}));
        QCOMPARE(saveTimeList()->currentIndex(), 0);
        chooseSave(pos == 0 ? 1 : 0);  // come from another save, so the choice shows
        chooseSave(pos);
        QCOMPARE(w().chosenPosition(CharacterHistoryWindow::List::SaveTime), pos);
        QCOMPARE(box("levelBox")->text(), level);
        QCOMPARE(box("fameBox")->text(), fame);
        QCOMPARE(box("jobBox")->text(), job);
        QCOMPARE(w().loadedStatus().level, level);
    }

    void everyCharacterListed() {
        // 101 saves of one name, then ten more names: each listed once, with all saves.
        QStringList lines;
        QStringList v = kValuesA;
        for (int n = 1; n <= 101; ++n) {
            v[0] = QString::number(n);
            lines << pcLine("アリス", "01", v, QStringLiteral("2008/03/05 14:%1:00").arg(n % 60),
                            "100", "01010,");
        }
        QStringList names = {"アリス"};
        for (int i = 1; i <= 10; ++i) {
            v[0] = QString::number(500 + i);
            names << QStringLiteral("pc%1").arg(i);
            lines << pcLine(names.last(), "02", v, "2008/03/06 10:00:00", "100", "01010,");
        }
        open(lines);
        QCOMPARE(items(nameList()), names);
        QCOMPARE(saveTimeList()->count(), 101);
        QCOMPARE(box("levelBox")->text(), QStringLiteral("101"));
        chooseSave(100);  // the oldest
        QCOMPARE(box("levelBox")->text(), QStringLiteral("1"));
        chooseName(10);
        QCOMPARE(saveTimeList()->count(), 1);
        QCOMPARE(box("levelBox")->text(), QStringLiteral("510"));
        QCOMPARE(box("jobBox")->text(), QStringLiteral("戦士"));
    }

    void nameShowsNewestSave() {
        QStringList b = kValuesA;
        b[1] = "4321";
        b[8] = "77";
        open({pcLine("アリス", "01", kValuesA, "2008/03/05 14:07:33", "100", "01010,"),
              pcLine("ボブ", "07", kValuesA, "2008/03/06 10:00:00", "200", "02005,"),
              pcLine("ボブ", "02", b, "2008/03/07 11:00:00", "16000", "02099,")});
        QCOMPARE(items(nameList()), (QStringList{"アリス", "ボブ"}));
        QCOMPARE(nameList()->currentIndex(), 0);
        QCOMPARE(box("fameBox")->text(), QStringLiteral("100"));
        chooseName(1);
        QCOMPARE(w().chosenPosition(CharacterHistoryWindow::List::Name), 1);
        QCOMPARE(saveTimeList()->currentIndex(), 0);
        QCOMPARE(saveTimeList()->currentText(), QStringLiteral("2008/03/07 11:00:00"));
        QCOMPARE(box("jobBox")->text(), QStringLiteral("戦士"));
        QCOMPARE(box("hpBox")->text(), QStringLiteral("4321"));
        QCOMPARE(box("charmBox")->text(), QStringLiteral("77"));
        QCOMPARE(workLevel(1)->text(), QStringLiteral("99"));
        // Fame 16000 shows all twelve rows.
        QVERIFY(!workList(12)->isHidden());
    }

    void fewerWorkEntriesLeaveSlotsEmpty() {
        // The older save fills slots 7..12; the newer one has only two of them.
        const QString all =
            "01001,02002,03003,04004,05005,06006,07011,08012,09013,10014,11015,"
            "12016,";
        const QString two = ",,,,,,13021,14022,";
        open({pcLine("アリス", "01", kValuesA, "2008/03/05 14:07:33", "20000", all),
              pcLine("アリス", "01", kValuesA, "2008/03/06 14:07:33", "20000", two),
              pcLine("ボブ", "01", kValuesA, "2008/03/07 14:07:33", "20000", "01005,")});
        chooseSave(1);
        QCOMPARE(workLevel(12)->text(), QStringLiteral("16"));
        QCOMPARE(workList(12)->currentIndex(), 6);
        chooseSave(0);
        QCOMPARE(workList(7)->currentIndex(), 7);
        QCOMPARE(workList(8)->currentText(), QStringLiteral("刀鍛冶"));
        QCOMPARE(workLevel(8)->text(), QStringLiteral("22"));
        for (int k = 9; k <= 12; ++k) {
            QCOMPARE(workList(k)->currentIndex(), 0);
            QCOMPARE(workList(k)->currentText(), QString());
            QCOMPARE(workLevel(k)->text(), QString());
            QCOMPARE(w().savedWork(k).code, 0);
            QCOMPARE(w().savedWork(k).level, QString());
        }
        // Empty first slots: code "0", no level.
        QCOMPARE(w().savedWork(1).code, 0);
        QCOMPARE(workLevel(1)->text(), QString());

        // Another character's save shows none of Alice's levels.
        chooseSave(1);
        chooseName(1);
        QCOMPARE(workLevel(1)->text(), QStringLiteral("5"));
        for (int k = 2; k <= 12; ++k) {
            QCOMPARE(workLevel(k)->text(), QString());
            QCOMPARE(workList(k)->currentText(), k <= 6 ? workList(k)->itemText(0) : QString());
        }
    }

    void workCodes_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("level");
        QTest::newRow("12045") << "12045" << 6 << "革細工"
                               << "45";
        QTest::newRow("07 first") << "07001" << 1 << "薬調合"
                                  << "1";
        QTest::newRow("28 last before 29") << "28300" << 22 << "指輪細工"
                                           << "300";
        QTest::newRow("29 is section 30") << "29050" << 23 << "製本"
                                          << "50";
        QTest::newRow("30 is section 31") << "30007" << 24 << "楽器製作"
                                          << "7";
        QTest::newRow("31 not listed") << "31010" << 0 << ""
                                       << "10";
        QTest::newRow("05 not listed") << "05010" << 0 << ""
                                       << "10";
    }
    void workCodes() {
        QFETCH(QString, entry);
        QFETCH(int, pos);
        QFETCH(QString, name);
        QFETCH(QString, level);
        open({pcLine("アリス", "01", kValuesA, "2008/03/05 14:07:33", "100",
                     ",,,,,,07010," + entry + ",")});
        QCOMPARE(workList(8)->currentIndex(), pos);
        QCOMPARE(workList(8)->currentText(), name);
        QCOMPARE(workLevel(8)->text(), level);
        QCOMPARE(w().savedWork(8).code, entry.left(2).toInt());
        QCOMPARE(w().savedWork(8).level, entry.mid(2));

        // Typing into the work name puts the saved work back; an unlisted code leaves it.
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_.data()));
        workList(8)->setFocus();
        QTest::keyClicks(workList(8), "x");
        QCOMPARE(workList(8)->currentText(), pos > 0 ? name : QStringLiteral("x"));
    }

    void unknownJobShowsNoJob() {
        open({pcLine("アリス", "03", kValuesA, "2008/03/05 14:07:33", "100", "01010,"),
              pcLine("ボブ", "99", kValuesA, "2008/03/06 14:07:33", "100", "01010,")});
        QCOMPARE(box("jobBox")->text(), QStringLiteral("侍"));
        chooseName(1);
        QCOMPARE(box("jobBox")->text(), QString());
        QCOMPARE(w().loadedStatus().job, QString());
        QCOMPARE(box("levelBox")->text(), QStringLiteral("100"));
    }

    void statusKeys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("HP seventh digit refused")
            << QStringLiteral("hpBox") << "123456" << false << "7"
            << "123456";
        QTest::newRow("HP sixth digit taken") << QStringLiteral("hpBox") << "12345" << false << "6"
                                              << "123456";
        QTest::newRow("HP selection replaced") << QStringLiteral("hpBox") << "123456" << true << "9"
                                               << "9";
        QTest::newRow("MP seventh digit refused")
            << QStringLiteral("mpBox") << "999999" << false << "1"
            << "999999";
        QTest::newRow("level fifth digit refused")
            << QStringLiteral("levelBox") << "1234" << false << "5"
            << "1234";
        QTest::newRow("level fourth digit taken")
            << QStringLiteral("levelBox") << "123" << false << "4"
            << "1234";
        QTest::newRow("fame eleventh digit refused")
            << QStringLiteral("fameBox") << "1234567890" << false << "1"
            << "1234567890";
        QTest::newRow("fame tenth digit taken")
            << QStringLiteral("fameBox") << "123456789" << false << "0"
            << "1234567890";
        QTest::newRow("letters pass") << QStringLiteral("hpBox") << "123456" << false << "a"
                                      << "123456a";
        QTest::newRow("backspace") << QStringLiteral("hpBox") << "123456" << false << "\b"
                                   << "12345";
    }
    void statusKeys() {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        open({pcLine("アリス", "01", kValuesA, "2008/03/05 14:07:33", "100", "01010,")});
        QLineEdit* e = this->box(box);
        e->setText(before);
        if (selectAll)
            e->selectAll();
        if (typed == "\b")
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, typed);
        QCOMPARE(e->text(), after);
    }

    void enterAndListKeys() {
        open({pcLine("アリス", "01", kValuesA, "2008/03/05 14:07:33", "100", "01010,"),
              pcLine("Bob", "01", kValuesA, "2008/03/06 14:07:33", "100", "01010,")});
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_.data()));
        // Typed keys never choose a list entry; Enter moves on.
        nameList()->setFocus();
        QTest::keyClicks(nameList(), "b");
        QCOMPARE(nameList()->currentIndex(), 0);
        QTest::keyClick(nameList(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), saveTimeList());
        // Enter in the fame box sets the rows and moves on without typing anything.
        box("fameBox")->setFocus();
        box("fameBox")->setText("5001");
        QTest::keyClick(box("fameBox"), Qt::Key_Return);
        QCOMPARE(box("fameBox")->text(), QStringLiteral("5001"));
        QVERIFY(QApplication::focusWidget() != box("fameBox"));
        QVERIFY(!workList(11)->isHidden());
        QVERIFY(workList(12)->isHidden());
    }

    void workRowsByFame_data() {
        QTest::addColumn<QString>("fame");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2500") << "2500" << 9 << "2500";
        QTest::newRow("2501") << "2501" << 10 << "2501";
        QTest::newRow("5000") << "5000" << 10 << "5000";
        QTest::newRow("5001") << "5001" << 11 << "5001";
        QTest::newRow("15000") << "15000" << 11 << "15000";
        QTest::newRow("15001") << "15001" << 12 << "15001";
        QTest::newRow("-1") << "-1" << 12 << "-1";
        QTest::newRow("text") << "abc" << 9 << "0";
        QTest::newRow("empty") << "" << 9 << "0";
    }
    void workRowsByFame() {
        QFETCH(QString, fame);
        QFETCH(int, rows);
        QFETCH(QString, shown);
        // Start from the other extreme, so rows must be hidden as well as shown.
        box("fameBox")->setText(rows == 12 ? "0" : "20000");
        box("fameBox")->setText(fame);
        w().showWorkRowsForFame();
        QCOMPARE(box("fameBox")->text(), shown);
        for (int k = 1; k <= 12; ++k) {
            const bool hidden = k > rows;
            QCOMPARE(workPost(k)->isHidden(), hidden);
            QCOMPARE(workList(k)->isHidden(), hidden);
            QCOMPARE(workLevel(k)->isHidden(), hidden);
        }
    }
};

WM_TEST_MAIN(TestCharacterHistoryWindow)
#include "tst_characterhistorywindow.moc"
