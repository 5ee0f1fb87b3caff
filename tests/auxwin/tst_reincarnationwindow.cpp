#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "auxfixture.h"
#include "characterwindowtest.h"
#include "childwidget.h"
#include "gamedata.h"
#include "reincarnationwindow.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::ReincarnationWindow;
using wmtest::pcLine;

namespace {

// The value boxes go by these names with "Input" or "Result" after them.
const char* const kValueNames[8] = {"hp", "vitality", "intelligence", "luck",
                                    "mp", "agility",  "strength",     "charm"};

}  // namespace

class TestReincarnationWindow : public wmtest::CharacterWindowTest<ReincarnationWindow> {
    Q_OBJECT

  private:
    QLineEdit* box(const QString& name) { return wmtest::child<QLineEdit>(win_.data(), name); }
    QComboBox* list(const char* name) { return wmtest::child<QComboBox>(win_.data(), name); }
    // The value boxes by value: HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力.
    QLineEdit* input(int v) { return box(QString::fromLatin1(kValueNames[v]) + "InputBox"); }
    QLineEdit* result(int v) { return box(QString::fromLatin1(kValueNames[v]) + "ResultBox"); }
    void open() {
        win_ = new ReincarnationWindow(*data_);
        w().show();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_.data()));
    }
    // Count, level and the eight values HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力.
    void enter(const QString& count, const QString& level, const QStringList& values) {
        box("countBox")->setText(count);
        box("levelBox")->setText(level);
        for (int v = 0; v < 8; ++v)
            input(v)->setText(values.at(v));
    }
    QStringList results() {
        QStringList out;
        for (int v = 0; v < 8; ++v)
            out << result(v)->text();
        return out;
    }
    void compute() {
        QTest::mouseClick(wmtest::child<QPushButton>(win_.data(), "calculateButton"),
                          Qt::LeftButton);
    }

  private slots:
    void init() { prepareData(); }
    void cleanup() { closeWindow(); }

    void reincarnation_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("expected");
        const QStringList zeros = {"0", "0", "0", "0", "0", "0", "0", "0"};
        // With all values 0 each result is the base: 100 for HP and MP, 10 for the others.
        QTest::newRow("HP 3000 and 筋力 50")
            << "1"
            << "100" << QStringList{"3000", "0", "0", "0", "0", "0", "50", "0"}
            << QStringList{"259", "10", "10", "10", "100", "10", "13", "10"};
        QTest::newRow("HP 60000 capped")
            << "1"
            << "100" << QStringList{"60000", "0", "0", "0", "0", "0", "0", "0"}
            << QStringList{"2000", "10", "10", "10", "100", "10", "10", "10"};
        QTest::newRow("bonus and stat caps")
            << "1"
            << "100" << QStringList{"0", "9999", "600", "0", "0", "0", "0", "0"}
            << QStringList{"100", "300", "190", "10", "100", "10", "10", "10"};
        QTest::newRow("count 2 at level 75 stops") << "2"
                                                   << "75" << zeros << QStringList(8, QString());
        QTest::newRow("count 2 at level 76")
            << "2"
            << "76" << zeros << QStringList{"100", "10", "10", "10", "100", "10", "10", "10"};
        QTest::newRow("level 70 stops") << "1"
                                        << "70" << zeros << QStringList(8, QString());
        // Beyond 16 bits: count 63 raises the HP and MP cap to 33000.
        QTest::newRow("count 63 MP 60000")
            << "63"
            << "381" << QStringList{"0", "0", "0", "0", "60000", "0", "0", "0"}
            << QStringList{"100", "10", "10", "10", "33000", "10", "10", "10"};
        QTest::newRow("HP 999999 at count 100")
            << "100"
            << "999" << QStringList{"999999", "0", "0", "0", "0", "0", "0", "0"}
            << QStringList{"51500", "10", "10", "10", "100", "10", "10", "10"};
        QTest::newRow("a value that is no number stops")
            << "1"
            << "100" << QStringList{"3000", "0", "0", "", "0", "0", "0", "0"}
            << QStringList(8, QString());
    }
    void reincarnation() {
        QFETCH(QString, count);
        QFETCH(QString, level);
        QFETCH(QStringList, values);
        QFETCH(QStringList, expected);
        open();
        enter(count, level, values);
        compute();
        QCOMPARE(results(), expected);
    }

    void countDefaults_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<QString>("hp");
        QTest::newRow("empty count") << ""
                                     << "100"
                                     << "1"
                                     << "259";
        QTest::newRow("count 0") << "0"
                                 << "100"
                                 << "1"
                                 << "259";
        QTest::newRow("empty level stops first") << ""
                                                 << ""
                                                 << ""
                                                 << "";
    }
    void countDefaults() {
        QFETCH(QString, count);
        QFETCH(QString, level);
        QFETCH(QString, countAfter);
        QFETCH(QString, hp);
        open();
        enter(count, level, {"3000", "0", "0", "0", "0", "0", "0", "0"});
        compute();
        QCOMPARE(box("countBox")->text(), countAfter);
        QCOMPARE(result(0)->text(), hp);
    }

    void stopEmptiesResults_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("hp");
        QTest::addColumn<QString>("vitality");
        QTest::newRow("level too low") << "70"
                                       << "3000"
                                       << "0";
        QTest::newRow("a value no number") << "100"
                                           << "60000"
                                           << "x";
        QTest::newRow("no level") << ""
                                  << "3000"
                                  << "0";
    }
    void stopEmptiesResults() {
        QFETCH(QString, level);
        QFETCH(QString, hp);
        QFETCH(QString, vitality);
        open();
        enter("1", "100", {"3000", "0", "0", "0", "0", "0", "0", "0"});
        compute();
        QCOMPARE(result(0)->text(), QStringLiteral("259"));
        enter("1", level, {hp, vitality, "0", "0", "0", "0", "0", "0"});
        compute();
        QCOMPARE(results(), QStringList(8, QString()));
    }

    // Typing into an input without 計算 empties the results of the values before.
    void editEmptiesResults_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("HP") << "hpInputBox";
        QTest::newRow("count") << "countBox";
        QTest::newRow("level") << "levelBox";
    }
    void editEmptiesResults() {
        QFETCH(QString, box);
        open();
        enter("1", "100", {"3000", "0", "0", "0", "0", "0", "0", "0"});
        compute();
        QCOMPARE(result(0)->text(), QStringLiteral("259"));
        this->box(box)->setFocus();
        QTest::keyClick(this->box(box), Qt::Key_Backspace);
        QCOMPARE(results(), QStringList(8, QString()));
    }

    void digitLimits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("after");
        QTest::newRow("level fourth digit")
            << QStringLiteral("levelBox") << "123" << false << "123";
        QTest::newRow("level third digit") << QStringLiteral("levelBox") << "12" << false << "129";
        QTest::newRow("level selection replaced")
            << QStringLiteral("levelBox") << "123" << true << "9";
        QTest::newRow("count fourth digit")
            << QStringLiteral("countBox") << "100" << false << "100";
        QTest::newRow("HP seventh digit")
            << QStringLiteral("hpInputBox") << "123456" << false << "123456";
        QTest::newRow("HP sixth digit")
            << QStringLiteral("hpInputBox") << "12345" << false << "123459";
        QTest::newRow("MP seventh digit")
            << QStringLiteral("mpInputBox") << "123456" << false << "123456";
        QTest::newRow("体力 fifth digit")
            << QStringLiteral("vitalityInputBox") << "1234" << false << "1234";
        QTest::newRow("魅力 fourth digit")
            << QStringLiteral("charmInputBox") << "123" << false << "1239";
        QTest::newRow("HP result seventh digit")
            << QStringLiteral("hpResultBox") << "123456" << false << "123456";
        QTest::newRow("筋力 result fifth digit")
            << QStringLiteral("strengthResultBox") << "1234" << false << "1234";
    }
    void digitLimits() {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, after);
        open();
        QLineEdit* e = this->box(box);
        e->setFocus();
        e->setText(before);
        if (selectAll)
            e->selectAll();
        QTest::keyClick(e, Qt::Key_9);
        QCOMPARE(e->text(), after);
        QCOMPARE(QApplication::focusWidget(), e);
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), after.chopped(1));
    }

    void otherKeysMoveOn_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("letter in count") << QStringLiteral("countBox") << Qt::Key_A << "levelBox";
        QTest::newRow("letter in HP")
            << QStringLiteral("hpInputBox") << Qt::Key_A << "vitalityInputBox";
        QTest::newRow("Enter in 幸運")
            << QStringLiteral("luckInputBox") << Qt::Key_Return << "mpInputBox";
        QTest::newRow("blank in 魅力")
            << QStringLiteral("charmInputBox") << Qt::Key_Space << "calculateButton";
        QTest::newRow("letter in HP result")
            << QStringLiteral("hpResultBox") << Qt::Key_Z << "vitalityResultBox";
    }
    void otherKeysMoveOn() {
        QFETCH(QString, box);
        QFETCH(Qt::Key, key);
        QFETCH(QString, next);
        open();
        QLineEdit* e = this->box(box);
        e->setFocus();
        e->setText("12");
        QTest::keyClick(e, key);
        QCOMPARE(e->text(), QStringLiteral("12"));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }

    void loadFromSavedCharacter() {
        folder_->writeLines(
            "txtFile/PCData.txt",
            {pcLine("アリス", "03", {"90", "3000", "1", "2", "3", "400", "5", "50", "7"},
                    "2008/03/05 14:07:33", "100", "01010,"),
             pcLine("Bob", "02", {"80", "1", "1", "1", "1", "1", "1", "1", "1"},
                    "2008/03/06 09:00:00", "100", "01010,"),
             pcLine("アリス", "07", {"100", "3000", "10", "20", "30", "500", "60", "50", "80"},
                    "2008/03/07 14:07:33", "100", "01010,")});
        open();
        QCOMPARE(list("jobList")->count(), 4);
        QCOMPARE(list("nameList")->count(), 2);
        QCOMPARE(list("nameList")->currentText(), QStringLiteral("アリス"));
        QCOMPARE(list("saveTimeList")->count(), 2);
        QCOMPARE(list("saveTimeList")->currentText(), QStringLiteral("2008/03/07 14:07:33"));
        QCOMPARE(list("jobList")->currentText(), QStringLiteral("商人"));
        QCOMPARE(w().chosenPosition(ReincarnationWindow::List::Job), 3);
        QCOMPARE(box("levelBox")->text(), QStringLiteral("100"));
        QCOMPARE(input(0)->text(), QStringLiteral("3000"));
        QCOMPARE(input(4)->text(), QStringLiteral("500"));
        QCOMPARE(input(7)->text(), QStringLiteral("80"));
        QCOMPARE(w().loadedStatus().values[6], QStringLiteral("50"));  // 筋力
        QCOMPARE(box("countBox")->text(), QString());                  // the count is not saved

        wm::chooseEntry(list("saveTimeList"), 1);
        QCOMPARE(w().chosenPosition(ReincarnationWindow::List::SaveTime), 1);
        QCOMPARE(list("jobList")->currentText(), QStringLiteral("侍"));
        QCOMPARE(box("levelBox")->text(), QStringLiteral("90"));
        wm::chooseEntry(list("saveTimeList"), 0);
        compute();
        QCOMPARE(box("countBox")->text(), QStringLiteral("1"));
        QCOMPARE(result(0)->text(), QStringLiteral("259"));
        QCOMPARE(result(6)->text(), QStringLiteral("13"));
        // Results belong to the save they were computed from.
        wm::chooseEntry(list("saveTimeList"), 1);
        QCOMPARE(results(), QStringList(8, QString()));
        wm::chooseEntry(list("saveTimeList"), 0);
        compute();
        QCOMPARE(result(0)->text(), QStringLiteral("259"));

        wm::chooseEntry(list("nameList"), 1);
        QCOMPARE(results(), QStringList(8, QString()));
        QCOMPARE(list("saveTimeList")->count(), 1);
        QCOMPARE(list("jobList")->currentText(), QStringLiteral("戦士"));
        QCOMPARE(box("levelBox")->text(), QStringLiteral("80"));
    }

    void everyCharacterListed() {
        // 101 saves of one name, then ten more names: each listed once, with all saves.
        QStringList lines;
        QStringList v = {"1", "1", "1", "1", "1", "1", "1", "1", "1"};
        for (int n = 1; n <= 101; ++n) {
            v[0] = QString::number(n);
            lines << pcLine("アリス", "01", v, "2008/03/05 14:07:33", "100", "01010,");
        }
        for (int i = 1; i <= 10; ++i) {
            v[0] = QString::number(500 + i);
            lines << pcLine(QStringLiteral("pc%1").arg(i), "02", v, "2008/03/06 10:00:00", "100",
                            "01010,");
        }
        folder_->writeLines("txtFile/PCData.txt", lines);
        open();
        QCOMPARE(list("nameList")->count(), 11);
        QCOMPARE(list("nameList")->itemText(10), QStringLiteral("pc10"));
        QCOMPARE(list("saveTimeList")->count(), 101);
        wm::chooseEntry(list("saveTimeList"), 100);  // the oldest
        QCOMPARE(box("levelBox")->text(), QStringLiteral("1"));
        wm::chooseEntry(list("nameList"), 10);
        QCOMPARE(list("saveTimeList")->count(), 1);
        QCOMPARE(box("levelBox")->text(), QStringLiteral("510"));
    }

    void noCharacterFile() {
        open();
        QCOMPARE(list("nameList")->count(), 0);
        QCOMPARE(list("saveTimeList")->count(), 0);
        QCOMPARE(list("jobList")->count(), 4);
        QCOMPARE(list("jobList")->currentIndex(), -1);
    }

    void nameKeys_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("after");
        QTest::newRow("13 bytes take one more") << "あいうえおかa" << false << "あいうえおかab";
        QTest::newRow("14 bytes refuse") << "あいうえおかき" << false << "あいうえおかき";
        QTest::newRow("selection replaced") << "あいうえおかき" << true << "b";
        QTest::newRow("empty") << "" << false << "b";
    }
    void nameKeys() {
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, after);
        open();
        QComboBox* name = list("nameList");
        name->setFocus();
        name->setEditText(before);
        if (selectAll)
            name->lineEdit()->selectAll();
        QTest::keyClick(name, Qt::Key_B);
        QCOMPARE(name->currentText(), after);
    }

    void listKeys() {
        open();
        list("jobList")->setFocus();
        QTest::keyClick(list("jobList"), Qt::Key_S);
        QCOMPARE(list("jobList")->currentIndex(), -1);
        QTest::keyClick(list("jobList"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), list("saveTimeList"));
        list("nameList")->setFocus();
        QTest::keyClick(list("nameList"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), list("jobList"));
    }
};

WM_TEST_MAIN(TestReincarnationWindow)
#include "tst_reincarnationwindow.moc"
