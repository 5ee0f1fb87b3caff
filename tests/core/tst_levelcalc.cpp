#include <QTest>
#include <limits>

#include "gamedata.h"
#include "levelcalc.h"
#include "testmain.h"

using namespace wm;

namespace {

QString joined(const LevelOutcome& out, bool onlyShared = false) {
    QString text;
    for (const ResultPiece& piece : out.pieces) {
        if (!onlyShared || piece.both)
            text += piece.text;
    }
    return text;
}

QString dashes(int n) {
    return QString(n, QLatin1Char('-'));
}

}  // namespace

class LevelCalcTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        d = AppData();
        d.expTable.set(0, -1);
        fillExpTableByFormula(d.expTable);
        d.expTable.set(300, 3610359);
    }

    void fiveToEight();
    void largeWindowRules();
    void silentTargets_data();
    void silentTargets();
    void inputErrors_data();
    void inputErrors();
    void remainingExperience();
    void remainingOnly();
    void largeRemainingLine();
    void startLabel_data();
    void startLabel();
    void wholeList();
    void remainingBeyond64Bits_data();
    void remainingBeyond64Bits();
    void totalBeyond64Bits();
    void entriesAtTheLimit();

  private:
    AppData d;
};

void LevelCalcTest::fiveToEight() {
    const LevelOutcome out = calculateLevels(d, {1, "5", "8", "", false});
    QVERIFY(out.done);
    QVERIFY(!out.problem);
    QCOMPARE(joined(out),
             dashes(49) +
                 "\r\nLv.005       44 EXP\r\nLv.006       62 EXP\r\nLv.007       83 EXP\r\n" +
                 dashes(49) + "\r\nLv.005～Lv.008までの必要経験値        189 EXP\r\n");
    QCOMPARE(joined(out, true), dashes(49) + dashes(49));  // what the other window gets
    QCOMPARE(out.neededExp, qint64(189));
}

void LevelCalcTest::largeWindowRules() {
    const LevelOutcome out = calculateLevels(d, {2, "5", "6", "", false});
    QCOMPARE(joined(out), dashes(56) + "\r\nLv.005       44 EXP\r\n" + dashes(56) +
                              "\r\nLv.005～Lv.006までの必要経験値         44 EXP\r\n");
}

void LevelCalcTest::silentTargets_data() {
    QTest::addColumn<QString>("startLevel");
    QTest::addColumn<QString>("targetLevel");
    QTest::addColumn<QString>("newMax");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty target") << "5"
                                  << ""
                                  << "6" << 1;
    QTest::newRow("target below start") << "10"
                                        << "3"
                                        << "11" << 1;
    QTest::newRow("lowest start") << "1"
                                  << ""
                                  << "2" << 1;
    QTest::newRow("299 to 300") << "299"
                                << "300"
                                << "300" << 1;
}

void LevelCalcTest::silentTargets() {
    QFETCH(QString, startLevel);
    QFETCH(QString, targetLevel);
    QFETCH(QString, newMax);
    QFETCH(int, lines);
    const LevelOutcome out = calculateLevels(d, {1, startLevel, targetLevel, "", false});
    QVERIFY(out.done);
    QCOMPARE(out.targetLevel, newMax);
    QCOMPARE(joined(out).count(" EXP\r\nLv.") + joined(out).count(" EXP\r\n-"), lines);
}

void LevelCalcTest::inputErrors_data() {
    QTest::addColumn<QString>("startLevel");
    QTest::addColumn<QString>("targetLevel");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("newMax");
    QTest::newRow("no start") << ""
                              << "5"
                              << "初期レベルが正しく入力されていません"
                              << int(LevelField::StartLevel) << "5";
    QTest::newRow("bad target") << "5"
                                << "x"
                                << "上限レベルが正しく入力されていません"
                                << int(LevelField::TargetLevel) << "x";
    QTest::newRow("start 350") << "350"
                               << ""
                               << "初期レベルが上限値を越えています" << int(LevelField::StartLevel)
                               << "351";
    QTest::newRow("start 300") << "300"
                               << ""
                               << "初期レベルが上限値を越えています" << int(LevelField::StartLevel)
                               << "301";
    QTest::newRow("target 301") << "5"
                                << "301"
                                << "上限レベルが上限値を越えています"
                                << int(LevelField::TargetLevel) << "301";
    QTest::newRow("start 0") << "0"
                             << "2"
                             << "初期レベルが正しく入力されていません"
                             << int(LevelField::StartLevel) << "2";
    QTest::newRow("start below 1")
        << "0.5"
        << "3"
        << "初期レベルが正しく入力されていません" << int(LevelField::StartLevel) << "3";
    QTest::newRow("negative start")
        << "-999999"
        << ""
        << "初期レベルが正しく入力されていません" << int(LevelField::StartLevel) << "-999998";
    QTest::newRow("start of 310 digits")
        << QString(310, QLatin1Char('9')) << "5"
        << "初期レベルが上限値を越えています" << int(LevelField::StartLevel) << "5";
    QTest::newRow("negative start of 310 digits")
        << "-" + QString(310, QLatin1Char('9')) << "5"
        << "初期レベルが正しく入力されていません" << int(LevelField::StartLevel) << "5";
    QTest::newRow("target of 310 digits")
        << "5" << QString(310, QLatin1Char('9')) << "上限レベルが上限値を越えています"
        << int(LevelField::TargetLevel) << QString(310, QLatin1Char('9'));
}

void LevelCalcTest::inputErrors() {
    QFETCH(QString, startLevel);
    QFETCH(QString, targetLevel);
    QFETCH(QString, message);
    QFETCH(int, focus);
    QFETCH(QString, newMax);
    const LevelOutcome out = calculateLevels(d, {1, startLevel, targetLevel, "", false});
    QVERIFY(!out.done);
    QVERIFY(out.pieces.isEmpty());
    QCOMPARE(out.problem->message.text, message);
    QCOMPARE(out.problem->message.title, QString("入力ミス"));
    QCOMPARE(int(*out.problem->focus), focus);
    QVERIFY(out.problem->selectAll);
    QCOMPARE(out.targetLevel, newMax);
    QCOMPARE(out.neededExp, qint64(0));
}

void LevelCalcTest::remainingExperience() {
    // Checked against the start level calculated, with no label shown before.
    // Equal to the level's experience is accepted...
    LevelOutcome out = calculateLevels(d, {1, "5", "7", "44", true});
    QVERIFY(out.done);
    QCOMPARE(joined(out), dashes(42) + "\r\nLv.005       44 EXP" + "\r\nLv.006       62 EXP\r\n" +
                              dashes(49) + "\r\nLv.005～Lv.007までの必要経験値        106 EXP\r\n");
    // ...one more is not.
    out = calculateLevels(d, {1, "5", "7", "45", true});
    QVERIFY(!out.done);
    QCOMPARE(out.problem->message.text,
             QString("残り経験値が必要経験値より\r\n小さくなるようにしてください"));
    QCOMPARE(*out.problem->focus, LevelField::Exp);
    // An empty box is reported without moving the focus.
    out = calculateLevels(d, {1, "5", "7", "", true});
    QCOMPARE(out.problem->message.text, QString("残り経験値が正しく入力されていません"));
    QVERIFY(!out.problem->focus);
}

void LevelCalcTest::remainingOnly() {
    const LevelOutcome out = calculateLevels(d, {1, "5", "6", "30", true});
    QCOMPARE(joined(out), dashes(42) + "\r\nLv.005       30 EXP\r\n" + dashes(49) +
                              "\r\nLv.005～Lv.006までの必要経験値         30 EXP\r\n");
    QCOMPARE(out.neededExp, qint64(30));
}

void LevelCalcTest::largeRemainingLine() {
    const LevelOutcome out = calculateLevels(d, {2, "5", "6", "30", true});
    QVERIFY(joined(out).startsWith(dashes(55) + "\r\nLv. 5    30 EXP\r\n" + dashes(56)));
}

void LevelCalcTest::startLabel_data() {
    QTest::addColumn<QString>("startLevel");
    QTest::addColumn<QString>("label");
    QTest::newRow("5") << "5"
                       << "初期ＬＶから次までの経験値\n44 EXP";
    QTest::newRow("209") << "209"
                         << "初期ＬＶから次までの経験値\n1746679 EXP";
    QTest::newRow("299 provisional") << "299"
                                     << "初期ＬＶから次までの経験値\n(仮) 3586279 EXP";
    QTest::newRow("300 clears") << "300"
                                << "";
    QTest::newRow("0 clears") << "0"
                              << "";
    QTest::newRow("negative clears") << "-5"
                                     << "";
    QTest::newRow("310 digits clear") << QString(310, QLatin1Char('9')) << "";
    QTest::newRow("negative 310 digits clear") << "-" + QString(310, QLatin1Char('9')) << "";
}

void LevelCalcTest::startLabel() {
    QFETCH(QString, startLevel);
    QFETCH(QString, label);
    QCOMPARE(*startLevelLabel(d, startLevel), label);
    QVERIFY(!startLevelLabel(d, ""));
}

void LevelCalcTest::wholeList() {
    const QString text = expListText(d, 199);
    QCOMPARE(text.count("\r\n"), 199);
    QVERIFY(text.startsWith("Lv.001        2 EXP\r\nLv.002        8 EXP\r\n"));
    QVERIFY(text.endsWith("Lv.198  1566279 EXP\r\nLv.199  1582279 EXP\r\n"));
}

void LevelCalcTest::remainingBeyond64Bits_data() {
    QTest::addColumn<QString>("remaining");
    QTest::newRow("310 digits") << QString(310, QLatin1Char('9'));
    QTest::newRow("minus 310 digits") << "-" + QString(310, QLatin1Char('9'));
    QTest::newRow("one below the smallest") << "-9223372036854775809";
}

void LevelCalcTest::remainingBeyond64Bits() {
    QFETCH(QString, remaining);
    const LevelOutcome out = calculateLevels(d, {1, "5", "7", remaining, true});
    QVERIFY(!out.done);
    QVERIFY(out.pieces.isEmpty());
    QCOMPARE(out.problem->message.text, QString("数が大きすぎて計算できません"));
    QCOMPARE(*out.problem->focus, LevelField::Exp);
    QCOMPARE(out.neededExp, qint64(0));
}

void LevelCalcTest::totalBeyond64Bits() {
    d.expTable.set(5, "5000000000000000000");
    d.expTable.set(6, "5000000000000000000");
    const LevelOutcome out = calculateLevels(d, {1, "5", "7", "", false});
    QVERIFY(!out.done);
    QVERIFY(out.pieces.isEmpty());
    QCOMPARE(out.problem->message.text, QString("数が大きすぎて計算できません"));
    QCOMPARE(out.problem->message.title, QString("計算範囲外"));
    QCOMPARE(out.neededExp, qint64(0));
    // A remaining experience that pushes the total over is refused the same way.
    d.expTable.set(5, "9223372036854775807");
    d.expTable.set(6, "1");
    const LevelOutcome over = calculateLevels(d, {1, "5", "7", "9223372036854775807", true});
    QVERIFY(!over.done);
    QCOMPARE(over.problem->message.text, QString("数が大きすぎて計算できません"));
}

void LevelCalcTest::entriesAtTheLimit() {
    // The largest total still adds up exactly; an entry beyond 64 bits counts as unusable (0).
    d.expTable.set(5, "9223372036854775806");
    d.expTable.set(6, "1");
    d.expTable.set(7, "99999999999999999999");
    const LevelOutcome out = calculateLevels(d, {1, "5", "8", "", false});
    QVERIFY(out.done);
    QCOMPARE(out.neededExp, std::numeric_limits<qint64>::max());
    QVERIFY(
        joined(out).contains("Lv.0059223372036854775806 EXP\r\nLv.006        1 EXP\r\n"
                             "Lv.007        0 EXP\r\n"));
    QVERIFY(joined(out).contains("までの必要経験値9223372036854775807 EXP"));
    QCOMPARE(expEntry(d, 7), qint64(0));
    QCOMPARE(*startLevelLabel(d, "7"), QString("初期ＬＶから次までの経験値\n0 EXP"));
    QVERIFY(expListText(d, 7).endsWith("Lv.007        0 EXP\r\n"));
    QCOMPARE(*startLevelLabel(d, "5"),
             QString("初期ＬＶから次までの経験値\n9223372036854775806 EXP"));
}

WM_TEST_MAIN(LevelCalcTest)
#include "tst_levelcalc.moc"
