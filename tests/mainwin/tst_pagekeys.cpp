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
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testmain.h"
#include "widgets.h"

using wm::MainWindow;
using wmtest::calc;
using wmtest::shell;

class PageKeysTest : public QObject {
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
    void helpLabel();

  private:
    MainWindow& window(int code);
    std::unique_ptr<FakeHost> host;
};

void PageKeysTest::init() {
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

void PageKeysTest::cleanup() {
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
}

MainWindow& PageKeysTest::window(int code) {
    return host->shownWindow(code);
}

void PageKeysTest::startLevelDigits() {
    MainWindow& w = window(1);
    calc(w).startLevelBox->setFocus();
    QTest::keyClicks(calc(w).startLevelBox, "1a2 34");
    QCOMPARE(calc(w).startLevelBox->text(), QString("123"));
    calc(w).startLevelBox->selectAll();
    QTest::keyClick(calc(w).startLevelBox, Qt::Key_4);
    QCOMPARE(calc(w).startLevelBox->text(), QString("4"));
    QTest::keyClick(calc(w).startLevelBox, Qt::Key_Backspace);
    QCOMPARE(calc(w).startLevelBox->text(), QString());
}

void PageKeysTest::enterInLevels_data() {
    QTest::addColumn<bool>("target");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("movesOn");
    QTest::newRow("start 299") << false << "299" << true;
    QTest::newRow("start 300") << false << "300" << false;
    QTest::newRow("target 300") << true << "300" << true;
    QTest::newRow("target 301") << true << "301" << false;
}

void PageKeysTest::enterInLevels() {
    QFETCH(bool, target);
    QFETCH(QString, level);
    QFETCH(bool, movesOn);
    MainWindow& w = window(1);
    QLineEdit* field = target ? calc(w).targetLevelBox : calc(w).startLevelBox;
    QWidget* next =
        target ? static_cast<QWidget*>(calc(w).remainingExpBox) : calc(w).targetLevelBox;
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

void PageKeysTest::remainingExperienceKeys() {
    MainWindow& w = window(1);
    calc(w).remainingExpBox->setFocus();
    QTest::keyClick(calc(w).remainingExpBox, Qt::Key_Space);  // switches the box on
    QVERIFY(calc(w).remainingExpCheck->isChecked());
    QCOMPARE(calc(w).remainingExpBox->text(), QString(" "));
    calc(w).remainingExpBox->clear();
    QTest::keyClick(calc(w).remainingExpBox, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(),
             calc(w).remainingExpBox);  // empty and checked: stays
    QTest::keyClicks(calc(w).remainingExpBox, "12345678");
    QCOMPARE(calc(w).remainingExpBox->text(), QString("1234567"));
    QTest::keyClick(calc(w).remainingExpBox,
                    Qt::Key_Space);  // and off again, leaving one blank
    QVERIFY(!calc(w).remainingExpCheck->isChecked());
    QCOMPARE(calc(w).remainingExpBox->text(), QString(" "));
    QTest::keyClick(calc(w).remainingExpBox, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), calc(w).calculateButton);
    // Enter presses the button: with no start level the calculation asks for one there.
    host->scripted.expectMessage(wm::Dialogs::Answer::Ok);
    QTest::keyClick(calc(w).calculateButton, Qt::Key_Return);
    QCOMPARE(host->scripted.last().text, QString("初期レベルが正しく入力されていません"));
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);
}

void PageKeysTest::productFieldsEnter() {
    MainWindow& w = window(2);
    calc(w).runsBox->setFocus();
    QTest::keyClick(calc(w).runsBox, Qt::Key_Return);  // empty: nothing at all
    QVERIFY(calc(w).resultBox->toPlainText().isEmpty());
    wm::chooseEntry(calc(w).workList, 0);
    wm::chooseEntry(calc(w).productList, 0);
    calc(w).runsBox->setFocus();
    QTest::keyClicks(calc(w).runsBox, "2x");
    QTest::keyClick(calc(w).runsBox, Qt::Key_Return);
    QCOMPARE(
        calc(w).resultBox->toPlainText(),
        QString("ウサギの肉 を 2 回分生産した時の合計  60 EXP\n  重量 ： ウサギの肉 × 2 = 0\n"));

    calc(w).stepExpBox->setReadOnly(false);
    calc(w).stepExpBox->setText("7");
    calc(w).stepExpBox->setFocus();
    QTest::keyClick(calc(w).stepExpBox, Qt::Key_Return);
    QCOMPARE(calc(w).runExpBox->text(), QString("21"));
    QCOMPARE(QApplication::focusWidget(), calc(w).stepsBox);
    QTest::keyClick(calc(w).stepsBox, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), calc(w).runsNeededButton);
}

void PageKeysTest::statusBoxLimits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("kept");
    QTest::newRow("fame") << "fameBox"
                          << "12345678";
    QTest::newRow("HP") << "hpBox"
                        << "12345";
    QTest::newRow("MP") << "mpBox"
                        << "12345";
    QTest::newRow("strength") << "strengthBox"
                              << "123";
}

void PageKeysTest::statusBoxLimits() {
    QFETCH(QString, box);
    QFETCH(QString, kept);
    MainWindow& w = window(1);
    w.runTabAction(wm::TabAction::CharacterPage);
    QLineEdit* field = wmtest::child<QLineEdit>(&w, box);
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "1234567890x");
    QCOMPARE(field->text(), kept);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != field);
}

void PageKeysTest::listsDropKeys() {
    MainWindow& small = window(1);
    small.runTabAction(wm::TabAction::CharacterPage);
    small.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    auto* work = wmtest::child<QComboBox>(&small, "jobSlot7WorkList");
    work->setFocus();
    const int before = work->currentIndex();
    QTest::keyClicks(work, "ab1");
    QCOMPARE(work->currentIndex(), before);
    auto* subPage = wmtest::child<QRadioButton>(&small, "subPageWorksOption");
    subPage->setFocus();
    QTest::keyClick(subPage, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != subPage);
}

void PageKeysTest::nameCuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("after");
    // The key goes in after the cut, and the name rule keeps the first fourteen bytes.
    QTest::newRow("fifteen single-byte") << "abcdefghijklmno"
                                         << "abcdefghijklmn";
    QTest::newRow("mixed widths") << "abcdeあいうえお"
                                  << "abcdeあいうえz";
}

void PageKeysTest::nameCuts() {
    QFETCH(QString, name);
    QFETCH(QString, after);
    MainWindow& w = window(1);
    w.runTabAction(wm::TabAction::CharacterPage);
    QComboBox* list = wmtest::child<QComboBox>(&w, "nameList");
    list->setFocus();
    list->lineEdit()->setText(name);
    list->lineEdit()->end(false);
    QTest::keyClick(list, Qt::Key_Z);
    QCOMPARE(list->currentText(), after);
}

void PageKeysTest::inputMethodTextIsFiltered() {
    MainWindow& w = window(1);
    calc(w).startLevelBox->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("１2あ3"));
    QApplication::sendEvent(calc(w).startLevelBox, &commit);
    QCOMPARE(calc(w).startLevelBox->text(), QString("23"));
}

void PageKeysTest::selectOnFocus() {
    MainWindow& w = window(1);
    calc(w).targetLevelBox->setText("250");
    calc(w).startLevelBox->setFocus();
    QTest::mouseClick(calc(w).targetLevelBox, Qt::LeftButton);
    QTRY_COMPARE(calc(w).targetLevelBox->selectedText(), QString("250"));
}

void PageKeysTest::helpLabel() {
    MainWindow& w = window(1);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(calc(w).runsNeededButton, &enter);
    QCOMPARE(calc(w).helpLabel->text(),
             QString("生産品をいくつ作れば計算した経験値を越えるかを算出します"));
    // The character page, created later, shows the same text in its own line.
    QVERIFY(!w.existingCharacterPage());
    auto* characterHelp = wmtest::child<QLabel>(&w.characterPage(), "characterHelpLabel");
    QCOMPARE(characterHelp->text(), calc(w).helpLabel->text());
    QApplication::sendEvent(calc(w).workList, &enter);  // lists leave the line as it was
    QCOMPARE(calc(w).helpLabel->text(),
             QString("生産品をいくつ作れば計算した経験値を越えるかを算出します"));
    QApplication::sendEvent(characterHelp, &enter);
    QCOMPARE(calc(w).helpLabel->text(), QString());
    QApplication::sendEvent(wmtest::child<QLabel>(&w, "glovesCaption"), &enter);
    QCOMPARE(calc(w).helpLabel->text(), QString("装備している手袋（こて）を選択します"));
    QCOMPARE(characterHelp->text(), calc(w).helpLabel->text());

    // From an option back onto the bare frame around it: the frame's own text.
    QTest::mouseMove(calc(w).expTabOrderOption, calc(w).expTabOrderOption->rect().center());
    QTRY_COMPARE(calc(w).helpLabel->text(), QString("タブの移動を経験値用に切り替えます"));
    QTest::mouseMove(calc(w).tabOrderFrame, QPoint(2, 2));
    QTRY_COMPARE(calc(w).helpLabel->text(), QString("タブの移動の切り替えの設定をします"));
}

WM_TEST_MAIN(PageKeysTest)
#include "tst_pagekeys.moc"
