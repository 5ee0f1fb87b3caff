#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "clicks.h"
#include "fakehost.h"
#include "gamedata.h"
#include "mainwindow.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::Dialogs;
using wm::MainWindow;
using Answer = wm::Dialogs::Answer;

namespace {

QString dashes(int n) {
    return QString(n, QLatin1Char('-'));
}

// Sections 1 (gathering), 9 (a material), 13 (crafted), 28 and 30 (around the gap of 29).
QStringList productionData() {
    QStringList lines{"#01 狩猟", "001:ウサギの肉 010:03 4 00 北の森", "#09 製材",
                      "001:板材 001:01 4 00 0901", "001:金具 001:01 7 00 0902"};
    for (int s = 2; s <= 32; ++s) {
        if (s == 9)
            continue;
        lines << QString("#%1 作業%1").arg(s, 2, 10, QChar('0'));
        if (s == 13)
            lines << "010:鉄の剣 005:03 30 02板材,01金具 1301"
                  << "012:木の剣 010:03 9 00 1302";
        if (s == 28)
            lines << "001:銀の指輪 001:01 1 00 2801";
        if (s == 30)
            lines << "001:魔導書 001:01 2 00 3001";
    }
    return lines;
}

}  // namespace

class CalcPageTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void fiveToEightInBothSizes_data();
    void fiveToEightInBothSizes();
    void targetCorrections_data();
    void targetCorrections();
    void startTooHighKeepsRaisedTarget();
    void startLabelAndRemainingExperience();
    void listAndClear();
    void workPositionsAroundTheGap();
    void productFillsFieldsOfItsWindow();
    void eachWindowComputesWithItsOwnProduct_data();
    void eachWindowComputesWithItsOwnProduct();
    void runExperienceLocks();
    void lotTotals();
    void runCounts();
    void productionChecksMoveFocus();
    void tabOrderOptions();
    void resultFileFromButton();
    void accessKeyRunsCalculation();

  private:
    MainWindow& window(int code);
    void choose(MainWindow& w, int work, int product);

    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<FakeHost> host;
};

void CalcPageTest::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    folder->writeLines("txtFile/MakeData.txt", productionData());
    host = std::make_unique<FakeHost>();
    folder->prepare(host->data);
    host->data.expTable.set(0, -1);
    wm::fillExpTableByFormula(host->data.expTable);
    wm::loadProducts(host->data, host->scripted);
}

void CalcPageTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
    folder.reset();
}

MainWindow& CalcPageTest::window(int code) {
    return host->shownWindow(code);
}

void CalcPageTest::choose(MainWindow& w, int work, int product) {
    wm::chooseEntry(w.cmbSWork, work);
    if (product >= 0)
        wm::chooseEntry(w.cmbSName, product);
}

void CalcPageTest::fiveToEightInBothSizes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("rule");
    QTest::newRow("small") << 1 << 49;
    QTest::newRow("large") << 2 << 56;
}

void CalcPageTest::fiveToEightInBothSizes() {
    QFETCH(int, code);
    QFETCH(int, rule);
    MainWindow& other = host->mainWindow(3 - code);
    MainWindow& w = window(code);
    w.txtLvMin->setText("5");
    w.txtLvMax->setText("8");
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    const QString block = dashes(rule) +
                          "\nLv.005       44 EXP\nLv.006       62 EXP\nLv.007       83 EXP\n" +
                          dashes(rule) + "\nLv.005～Lv.008までの必要経験値        189 EXP\n";
    QCOMPARE(w.txtWorkList->toPlainText(), block);
    QCOMPARE(host->data.neededExp, qint64(189));
    // The rules go to both windows' lists.
    QCOMPARE(other.txtWorkList->toPlainText(), dashes(rule) + dashes(rule));
    QCOMPARE(QApplication::focusWidget(), w.txtLvMin);
    // A second calculation starts right after the last line break.
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    QVERIFY(w.txtWorkList->toPlainText().startsWith(block + dashes(rule) + "\nLv.005"));
}

void CalcPageTest::targetCorrections_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("total");
    QTest::newRow("no target") << "5"
                               << ""
                               << "6"
                               << "Lv.005～Lv.006までの必要経験値         44 EXP";
    QTest::newRow("target below start") << "10"
                                        << "3"
                                        << "11"
                                        << "Lv.010～Lv.011までの必要経験値        194 EXP";
    QTest::newRow("299 to 300") << "299"
                                << "300"
                                << "300"
                                << "Lv.299～Lv.300までの必要経験値    3586279 EXP";
}

void CalcPageTest::targetCorrections() {
    QFETCH(QString, start);
    QFETCH(QString, target);
    QFETCH(QString, corrected);
    QFETCH(QString, total);
    MainWindow& w = window(1);
    w.txtLvMin->setText(start);
    w.txtLvMax->setText(target);
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    QCOMPARE(w.txtLvMax->text(), corrected);
    QVERIFY2(w.txtWorkList->toPlainText().endsWith(total + "\n"),
             qPrintable(w.txtWorkList->toPlainText()));
}

void CalcPageTest::startTooHighKeepsRaisedTarget() {
    MainWindow& w = window(1);
    w.txtLvMin->setText("350");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("初期レベルが上限値を越えています"));
    QCOMPARE(host->scripted.last().title, QString("入力ミス"));
    QCOMPARE(w.txtLvMax->text(), QString("351"));
    QCOMPARE(QApplication::focusWidget(), w.txtLvMin);
    QCOMPARE(w.txtLvMin->selectedText(), QString("350"));
    QVERIFY(w.txtWorkList->toPlainText().isEmpty());
}

void CalcPageTest::startLabelAndRemainingExperience() {
    MainWindow& w = window(1);
    w.txtLvMin->setFocus();
    QTest::keyClicks(w.txtLvMin, "299");
    w.txtLvMax->setFocus();  // leaving the start level shows its experience
    QCOMPARE(w.lblMinExp->text(), QString("初期ＬＶから次までの経験値\n(仮) 3586279 EXP"));
    w.txtLvMin->setText("5");
    w.txtLvMin->setFocus();
    w.txtLvMax->setFocus();
    QCOMPARE(w.lblMinExp->text(), QString("初期ＬＶから次までの経験値\n44 EXP"));

    wmtest::clickIndicator(w.chkExp);
    QVERIFY(w.chkExp->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.txtExp);
    w.txtLvMax->setText("6");
    w.txtExp->setText("45");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text,
             QString("残り経験値が必要経験値より\r\n小さくなるようにしてください"));
    QCOMPARE(QApplication::focusWidget(), w.txtExp);

    w.txtExp->setText("44");
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    QCOMPARE(w.txtWorkList->toPlainText(), dashes(42) + "\nLv.005       44 EXP\n" + dashes(49) +
                                               "\nLv.005～Lv.006までの必要経験値         44 EXP\n");
}

void CalcPageTest::listAndClear() {
    MainWindow& small = window(1);
    small.txtWorkList->setPlainText("old");
    QTest::mouseClick(small.cmdList, Qt::LeftButton);
    QCOMPARE(small.txtWorkList->toPlainText().count('\n'), 199);
    QVERIFY(small.txtWorkList->toPlainText().startsWith("Lv.001        2 EXP\n"));
    MainWindow& large = window(2);
    QTest::mouseClick(large.cmdList, Qt::LeftButton);
    QCOMPARE(large.txtWorkList->toPlainText().count('\n'), 299);

    host->scripted.expectMessage(Answer::No);
    QTest::mouseClick(large.cmdClea, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("計算結果を削除しますがよろしいですか？"));
    QCOMPARE(host->scripted.last().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(!large.txtWorkList->toPlainText().isEmpty());
    host->scripted.expectMessage(Answer::Yes);
    QTest::mouseClick(large.cmdClea, Qt::LeftButton);
    QVERIFY(large.txtWorkList->toPlainText().isEmpty());
}

void CalcPageTest::workPositionsAroundTheGap() {
    for (int code : {1, 2}) {
        MainWindow& w = window(code);
        QCOMPARE(w.cmbSWork->count(), 30);
        QCOMPARE(w.cmbSWork->currentIndex(), -1);
        choose(w, 27, -1);
        QCOMPARE(w.cmbSName->itemText(0), QString("銀の指輪"));
        choose(w, 28, -1);
        QCOMPARE(w.cmbSWork->currentText(), QString("作業30"));
        QCOMPARE(w.cmbSName->itemText(0), QString("魔導書"));
        QCOMPARE(w.cmbSName->currentIndex(), -1);
        QCOMPARE(w.lblSName->toolTip(), QString("作業30の中から作業を選んでください"));
    }
}

void CalcPageTest::productFillsFieldsOfItsWindow() {
    MainWindow& other = host->mainWindow(2);
    MainWindow& w = window(1);
    choose(w, 12, 0);
    QCOMPARE(w.txtSWorkLv->text(), QString("10"));
    QCOMPARE(w.txtSExp1->text(), QString("5"));
    QCOMPARE(w.txtSExpk->text(), QString("3"));
    QCOMPARE(w.txtSExpg->text(), QString("15"));
    const QString set = "板材 × 2\n金具 × 1\n材料の合計重量 ： 15";
    QCOMPARE(w.txtSset->toPlainText(), set);
    QCOMPARE(other.txtSset->toPlainText(), QString());  // the other window has no product
    // Choosing another work empties the product fields.
    choose(w, 0, -1);
    QVERIFY(w.txtSExp1->text().isEmpty());
    QVERIFY(w.txtSset->toPlainText().isEmpty());
}

void CalcPageTest::eachWindowComputesWithItsOwnProduct_data() {
    QTest::addColumn<bool>("runCount");
    QTest::addColumn<QString>("largeResult");
    QTest::addColumn<QString>("smallMaterials");
    QTest::newRow("個数計算") << false << "板材 を 10 回分生産した時の合計  10 EXP\n  材料 ： \n"
                              << "板材 × 20 = 80 金具 × 10 = 70";
    QTest::newRow("生産回数") << true << "板材 を 50 回分\n  材料 ：  合計 : 0\n"
                              << "板材 × 8 = 32  金具 × 4 = 28";
}

void CalcPageTest::eachWindowComputesWithItsOwnProduct() {
    QFETCH(bool, runCount);
    QFETCH(QString, largeResult);
    QFETCH(QString, smallMaterials);
    host->data.neededExp = 50;
    MainWindow& large = window(2);
    choose(large, 8, 0);  // 製材: 板材, no materials
    large.txtSLot->setText("10");
    const QString largeSet = large.txtSset->toPlainText();
    MainWindow& small = window(1);
    choose(small, 12, 0);  // 鉄の剣: 板材 and 金具
    small.txtSLot->setText("10");
    QCOMPARE(large.txtSset->toPlainText(), largeSet);

    QPushButton* largeButton = runCount ? large.cmdSExp : large.cmdExpLot;
    QTest::mouseClick(largeButton, Qt::LeftButton);
    QCOMPARE(large.txtWorkList->toPlainText(), largeResult);
    QPushButton* smallButton = runCount ? small.cmdSExp : small.cmdExpLot;
    QTest::mouseClick(smallButton, Qt::LeftButton);
    QVERIFY2(small.txtWorkList->toPlainText().contains(smallMaterials),
             qPrintable(small.txtWorkList->toPlainText()));
}

void CalcPageTest::runExperienceLocks() {
    MainWindow& w = window(1);
    choose(w, 12, 0);
    QVERIFY(w.txtSExp1->isReadOnly());
    QVERIFY(w.txtSExpk->isReadOnly());
    w.txtSExpk->setText("0");
    w.txtSExpg_Click();
    QVERIFY(!w.txtSExpk->isReadOnly());  // a 0 can be typed over
    QCOMPARE(w.txtSExpg->text(), QString("0"));
    w.txtSExpk->clear();
    w.txtSExpg_Click();
    QCOMPARE(w.txtSExpg->text(), QString("0"));
    w.txtSExp1->clear();
    w.txtSExpg_Click();
    QCOMPARE(w.txtSExpg->text(), QString());
}

void CalcPageTest::lotTotals() {
    MainWindow& w = window(2);
    choose(w, 12, 0);
    w.txtSLot->setText("2.5");
    QTest::mouseClick(w.cmdExpLot, Qt::LeftButton);
    QCOMPARE(w.txtWorkList->toPlainText(), QString("鉄の剣 を 2.5 回分生産した時の合計  38 EXP\n  "
                                                   "材料 ： 板材 × 5 = 20 金具 × 2.5 = 17 \n"));
    choose(w, 0, 0);
    w.txtSLot->setText("3");
    QTest::mouseClick(w.cmdExpLot, Qt::LeftButton);
    QVERIFY(w.txtWorkList->toPlainText().endsWith(
        "ウサギの肉 を 3 回分生産した時の合計  90 EXP\n  重量 ： ウサギの肉 × 3 = 12\n"));
    QCOMPARE(host->data.producedExp, qint64(90));
}

void CalcPageTest::runCounts() {
    MainWindow& w = window(1);
    host->data.neededExp = 1000;
    choose(w, 12, 1);  // 木の剣: 10 x 3, no materials
    QTest::mouseClick(w.cmdSExp, Qt::LeftButton);
    QCOMPARE(w.txtWorkList->toPlainText(), QString("木の剣 を 34 回分\n  材料 ：  合計 : 0\n"));
    host->data.neededExp = 300;
    QTest::mouseClick(w.cmdSExp, Qt::LeftButton);
    QVERIFY(w.txtWorkList->toPlainText().endsWith("木の剣 を 10 回分\n  材料 ：  合計 : 0\n"));
}

void CalcPageTest::productionChecksMoveFocus() {
    MainWindow& w = window(1);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmdExpLot, Qt::LeftButton);
    QCOMPARE(host->scripted.last().title, QString("作業未選択"));
    QCOMPARE(QApplication::focusWidget(), w.cmbSWork);

    choose(w, 12, 0);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmdExpLot, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("計算する個数がわかりません"));
    QCOMPARE(QApplication::focusWidget(), w.txtSLot);

    host->data.neededExp = 0;
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmdSExp, Qt::LeftButton);
    QCOMPARE(host->scripted.last().title, QString("必要経験値なし"));
    QVERIFY(w.txtWorkList->toPlainText().isEmpty());
}

void CalcPageTest::tabOrderOptions() {
    MainWindow& w = window(1);
    choose(w, 12, 0);
    wmtest::clickIndicator(w.optSum[2]);
    QCOMPARE(w.frmCOptTag, QString("2"));
    QCOMPARE(QApplication::focusWidget(), w.cmbSWork);
    QVERIFY(w.txtSLot->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(w.txtLvMin->focusPolicy() & Qt::TabFocus));
    QVERIFY(!(w.txtSExp1->focusPolicy() & Qt::TabFocus));  // taken from the data
    wmtest::clickIndicator(w.optSum[1]);
    QCOMPARE(QApplication::focusWidget(), w.txtLvMin);
    QVERIFY(w.txtLvMin->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(w.txtSLot->focusPolicy() & Qt::TabFocus));
}

void CalcPageTest::resultFileFromButton() {
    MainWindow& w = window(1);
    w.txtLvMin->setText("5");
    w.txtLvMax->setText("6");
    QTest::mouseClick(w.cmd_k, Qt::LeftButton);
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectInput("memo.txt");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(w.cmdWrite, Qt::LeftButton);
    QCOMPARE(host->scripted.shown().at(2).defaultText, QString("result"));
    QCOMPARE(folder->readBytes("memo.txt"),
             wmtest::cp932Lines({dashes(49), "Lv.005       44 EXP", dashes(49),
                                 "Lv.005～Lv.006までの必要経験値         44 EXP", ""}));
    // The file menu entry does the same; declining writes nothing.
    host->scripted.expectMessage(Answer::No);
    w.MenuWork->trigger();
    QCOMPARE(host->scripted.shown().size(), 5);
}

void CalcPageTest::accessKeyRunsCalculation() {
    MainWindow& w = window(1);
    // The access key leaves the start level as a click on the button would, so the
    // remaining experience is checked against the start level just typed.
    w.chkExp->setChecked(true);
    w.txtExp->setText("44");
    w.txtLvMin->setText("5");
    w.txtLvMin->setFocus();
    QTest::keyClick(w.windowHandle(), Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(w.txtLvMax->text(),
                 QString("6"));  // an access key clicks the button a moment later
    QCOMPARE(w.txtWorkList->toPlainText(), dashes(42) + "\nLv.005       44 EXP\n" + dashes(49) +
                                               "\nLv.005～Lv.006までの必要経験値         44 EXP\n");
}

WM_TEST_MAIN(CalcPageTest)
#include "tst_calcpage.moc"
