#include <QTest>

#include "messages.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;
using Answer = Dialogs::Answer;

// The save dialogue of a result list; what the file rules return is tested in core.
class MessagesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        folder = std::make_unique<TestFolder>();
        d = AppData();
        folder->prepare(d);
    }
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }

    void messageBox();
    void defaultName();
    void typedName();
    void cancelledPrompt();
    void declinedQuestions();
    void overwrite();
    void emptyResultWritesNothing();
    void refusedName();

  private:
    std::unique_ptr<TestFolder> folder;
    AppData d;
    ScriptedDialogs dialogs;
};

void MessagesTest::messageBox() {
    dialogs.expectMessage(Answer::Ok);
    showMessage(dialogs, {"text", "", Dialogs::Icon::Exclamation});
    QCOMPARE(dialogs.last().text, QString("text"));
    QCOMPARE(dialogs.last().title, QString());  // the program's title
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::Exclamation);
}

void MessagesTest::defaultName() {
    dialogs.expectMessage(Answer::Yes);  // write?
    dialogs.expectMessage(Answer::No);   // type a name? no: the default
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "Lv.005  1\nLv.006  2");
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("Lv.005  1\r\nLv.006  2\r\n"));
    QCOMPARE(dialogs.shown().at(0).text, QString("結果をテキストファイルに書き出しますか？"));
    QCOMPARE(dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(dialogs.shown().at(1).text, QString("ファイル名を入力しますか？"));
    QCOMPARE(dialogs.last().text, folder->path() + "/result.txt に保存されました");
    QCOMPARE(dialogs.last().title, QString("テキストファイル作成"));
}

void MessagesTest::typedName() {
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectInput("memo.txt");
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "経験値～\n");
    const wmtest::ShownBox& prompt = dialogs.shown().at(2);
    QCOMPARE(prompt.text, QString("テキストファイル名を入力してください"));
    QCOMPARE(prompt.title, QString("ファイル名の入力"));
    QCOMPARE(prompt.defaultText, QString("result"));
    QCOMPARE(folder->readBytes("memo.txt"), wmtest::cp932Lines({"経験値～", ""}));
    QVERIFY(!folder->exists("memo.txt.txt"));
}

void MessagesTest::cancelledPrompt() {
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectInput(QString());
    saveResult(d, dialogs, "x");
    QCOMPARE(dialogs.shown().size(), 3);
    QVERIFY(!folder->exists("result.txt"));
}

void MessagesTest::declinedQuestions() {
    dialogs.expectMessage(Answer::No);
    saveResult(d, dialogs, "x");
    QCOMPARE(dialogs.shown().size(), 1);
    QVERIFY(!folder->exists("result.txt"));
}

void MessagesTest::overwrite() {
    folder->writeBytes("result.txt", "first\r\n");
    dialogs.expectMessage(Answer::Yes);  // write?
    dialogs.expectMessage(Answer::No);   // the default name
    dialogs.expectMessage(Answer::No);   // overwrite? no
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "second");
    QCOMPARE(dialogs.shown().at(2).text,
             QString("result は空ではありません\r\n上書きしてもよろしいですか？"));
    QCOMPARE(dialogs.shown().at(2).title, QString("上書きの確認"));
    QCOMPARE(dialogs.shown().at(2).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(dialogs.last().text, QString("result の書き込みをキャンセルをしました"));
    QCOMPARE(dialogs.last().title, QString("テキストファイル作成"));
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("first\r\n"));

    dialogs.clearShown();
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::No);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "second");
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("second\r\n"));
    QCOMPARE(dialogs.last().text, folder->path() + "/result.txt に保存されました");
}

void MessagesTest::emptyResultWritesNothing() {
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "");
    QCOMPARE(dialogs.last().text, QString("結果がないので、ファイル作成は出来ません"));
    QCOMPARE(dialogs.last().title, QString("テキストファイル作成"));
    QVERIFY(!folder->exists("result.txt"));
}

// A typed name the rules refuse is reported as they word it, and nothing more is asked.
void MessagesTest::refusedName() {
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectInput("a?b");
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "x");
    QCOMPARE(dialogs.last().text,
             QString("「a?b」はファイル名に使えません\r\n次の文字は使えません： < > : \" | ? *"));
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::Exclamation);
}

WM_TEST_MAIN(MessagesTest)
#include "tst_messages.moc"
