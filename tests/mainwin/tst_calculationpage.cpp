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
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::Dialogs;
using wm::MainWindow;
using Answer = wm::Dialogs::Answer;
using wmtest::calc;
using wmtest::shell;

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

class CalculationPageTest : public QObject {
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
    void runTotals();
    void runCounts();
    void runCountsNeedTheLevelsOnScreen();
    void productionChecksMoveFocus();
    void tabOrderOptions();
    void resultFileFromButton();
    void accessKeyRunsCalculation();

  private:
    MainWindow& window(int code);
    void choose(MainWindow& w, int work, int product);
    // 計算開始 from start to target: the total 生産回数 counts with.
    void calculateLevels(MainWindow& w, const QString& start, const QString& target);

    std::unique_ptr<wmtest::TestFolder> folder;
    std::unique_ptr<FakeHost> host;
};

void CalculationPageTest::init() {
    folder = std::make_unique<wmtest::TestFolder>();
    folder->writeLines("txtFile/MakeData.txt", productionData());
    host = std::make_unique<FakeHost>();
    folder->prepare(host->data);
    host->data.expTable.set(0, -1);
    wm::fillExpTableByFormula(host->data.expTable);
    wm::loadProducts(host->data, host->scripted);
}

void CalculationPageTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
    folder.reset();
}

MainWindow& CalculationPageTest::window(int code) {
    return host->shownWindow(code);
}

void CalculationPageTest::choose(MainWindow& w, int work, int product) {
    wm::chooseEntry(calc(w).workList, work);
    if (product >= 0)
        wm::chooseEntry(calc(w).productList, product);
}

void CalculationPageTest::calculateLevels(MainWindow& w, const QString& start,
                                          const QString& target) {
    calc(w).startLevelBox->setText(start);
    calc(w).targetLevelBox->setText(target);
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
}

void CalculationPageTest::fiveToEightInBothSizes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("rule");
    QTest::newRow("small") << 1 << 49;
    QTest::newRow("large") << 2 << 56;
}

void CalculationPageTest::fiveToEightInBothSizes() {
    QFETCH(int, code);
    QFETCH(int, rule);
    MainWindow& other = host->mainWindow(3 - code);
    MainWindow& w = window(code);
    calc(w).startLevelBox->setText("5");
    calc(w).targetLevelBox->setText("8");
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    const QString block = dashes(rule) +
                          "\nLv.005       44 EXP\nLv.006       62 EXP\nLv.007       83 EXP\n" +
                          dashes(rule) + "\nLv.005～Lv.008までの必要経験値        189 EXP\n";
    QCOMPARE(calc(w).resultBox->toPlainText(), block);
    // The rules go to both windows' lists.
    QCOMPARE(calc(other).resultBox->toPlainText(), dashes(rule) + dashes(rule));
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);
    // A second calculation starts right after the last line break.
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    QVERIFY(calc(w).resultBox->toPlainText().startsWith(block + dashes(rule) + "\nLv.005"));
}

void CalculationPageTest::targetCorrections_data() {
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

void CalculationPageTest::targetCorrections() {
    QFETCH(QString, start);
    QFETCH(QString, target);
    QFETCH(QString, corrected);
    QFETCH(QString, total);
    MainWindow& w = window(1);
    calc(w).startLevelBox->setText(start);
    calc(w).targetLevelBox->setText(target);
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    QCOMPARE(calc(w).targetLevelBox->text(), corrected);
    QVERIFY2(calc(w).resultBox->toPlainText().endsWith(total + "\n"),
             qPrintable(calc(w).resultBox->toPlainText()));
}

void CalculationPageTest::startTooHighKeepsRaisedTarget() {
    MainWindow& w = window(1);
    calc(w).startLevelBox->setText("350");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("初期レベルが上限値を越えています"));
    QCOMPARE(host->scripted.last().title, QString("入力ミス"));
    QCOMPARE(calc(w).targetLevelBox->text(), QString("351"));
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);
    QCOMPARE(calc(w).startLevelBox->selectedText(), QString("350"));
    QVERIFY(calc(w).resultBox->toPlainText().isEmpty());
}

void CalculationPageTest::startLabelAndRemainingExperience() {
    MainWindow& w = window(1);
    calc(w).startLevelBox->setFocus();
    QTest::keyClicks(calc(w).startLevelBox, "299");
    calc(w).targetLevelBox->setFocus();  // leaving the start level shows its experience
    QCOMPARE(calc(w).startLevelExpLabel->text(),
             QString("初期ＬＶから次までの経験値\n(仮) 3586279 EXP"));
    calc(w).startLevelBox->setText("5");
    calc(w).startLevelBox->setFocus();
    calc(w).targetLevelBox->setFocus();
    QCOMPARE(calc(w).startLevelExpLabel->text(), QString("初期ＬＶから次までの経験値\n44 EXP"));
    // Typing alone changes it: no label of an earlier start level stays.
    calc(w).startLevelBox->setFocus();
    QTest::keyClick(calc(w).startLevelBox, Qt::Key_Backspace);
    QCOMPARE(calc(w).startLevelExpLabel->text(), QString());
    QTest::keyClicks(calc(w).startLevelBox, "6");
    QCOMPARE(calc(w).startLevelExpLabel->text(), QString("初期ＬＶから次までの経験値\n62 EXP"));
    calc(w).startLevelBox->setText("5");

    wmtest::clickIndicator(calc(w).remainingExpCheck);
    QVERIFY(calc(w).remainingExpCheck->isChecked());
    QCOMPARE(QApplication::focusWidget(), calc(w).remainingExpBox);
    calc(w).targetLevelBox->setText("6");
    calc(w).remainingExpBox->setText("45");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text,
             QString("残り経験値が必要経験値より\r\n小さくなるようにしてください"));
    QCOMPARE(QApplication::focusWidget(), calc(w).remainingExpBox);

    calc(w).remainingExpBox->setText("44");
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    QCOMPARE(calc(w).resultBox->toPlainText(),
             dashes(42) + "\nLv.005       44 EXP\n" + dashes(49) +
                 "\nLv.005～Lv.006までの必要経験値         44 EXP\n");
}

void CalculationPageTest::listAndClear() {
    MainWindow& small = window(1);
    calc(small).resultBox->setPlainText("old");
    QTest::mouseClick(calc(small).expListButton, Qt::LeftButton);
    QCOMPARE(calc(small).resultBox->toPlainText().count('\n'), 199);
    QVERIFY(calc(small).resultBox->toPlainText().startsWith("Lv.001        2 EXP\n"));
    MainWindow& large = window(2);
    QTest::mouseClick(calc(large).expListButton, Qt::LeftButton);
    QCOMPARE(calc(large).resultBox->toPlainText().count('\n'), 299);

    host->scripted.expectMessage(Answer::No);
    QTest::mouseClick(calc(large).clearButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("計算結果を削除しますがよろしいですか？"));
    QCOMPARE(host->scripted.last().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(!calc(large).resultBox->toPlainText().isEmpty());
    host->scripted.expectMessage(Answer::Yes);
    QTest::mouseClick(calc(large).clearButton, Qt::LeftButton);
    QVERIFY(calc(large).resultBox->toPlainText().isEmpty());
}

void CalculationPageTest::workPositionsAroundTheGap() {
    for (int code : {1, 2}) {
        MainWindow& w = window(code);
        QCOMPARE(calc(w).workList->count(), 30);
        QCOMPARE(calc(w).workList->currentIndex(), -1);
        choose(w, 27, -1);
        QCOMPARE(calc(w).productList->itemText(0), QString("銀の指輪"));
        choose(w, 28, -1);
        QCOMPARE(calc(w).workList->currentText(), QString("作業30"));
        QCOMPARE(calc(w).productList->itemText(0), QString("魔導書"));
        QCOMPARE(calc(w).productList->currentIndex(), -1);
        QCOMPARE(calc(w).productCaption->toolTip(), QString("作業30の中から作業を選んでください"));
    }
}

void CalculationPageTest::productFillsFieldsOfItsWindow() {
    MainWindow& other = host->mainWindow(2);
    MainWindow& w = window(1);
    choose(w, 12, 0);
    QCOMPARE(calc(w).productLevelBox->text(), QString("10"));
    QCOMPARE(calc(w).stepExpBox->text(), QString("5"));
    QCOMPARE(calc(w).stepsBox->text(), QString("3"));
    QCOMPARE(calc(w).runExpBox->text(), QString("15"));
    const QString set = "板材 × 2\n金具 × 1\n材料の合計重量 ： 15";
    QCOMPARE(calc(w).materialsBox->toPlainText(), set);
    QCOMPARE(calc(other).materialsBox->toPlainText(),
             QString());  // the other window has no product
    // Choosing another work empties the product fields.
    choose(w, 0, -1);
    QVERIFY(calc(w).stepExpBox->text().isEmpty());
    QVERIFY(calc(w).materialsBox->toPlainText().isEmpty());
}

void CalculationPageTest::eachWindowComputesWithItsOwnProduct_data() {
    QTest::addColumn<bool>("runCount");
    QTest::addColumn<QString>("largeResult");
    QTest::addColumn<QString>("smallMaterials");
    QTest::newRow("個数計算") << false << "板材 を 10 回分生産した時の合計  10 EXP\n  材料 ： \n"
                              << "板材 × 20 = 80 金具 × 10 = 70";
    QTest::newRow("生産回数") << true << "板材 を 56 回分\n  材料 ：  合計 : 0\n"
                              << "板材 × 8 = 32  金具 × 4 = 28";
}

void CalculationPageTest::eachWindowComputesWithItsOwnProduct() {
    QFETCH(bool, runCount);
    QFETCH(QString, largeResult);
    QFETCH(QString, smallMaterials);
    MainWindow& large = window(2);
    calculateLevels(large, "1", "5");  // 56
    choose(large, 8, 0);               // 製材: 板材, no materials
    calc(large).runsBox->setText("10");
    const QString largeSet = calc(large).materialsBox->toPlainText();
    MainWindow& small = window(1);
    calculateLevels(small, "1", "5");
    choose(small, 12, 0);  // 鉄の剣: 板材 and 金具
    calc(small).runsBox->setText("10");
    QCOMPARE(calc(large).materialsBox->toPlainText(), largeSet);

    QPushButton* largeButton =
        runCount ? calc(large).runsNeededButton : calc(large).runTotalsButton;
    large.calculationPage().clearResults();
    small.calculationPage().clearResults();
    QTest::mouseClick(largeButton, Qt::LeftButton);
    QCOMPARE(calc(large).resultBox->toPlainText(), largeResult);
    QPushButton* smallButton =
        runCount ? calc(small).runsNeededButton : calc(small).runTotalsButton;
    QTest::mouseClick(smallButton, Qt::LeftButton);
    QVERIFY2(calc(small).resultBox->toPlainText().contains(smallMaterials),
             qPrintable(calc(small).resultBox->toPlainText()));
}

void CalculationPageTest::runExperienceLocks() {
    MainWindow& w = window(1);
    choose(w, 12, 0);
    QVERIFY(calc(w).stepExpBox->isReadOnly());
    QVERIFY(calc(w).stepsBox->isReadOnly());
    calc(w).stepsBox->setText("0");
    QTest::mouseClick(calc(w).runExpBox, Qt::LeftButton);
    QVERIFY(!calc(w).stepsBox->isReadOnly());  // a 0 can be typed over
    QCOMPARE(calc(w).runExpBox->text(), QString("0"));
    calc(w).stepsBox->clear();
    QTest::mouseClick(calc(w).runExpBox, Qt::LeftButton);
    QCOMPARE(calc(w).runExpBox->text(), QString("0"));
    calc(w).stepExpBox->clear();
    QTest::mouseClick(calc(w).runExpBox, Qt::LeftButton);
    QCOMPARE(calc(w).runExpBox->text(), QString());
    // Typed steps count at once, without Enter.
    calc(w).stepExpBox->setText("4");
    calc(w).stepsBox->setFocus();
    QTest::keyClicks(calc(w).stepsBox, "3");
    QCOMPARE(calc(w).runExpBox->text(), QString("12"));
}

void CalculationPageTest::runTotals() {
    MainWindow& w = window(2);
    choose(w, 12, 0);
    calc(w).runsBox->setText("2.5");
    QTest::mouseClick(calc(w).runTotalsButton, Qt::LeftButton);
    QCOMPARE(calc(w).resultBox->toPlainText(),
             QString("鉄の剣 を 2.5 回分生産した時の合計  38 EXP\n  "
                     "材料 ： 板材 × 5 = 20 金具 × 2.5 = 17 \n"));
    choose(w, 0, 0);
    calc(w).runsBox->setText("3");
    QTest::mouseClick(calc(w).runTotalsButton, Qt::LeftButton);
    QVERIFY(calc(w).resultBox->toPlainText().endsWith(
        "ウサギの肉 を 3 回分生産した時の合計  90 EXP\n  重量 ： ウサギの肉 × 3 = 12\n"));
    QCOMPARE(host->data.producedExp, qint64(90));
}

void CalculationPageTest::runCounts() {
    MainWindow& w = window(1);
    calculateLevels(w, "1", "12");  // 940
    choose(w, 12, 1);               // 木の剣: 10 x 3, no materials
    QTest::mouseClick(calc(w).runsNeededButton, Qt::LeftButton);
    QVERIFY(calc(w).resultBox->toPlainText().endsWith("木の剣 を 32 回分\n  材料 ：  合計 : 0\n"));
    calculateLevels(w, "5", "9");  // 296
    QTest::mouseClick(calc(w).runsNeededButton, Qt::LeftButton);
    QVERIFY(calc(w).resultBox->toPlainText().endsWith("木の剣 を 10 回分\n  材料 ：  合計 : 0\n"));
}

void CalculationPageTest::runCountsNeedTheLevelsOnScreen() {
    // Each time the total of the levels shown is missing: the other window's, changed
    // levels, a refused calculation.
    MainWindow& large = window(2);
    calculateLevels(large, "1", "5");
    MainWindow& small = window(1);
    choose(small, 12, 1);
    choose(large, 12, 1);
    const auto refused = [this](MainWindow& w) {
        host->scripted.expectMessage(Answer::Ok);
        QTest::mouseClick(calc(w).runsNeededButton, Qt::LeftButton);
        QCOMPARE(host->scripted.last().text, QString("計算する範囲の経験値がわかりません"));
    };
    refused(small);
    calc(large).targetLevelBox->setText("6");
    refused(large);
    calc(large).startLevelBox->setText("350");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(large).calculateButton, Qt::LeftButton);
    refused(large);
}

void CalculationPageTest::productionChecksMoveFocus() {
    MainWindow& w = window(1);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).runTotalsButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().title, QString("作業未選択"));
    QCOMPARE(QApplication::focusWidget(), calc(w).workList);

    choose(w, 12, 0);
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).runTotalsButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().text, QString("計算する個数がわかりません"));
    QCOMPARE(QApplication::focusWidget(), calc(w).runsBox);

    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).runsNeededButton, Qt::LeftButton);
    QCOMPARE(host->scripted.last().title, QString("必要経験値なし"));
    QVERIFY(calc(w).resultBox->toPlainText().isEmpty());

    // The field 生産回数 names is selected for retyping.
    calc(w).stepExpBox->setText("x");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).runsNeededButton, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), calc(w).stepExpBox);
    QCOMPARE(calc(w).stepExpBox->selectedText(), QString("x"));
}

void CalculationPageTest::tabOrderOptions() {
    MainWindow& w = window(1);
    choose(w, 12, 0);
    wmtest::clickIndicator(calc(w).countTabOrderOption);
    QCOMPARE(w.calculationPage().tabOrderMode(), wm::TabOrderMode::Count);
    QCOMPARE(QApplication::focusWidget(), calc(w).workList);
    QVERIFY(calc(w).runsBox->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(calc(w).startLevelBox->focusPolicy() & Qt::TabFocus));
    QVERIFY(!(calc(w).stepExpBox->focusPolicy() & Qt::TabFocus));  // taken from the data
    wmtest::clickIndicator(calc(w).expTabOrderOption);
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);
    QVERIFY(calc(w).startLevelBox->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(calc(w).runsBox->focusPolicy() & Qt::TabFocus));
}

void CalculationPageTest::resultFileFromButton() {
    MainWindow& w = window(1);
    calc(w).startLevelBox->setText("5");
    calc(w).targetLevelBox->setText("6");
    QTest::mouseClick(calc(w).calculateButton, Qt::LeftButton);
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectMessage(Answer::Yes);
    host->scripted.expectInput("memo.txt");
    host->scripted.expectMessage(Answer::Ok);
    QTest::mouseClick(calc(w).saveResultButton, Qt::LeftButton);
    QCOMPARE(host->scripted.shown().at(2).defaultText, QString("result"));
    QCOMPARE(folder->readBytes("memo.txt"),
             wmtest::cp932Lines({dashes(49), "Lv.005       44 EXP", dashes(49),
                                 "Lv.005～Lv.006までの必要経験値         44 EXP", ""}));
    // The file menu entry does the same; declining writes nothing.
    host->scripted.expectMessage(Answer::No);
    shell(w).saveResultAction->trigger();
    QCOMPARE(host->scripted.shown().size(), 5);
}

void CalculationPageTest::accessKeyRunsCalculation() {
    MainWindow& w = window(1);
    // The access key leaves the start level as a click on the button would, so the
    // remaining experience is checked against the start level just typed.
    calc(w).remainingExpCheck->setChecked(true);
    calc(w).remainingExpBox->setText("44");
    calc(w).startLevelBox->setText("5");
    calc(w).startLevelBox->setFocus();
    QTest::keyClick(w.windowHandle(), Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(calc(w).targetLevelBox->text(),
                 QString("6"));  // an access key clicks the button a moment later
    QCOMPARE(calc(w).resultBox->toPlainText(),
             dashes(42) + "\nLv.005       44 EXP\n" + dashes(49) +
                 "\nLv.005～Lv.006までの必要経験値         44 EXP\n");
}

WM_TEST_MAIN(CalculationPageTest)
#include "tst_calculationpage.moc"
