// The main window under the keyboard and the mouse as a desktop user drives it: keys go to
// the focused control of a shown, active window, through the real shortcut map.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QWheelEvent>
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
using Answer = wm::Dialogs::Answer;
using wmtest::calc;
using wmtest::shell;

namespace {

void sizes() {
    wmtest::bothWindowSizes();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

void typeKeys(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClicks(focused, text);
}

// One notch of the wheel, as the mouse sends it to the control under it.
void wheelNotch(QWidget* target) {
    const QPointF inside(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(inside, target->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// Whether a line edit shows all of text without scrolling it.
bool showsWhole(QLineEdit* field, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    // Qt keeps two pixels on each side of the text and one for the caret.
    const int room = contents.width() - margins.left() - margins.right() - 4 - 1;
    return field->fontMetrics().horizontalAdvance(text) <= room;
}

}  // namespace

class DesktopKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void enterPressesLevelButton_data() { sizes(); }
    void enterPressesLevelButton();
    void enterPressesRunCountButton_data() { sizes(); }
    void enterPressesRunCountButton();
    void accessKeyOfVisibleButtonWins_data() { sizes(); }
    void accessKeyOfVisibleButtonWins();
    void multiLineBoxesPassTab_data() { sizes(); }
    void multiLineBoxesPassTab();
    void pasteAndDeleteObeyFields_data() { sizes(); }
    void pasteAndDeleteObeyFields();
    void wheelNeedsFocusedList_data() { sizes(); }
    void wheelNeedsFocusedList();
    void fieldsShowWhatTheyHold_data() { sizes(); }
    void fieldsShowWhatTheyHold();
    void focusShowsHoweverItMoved_data() { sizes(); }
    void focusShowsHoweverItMoved();

  private:
    MainWindow& window(int code);
    // Levels 5 and 6 typed, each ended by Enter, and Enter past the unused remaining
    // experience: the focus is then on 計算開始.
    MainWindow& enterLevelsUpToTheButton(int code);
    std::unique_ptr<FakeHost> host;
};

void DesktopKeysTest::init() {
    host = std::make_unique<FakeHost>();
    host->data.expTable.set(0, -1);
    wm::fillExpTableByFormula(host->data.expTable);
    wm::ProductTable& make = host->data.products;
    make.set(1, 1, 0, "狩猟");
    make.set(1, 1, 1, "001:ウサギの肉");
    make.set(1, 2, 1, "010:03");
    make.set(1, 3, 1, "4");
    make.set(2, 1, 0, "木こり");
    make.set(2, 1, 1, "001:木材");
    make.set(2, 2, 1, "010:02");
    make.set(2, 3, 1, "10");
    make.set(3, 1, 0, "鍛冶");
    make.set(3, 1, 1, "020:鉄の大剣");
    make.set(3, 2, 1, "050:10");
    make.set(3, 3, 1, "30");
    make.set(3, 4, 1, "02ウサギの肉,03木材,12ウサギの肉");
    host->data.jobs.set(1, 1, "平民");
    host->data.jobs.set(1, 2, "50");
    host->data.jobs.set(1, 3, "01");
}

void DesktopKeysTest::cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    WM_VERIFY_DIALOGS(host->scripted);
    host.reset();
}

MainWindow& DesktopKeysTest::window(int code) {
    return host->shownWindow(code);
}

MainWindow& DesktopKeysTest::enterLevelsUpToTheButton(int code) {
    MainWindow& w = window(code);
    calc(w).startLevelBox->setFocus();
    typeKeys("5");
    press(Qt::Key_Return);
    typeKeys("6");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    return w;
}

void DesktopKeysTest::enterPressesLevelButton() {
    QFETCH(int, code);
    MainWindow& w = enterLevelsUpToTheButton(code);
    QCOMPARE(QApplication::focusWidget(), calc(w).calculateButton);
    press(Qt::Key_Return);
    QVERIFY(calc(w).resultBox->toPlainText().contains("Lv.005～Lv.006までの必要経験値"));
    // Ready for the next range.
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);

    // Any other button takes Enter as well: the list of all levels.
    calc(w).expListButton->setFocus();
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(calc(w).resultBox->toPlainText().contains("Lv.199"));
}

void DesktopKeysTest::enterPressesRunCountButton() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    calc(w).startLevelBox->setText("1");
    calc(w).targetLevelBox->setText("6");  // 100
    calc(w).calculateButton->click();
    w.calculationPage().clearResults();
    wm::chooseEntry(calc(w).workList, 0);
    wm::chooseEntry(calc(w).productList, 0);  // ウサギの肉: 10 experience in 3 steps
    calc(w).stepsBox->setReadOnly(false);
    calc(w).stepsBox->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), calc(w).runsNeededButton);
    press(Qt::Key_Return);
    QVERIFY(calc(w).resultBox->toPlainText().startsWith("ウサギの肉 を 4 回分\n"));
}

void DesktopKeysTest::accessKeyOfVisibleButtonWins() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    calc(w).startLevelBox->setFocus();
    host->scripted.expectMessage(Answer::Ok);
    press(Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(host->scripted.shown().size(), 1);
    QCOMPARE(host->scripted.last().text, QString("結果がないので、ファイル作成は出来ません"));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);

    // F10 still opens the file menu.
    press(Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), shell(w).fileMenu);
    shell(w).fileMenu->close();

    // Where no button has the key, the menu takes it.
    w.runTabAction(wm::TabAction::CharacterPage);
    wmtest::child<QPushButton>(&w, "saveCharacterButton")->setFocus();
    press(Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), shell(w).fileMenu);
    QCOMPARE(host->scripted.shown().size(), 1);
}

void DesktopKeysTest::multiLineBoxesPassTab() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    wm::chooseEntry(calc(w).workList, 2);
    wm::chooseEntry(calc(w).productList, 0);
    for (QPlainTextEdit* box : {calc(w).materialsBox, calc(w).resultBox}) {
        const QString before = box->toPlainText();
        box->setFocus();
        press(Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() != box, qPrintable(box->objectName()));
        box->setFocus();
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != box);
        QCOMPARE(box->toPlainText(), before);
    }
}

void DesktopKeysTest::pasteAndDeleteObeyFields() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    QClipboard* clipboard = QGuiApplication::clipboard();

    // Digits only, at most three: a paste types what typing would.
    calc(w).startLevelBox->setFocus();
    clipboard->setText("1a2345");
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(calc(w).startLevelBox->text(), QString("123"));

    w.runTabAction(wm::TabAction::CharacterPage);
    w.characterPage().chooseSubPage(wm::CharacterSubPage::Equipment);
    QLineEdit* weight = wmtest::child<QLineEdit>(&w, "currentWeightBox");
    weight->setFocus();
    weight->selectAll();
    clipboard->setText("12345678901234567890");
    press(Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(weight->text(), QString("12345"));
    // Undo and redo only step between texts the field took.
    press(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(weight->text().size() <= 5);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(weight->text(), QString("12345"));
    // Delete is Backspace's sibling: the digit field lets it through.
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    QCOMPARE(weight->text(), QString("2345"));

    // A list that drops every key drops deleting and pasting too.
    w.characterPage().chooseSubPage(wm::CharacterSubPage::Works);
    QComboBox* slot = wmtest::child<QComboBox>(&w, "jobSlot1WorkList");
    const QString job = slot->currentText();
    slot->setFocus();
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    press(Qt::Key_Delete);
    QCOMPARE(slot->currentText(), job);
    slot->lineEdit()->selectAll();
    press(Qt::Key_X, Qt::ControlModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(slot->currentText(), job);
}

void DesktopKeysTest::wheelNeedsFocusedList() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    wm::chooseEntry(calc(w).workList, 1);
    calc(w).startLevelBox->setFocus();
    wheelNotch(calc(w).workList);
    QCOMPARE(calc(w).workList->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), calc(w).startLevelBox);
    // Nor does the wheel take the focus to the list first.
    QCOMPARE(calc(w).workList->focusPolicy(), Qt::StrongFocus);
    // The list the user works in still follows the wheel.
    calc(w).workList->setFocus();
    wheelNotch(calc(w).workList);
    QCOMPARE(calc(w).workList->currentIndex(), 2);
}

void DesktopKeysTest::fieldsShowWhatTheyHold() {
    QFETCH(int, code);
    MainWindow& w = window(code);
    wm::chooseEntry(calc(w).workList, 2);
    wm::chooseEntry(calc(w).productList, 0);  // three materials and the total line
    QCOMPARE(calc(w).materialsBox->document()->blockCount(), 4);

    w.runTabAction(wm::TabAction::CharacterPage);
    QTest::qWait(0);
    QVERIFY(showsWhole(wmtest::child<QLineEdit>(&w, "fameBox"), "88888888"));
}

// The focus is drawn when Enter or a click moved it, not only after Tab; a read-only text
// box, which shows no caret, gets the window's focus ring.
void DesktopKeysTest::focusShowsHoweverItMoved() {
    QFETCH(int, code);
    MainWindow& w = enterLevelsUpToTheButton(code);
    QCOMPARE(QApplication::focusWidget(), calc(w).calculateButton);
    QStyleOptionButton option;
    option.initFrom(calc(w).calculateButton);
    QVERIFY(option.state & QStyle::State_HasFocus);
    QVERIFY(option.state & QStyle::State_KeyboardFocusChange);

    for (QPlainTextEdit* box : {calc(w).materialsBox, calc(w).resultBox}) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box);
        auto* ring = box->findChild<QWidget*>("wmFocusRing");
        QVERIFY(ring && ring->isVisible());
        QCOMPARE(ring->geometry(), box->rect());
    }
    QTest::mouseClick(calc(w).startLevelBox, Qt::LeftButton);
    QVERIFY(!calc(w).resultBox->findChild<QWidget*>("wmFocusRing")->isVisible());
}

WM_TEST_MAIN(DesktopKeysTest)
#include "tst_desktopkeys.moc"
