#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "controls.h"
#include "keyfilter.h"
#include "qtdialogs.h"
#include "testmain.h"
#include "widgets.h"

using namespace wm;

class UiTest : public QObject {
    Q_OBJECT
  private slots:
    void messageBoxButtons_data();
    void messageBoxButtons();
    void inputBox();
    void keyFilterCodes();
    void keyFilterLeavesNavigationAlone();
    void keyFilterTypesPastedText();
    void pasteEndsWhereTheFocusMovesOn();
    void keyFilterSeesInputMethodText();
    void programChoiceRunsClickHandler();
    void focusMovesInTabOrder();
    void typedTextAddsNoEntry_data();
    void typedTextAddsNoEntry();
};

void UiTest::messageBoxButtons_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("escapeAnswer");
    QTest::newRow("ok") << int(Dialogs::Buttons::Ok) << QStringList{"OK"}
                        << int(Dialogs::Answer::Ok);
    QTest::newRow("ok cancel") << int(Dialogs::Buttons::OkCancel) << QStringList{"OK", "キャンセル"}
                               << int(Dialogs::Answer::Cancel);
    QTest::newRow("yes no") << int(Dialogs::Buttons::YesNo) << QStringList{"はい(&Y)", "いいえ(&N)"}
                            << int(Dialogs::Answer::No);
}

void UiTest::messageBoxButtons() {
    QFETCH(int, buttons);
    QFETCH(QStringList, texts);
    QFETCH(int, escapeAnswer);
    QtDialogs dialogs("wmtool");
    auto box = dialogs.buildMessageBox("一行目\r\n二行目", QString(), Dialogs::Buttons(buttons),
                                       Dialogs::Icon::Exclamation);
    QCOMPARE(box->windowTitle(), QString("wmtool"));  // no title: the program's
    QCOMPARE(box->text(), QString("一行目\n二行目"));
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QStringList shown;
    for (QAbstractButton* b : box->buttons())
        shown << b->text();
    shown.sort();
    texts.sort();
    QCOMPARE(shown, texts);
    // The first button is the default; closing the box answers like its escape button.
    QCOMPARE(QtDialogs::answerOf(*box, box->defaultButton()),
             Dialogs::Buttons(buttons) == Dialogs::Buttons::YesNo ? Dialogs::Answer::Yes
                                                                  : Dialogs::Answer::Ok);
    QCOMPARE(int(QtDialogs::answerOf(*box, nullptr)), escapeAnswer);
    auto titled =
        dialogs.buildMessageBox("x", "入力ミス", Dialogs::Buttons::Ok, Dialogs::Icon::None);
    QCOMPARE(titled->windowTitle(), QString("入力ミス"));
    QCOMPARE(titled->icon(), QMessageBox::NoIcon);
}

void UiTest::inputBox() {
    QtDialogs dialogs("wmtool");
    auto box =
        dialogs.buildInputBox("テキストファイル名を入力してください", "ファイル名の入力", "result");
    QCOMPARE(box->windowTitle(), QString("ファイル名の入力"));
    QCOMPARE(box->textValue(), QString("result"));
    QCOMPARE(box->okButtonText(), QString("OK"));
    QCOMPARE(box->cancelButtonText(), QString("キャンセル"));
}

void UiTest::keyFilterCodes() {
    QLineEdit edit;
    QList<int> seen;
    KeyFilter::install(&edit, [&](int& code) {
        seen << code;
        if (code == 'x')
            code = 0;  // dropped
        else if (code == 'a')
            code = 'B';  // changed
    });
    edit.show();
    QTest::keyClicks(&edit, "1xa");
    QCOMPARE(edit.text(), QString("1B"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(seen, (QList<int>{'1', 'x', 'a', kKeyBackspace, kKeyEnter}));
    QCOMPARE(edit.text(), QString("1"));
}

void UiTest::keyFilterLeavesNavigationAlone() {
    QLineEdit edit("abc");
    QList<int> seen;
    KeyFilter::install(&edit, [&](int& code) {
        seen << code;
        code = 0;
    });
    edit.show();
    edit.setCursorPosition(3);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Tab);
    QTest::keyClick(&edit, Qt::Key_Shift);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(seen.isEmpty());
    // Delete is asked as Backspace: a field that drops Backspace keeps its text.
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QString("abc"));
    QCOMPARE(seen, QList<int>{kKeyBackspace});
}

void UiTest::keyFilterTypesPastedText() {
    QLineEdit edit;
    QList<int> seen;
    KeyFilter::install(&edit, [&](int& code) {
        seen << code;
        if (code < '0' || code > '9' || (edit.text().size() >= 3 && !edit.hasSelectedText()))
            code = 0;
    });
    edit.show();
    QGuiApplication::clipboard()->setText("1\r\n2\x7fx34");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    // Typed one by one: the limit holds, line ends and DEL never reach the field.
    QCOMPARE(edit.text(), QString("123"));
    QCOMPARE(seen, (QList<int>{'1', '2', 'x', '3', '4'}));
}

void UiTest::pasteEndsWhereTheFocusMovesOn() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* next = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(next);
    KeyFilter::install(first, [first](int& code) {
        if (code < '0' || code > '9') {
            code = 0;
            focusNextControl(first);
        }
    });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QGuiApplication::clipboard()->setText("12a34");
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(first->text(), QString("12"));
    QCOMPARE(next->text(), QString());
    QCOMPARE(QApplication::focusWidget(), next);
}

void UiTest::keyFilterSeesInputMethodText() {
    QLineEdit edit;
    KeyFilter::install(&edit, [&edit](int& code) {
        if (code < '0' || code > '9' || edit.text().size() >= 3)
            code = 0;
    });
    edit.show();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("1あ2"));
    QApplication::sendEvent(&edit, &commit);
    QCOMPARE(edit.text(), QString("12"));
    // Committed in one go, the characters still meet the length limit in turn: two
    // characters as well as a longer word.
    QInputMethodEvent pair;
    pair.setCommitString(QString::fromUtf8("34"));
    QApplication::sendEvent(&edit, &pair);
    QCOMPARE(edit.text(), QString("123"));
    edit.setText("1");
    QInputMethodEvent word;
    word.setCommitString(QString::fromUtf8("3456"));
    QApplication::sendEvent(&edit, &word);
    QCOMPARE(edit.text(), QString("134"));
}

void UiTest::programChoiceRunsClickHandler() {
    QComboBox list;
    list.addItems({"a", "b"});
    list.setCurrentIndex(-1);
    QSignalSpy clicks(&list, &QComboBox::activated);
    chooseEntry(&list, 0);
    chooseEntry(&list, 0);  // no change, no second click
    chooseEntry(&list, 1);
    chooseEntry(&list, 5);  // no such entry
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list.currentIndex(), 1);
    refillList(&list, {"x", "y", "z"});
    QCOMPARE(list.currentIndex(), -1);  // nothing chosen after a refill
    QCOMPARE(list.count(), 3);
}

void UiTest::focusMovesInTabOrder() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* hidden = new QLineEdit;
    auto* skipped = new QLineEdit;
    auto* last = new QPushButton("OK");
    for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(hidden),
                       static_cast<QWidget*>(skipped), static_cast<QWidget*>(last)})
        layout->addWidget(w);
    skipped->setFocusPolicy(Qt::ClickFocus);  // out of the tab order
    window.show();
    hidden->hide();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QVERIFY(focusNextControl(first));
    QCOMPARE(QApplication::focusWidget(), last);
}

void UiTest::typedTextAddsNoEntry_data() {
    QTest::addColumn<bool>("neverChooses");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("chosen");
    QTest::newRow("new name") << false << "c" << -1;
    QTest::newRow("an entry's name") << false << "b" << 1;
    QTest::newRow("new name, never chooses") << true << "c" << -1;
    QTest::newRow("an entry's name, never chooses") << true << "b" << -1;
}

void UiTest::typedTextAddsNoEntry() {
    QFETCH(bool, neverChooses);
    QFETCH(QString, typed);
    QFETCH(int, chosen);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QComboBox* list = makeTypingList(&window, "tip");
    layout->addWidget(list);
    list->addItems({"a", "b"});
    list->setCurrentIndex(-1);
    if (neverChooses)
        typingNeverChooses(list);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    list->setFocus();
    QTest::keyClicks(list, typed);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), chosen);
    QCOMPARE(list->currentText(), typed);
}

WM_TEST_MAIN(UiTest)
#include "tst_ui.moc"
