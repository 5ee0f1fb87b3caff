#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "childwidget.h"
#include "fakehost.h"
#include "gamedata.h"
#include "mainwindow.h"
#include "testmain.h"
#include "widgets.h"

using wm::MainWindow;

class KeyHelpTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void startLevelDigits();
    void enterInLevels_data();
    void enterInLevels();
    void remainingExperienceKeys();
    void productFieldsEnter();
    void statusBoxLimits_data();
    void statusBoxLimits();
    void listsDropKeys();
    void nameCuts_data();
    void nameCuts();
    void inputMethodTextIsFiltered();
    void selectOnFocus();
    void helpLine();

  private:
    MainWindow& window(int code);
    std::unique_ptr<FakeHost> host;
};

void KeyHelpTest::init() {
    host = std::make_unique<FakeHost>();
    host->data.expTable.set(0, -1);
    wm::fillExpTableByFormula(host->data.expTable);
    host->data.products.set(1, 1, 0, "狩猟");
    host->data.products.set(1, 1, 1, "001:ウサギの肉");
    host->data.products.set(1, 2, 1, "010:03");
    host->data.jobs.set(1, 1, "平民");
    host->data.jobs.set(1, 2, "50");
    host->data.jobs.set(1, 3, "01");
}

void KeyHelpTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
}

MainWindow& KeyHelpTest::window(int code) {
    return host->shownWindow(code);
}

void KeyHelpTest::startLevelDigits() {
    MainWindow& w = window(1);
    w.txtLvMin->setFocus();
    QTest::keyClicks(w.txtLvMin, "1a2 34");
    QCOMPARE(w.txtLvMin->text(), QString("123"));
    w.txtLvMin->selectAll();
    QTest::keyClick(w.txtLvMin, Qt::Key_4);
    QCOMPARE(w.txtLvMin->text(), QString("4"));
    QTest::keyClick(w.txtLvMin, Qt::Key_Backspace);
    QCOMPARE(w.txtLvMin->text(), QString());
}

void KeyHelpTest::enterInLevels_data() {
    QTest::addColumn<bool>("target");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("movesOn");
    QTest::newRow("start 299") << false << "299" << true;
    QTest::newRow("start 300") << false << "300" << false;
    QTest::newRow("target 300") << true << "300" << true;
    QTest::newRow("target 301") << true << "301" << false;
}

void KeyHelpTest::enterInLevels() {
    QFETCH(bool, target);
    QFETCH(QString, level);
    QFETCH(bool, movesOn);
    MainWindow& w = window(1);
    QLineEdit* field = target ? w.txtLvMax : w.txtLvMin;
    QWidget* next = target ? static_cast<QWidget*>(w.txtExp) : w.txtLvMax;
    field->setFocus();
    field->setText(level);
    field->deselect();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), level);
    if (movesOn) {
        QCOMPARE(QApplication::focusWidget(), next);
    } else {
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), level);
    }
}

void KeyHelpTest::remainingExperienceKeys() {
    MainWindow& w = window(1);
    w.txtExp->setFocus();
    QTest::keyClick(w.txtExp, Qt::Key_Space);  // switches the box on
    QVERIFY(w.chkExp->isChecked());
    QCOMPARE(w.txtExp->text(), QString(" "));
    w.txtExp->clear();
    QTest::keyClick(w.txtExp, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.txtExp);  // empty and checked: stays
    QTest::keyClicks(w.txtExp, "12345678");
    QCOMPARE(w.txtExp->text(), QString("1234567"));
    QTest::keyClick(w.txtExp, Qt::Key_Space);  // and off again, leaving one blank
    QVERIFY(!w.chkExp->isChecked());
    QCOMPARE(w.txtExp->text(), QString(" "));
    QTest::keyClick(w.txtExp, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.cmd_k);
    // Enter presses the button: with no start level the calculation asks for one there.
    host->scripted.expectMessage(wm::Dialogs::Answer::Ok);
    QTest::keyClick(w.cmd_k, Qt::Key_Return);
    QCOMPARE(host->scripted.last().text, QString("初期レベルが正しく入力されていません"));
    QCOMPARE(QApplication::focusWidget(), w.txtLvMin);
}

void KeyHelpTest::productFieldsEnter() {
    MainWindow& w = window(2);
    w.txtSLot->setFocus();
    QTest::keyClick(w.txtSLot, Qt::Key_Return);  // empty: nothing at all
    QVERIFY(w.txtWorkList->toPlainText().isEmpty());
    wm::chooseEntry(w.cmbSWork, 0);
    wm::chooseEntry(w.cmbSName, 0);
    w.txtSLot->setFocus();
    QTest::keyClicks(w.txtSLot, "2x");
    QTest::keyClick(w.txtSLot, Qt::Key_Return);
    QCOMPARE(
        w.txtWorkList->toPlainText(),
        QString("ウサギの肉 を 2 回分生産した時の合計  60 EXP\n  重量 ： ウサギの肉 × 2 = 0\n"));

    w.txtSExp1->setReadOnly(false);
    w.txtSExp1->setText("7");
    w.txtSExp1->setFocus();
    QTest::keyClick(w.txtSExp1, Qt::Key_Return);
    QCOMPARE(w.txtSExpg->text(), QString("21"));
    QCOMPARE(QApplication::focusWidget(), w.txtSExpk);
    QTest::keyClick(w.txtSExpk, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.cmdSExp);
}

void KeyHelpTest::statusBoxLimits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("kept");
    QTest::newRow("fame") << "fameEdit"
                          << "12345678";
    QTest::newRow("HP") << "hpEdit"
                        << "12345";
    QTest::newRow("MP") << "mpEdit"
                        << "12345";
    QTest::newRow("strength") << "strengthEdit"
                              << "123";
}

void KeyHelpTest::statusBoxLimits() {
    QFETCH(QString, box);
    QFETCH(QString, kept);
    MainWindow& w = window(1);
    w.cmdTab_Click(2);
    QLineEdit* field = wmtest::child<QLineEdit>(&w, box);
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "1234567890x");
    QCOMPARE(field->text(), kept);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != field);
}

void KeyHelpTest::listsDropKeys() {
    MainWindow& small = window(1);
    small.cmdTab_Click(2);
    small.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    auto* work = wmtest::child<QComboBox>(&small, "jobSlot7Work");
    work->setFocus();
    const int before = work->currentIndex();
    QTest::keyClicks(work, "ab1");
    QCOMPARE(work->currentIndex(), before);
    auto* subPage = wmtest::child<QRadioButton>(&small, "subPageWorks");
    subPage->setFocus();
    QTest::keyClick(subPage, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != subPage);
}

void KeyHelpTest::nameCuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("after");
    // The key goes in after the cut, and the name rule keeps the first fourteen bytes.
    QTest::newRow("fifteen single-byte") << "abcdefghijklmno"
                                         << "abcdefghijklmn";
    QTest::newRow("mixed widths") << "abcdeあいうえお"
                                  << "abcdeあいうえz";
}

void KeyHelpTest::nameCuts() {
    QFETCH(QString, name);
    QFETCH(QString, after);
    MainWindow& w = window(1);
    w.cmdTab_Click(2);
    QComboBox* list = wmtest::child<QComboBox>(&w, "nameList");
    list->setFocus();
    list->lineEdit()->setText(name);
    list->lineEdit()->end(false);
    QTest::keyClick(list, Qt::Key_Z);
    QCOMPARE(list->currentText(), after);
}

void KeyHelpTest::inputMethodTextIsFiltered() {
    MainWindow& w = window(1);
    w.txtLvMin->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("１2あ3"));
    QApplication::sendEvent(w.txtLvMin, &commit);
    QCOMPARE(w.txtLvMin->text(), QString("23"));
}

void KeyHelpTest::selectOnFocus() {
    MainWindow& w = window(1);
    w.txtLvMax->setText("250");
    w.txtLvMin->setFocus();
    QTest::mouseClick(w.txtLvMax, Qt::LeftButton);
    QTRY_COMPARE(w.txtLvMax->selectedText(), QString("250"));
}

void KeyHelpTest::helpLine() {
    MainWindow& w = window(1);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.cmdSExp, &enter);
    QCOMPARE(w.lblStats[0]->text(),
             QString("生産品をいくつ作れば計算した経験値を越えるかを算出します"));
    // The character page, created later, shows the same text in its own line.
    QVERIFY(!w.existingCharacterPage());
    auto* characterHelp = wmtest::child<QLabel>(&w.characterPage(), "characterHelpLine");
    QCOMPARE(characterHelp->text(), w.lblStats[0]->text());
    QApplication::sendEvent(w.cmbSWork, &enter);  // lists leave the line as it was
    QCOMPARE(w.lblStats[0]->text(),
             QString("生産品をいくつ作れば計算した経験値を越えるかを算出します"));
    QApplication::sendEvent(characterHelp, &enter);
    QCOMPARE(w.lblStats[0]->text(), QString());
    QApplication::sendEvent(wmtest::child<QLabel>(&w, "glovesLabel"), &enter);
    QCOMPARE(w.lblStats[0]->text(), QString("装備している手袋（こて）を選択します"));
    QCOMPARE(characterHelp->text(), w.lblStats[0]->text());

    // From an option back onto the bare frame around it: the frame's own text.
    QTest::mouseMove(w.optSum[1], w.optSum[1]->rect().center());
    QTRY_COMPARE(w.lblStats[0]->text(), QString("タブの移動を経験値用に切り替えます"));
    QTest::mouseMove(w.frmCOpt, QPoint(2, 2));
    QTRY_COMPARE(w.lblStats[0]->text(), QString("タブの移動の切り替えの設定をします"));
}

WM_TEST_MAIN(KeyHelpTest)
#include "tst_keyhelp.moc"
