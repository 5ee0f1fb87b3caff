#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "childwidget.h"
#include "cp932.h"
#include "materialtreewindow.h"
#include "productwindow.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "toolwindowtest.h"
#include "viewerstartup.h"
#include "widgets.h"
#include "wmtool.h"

using wm::Dialogs;
using wm::MaterialTreeWindow;

namespace {

constexpr int kRings = 27;  // 指輪細工

// The tree as the user sees it: one line per item, two blanks per level, cells by tabs.
QStringList shownTree(const QTreeWidget* tree) {
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        QStringList cells;
        for (int c = 0; c < tree->columnCount(); ++c)
            cells << item->text(c);
        cells[0].prepend(QString(depth * 2, QLatin1Char(' ')));
        lines << cells.join(QLatin1Char('\t'));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i), 0);
    return lines;
}

// ミスリルの細剣 × 2 of the sample data, worked out by hand from its lines.
const QStringList kSwordTree{"ミスリルの細剣\t剣鍛冶\t2\t2\t2080\t80\t",
                             "  ミスリルインゴット\t精錬\t4\t4\t3360\t28\t",
                             "    ミスリル鉱石\t鉱石掘り\t12\t12\t7980\t96\t深層坑道,竜の谷",
                             "    木炭\t製材\t4\t4\t384\t8\t",
                             "      木の枝\t木こり\t12\t12\t96\t12\t北の森,東の草原",
                             "  飾り革\t革細工\t2\t2\t160\t6\t",
                             "    染め革\t革細工\t2\t2\t112\t6\t",
                             "      なめし革\t革細工\t2\t2\t24\t6\t",
                             "        獣の皮\t狩猟\t4\t4\t192\t12\t北の森,南の丘",
                             "      火炎草\tハーブ採り\t2\t2\t450\t4\t火山の麓",
                             "    貝殻\t釣り\t2\t2\t200\t2\t浜辺,港町の桟橋"};
const QStringList kSwordTotals{"材料の合計\t作業\t個数\t重量",
                               "ミスリル鉱石\t鉱石掘り\t12\t96",
                               "木の枝\t木こり\t12\t12",
                               "獣の皮\t狩猟\t4\t12",
                               "火炎草\tハーブ採り\t2\t4",
                               "貝殻\t釣り\t2\t2",
                               "合計重量\t\t\t126",
                               "",
                               "作業ごとの経験値\t経験値",
                               "剣鍛冶\t2080",
                               "精錬\t3360",
                               "鉱石掘り\t7980",
                               "製材\t384",
                               "木こり\t96",
                               "革細工\t296",
                               "狩猟\t192",
                               "ハーブ採り\t450",
                               "釣り\t200"};

}  // namespace

class TestMaterialTreeWindow : public wmtest::ToolWindowTest {
    Q_OBJECT

  private:
    std::unique_ptr<wm::AppData> viewerData_;
    QPointer<wm::ProductWindow> viewer_;

    // The calculator's own product window, or wmview's only one.
    wm::ProductWindow* productWindow(bool viewer) {
        if (viewer) {
            viewerData_ = std::make_unique<wm::AppData>(wm::viewerData());
            viewerData_->programFolder = folder_->programFolder();
            viewer_ = wm::startViewer(*viewerData_, dialogs_);
            return viewer_;
        }
        startTool(1);
        tool_->openProductWindow();
        return tool_->existingProductWindow();
    }
    static void choose(QComboBox* list, const QString& text) {
        const int i = list->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        wm::chooseEntry(list, i);
    }
    template <typename T>
    static T* part(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    static QStringList totals(QWidget* window) {
        return part<QPlainTextEdit>(window, "totalsBox")->toPlainText().split('\n');
    }
    // The sword plan, chosen in the calculator's main window of a size.
    MaterialTreeWindow* openSwordFromMain(int size, const QString& runs) {
        wm::MainWindow& main = startTool(size);
        wm::chooseEntry(part<QComboBox>(&main, "workList"), wmtest::kSwordSmithing);
        choose(part<QComboBox>(&main, "productList"), "ミスリルの細剣");
        part<QLineEdit>(&main, "runsBox")->setText(runs);
        part<QAction>(&main, "materialTreeAction")->trigger();
        return tool_->existingMaterialTree();
    }

  private slots:
    void init() { makeFolder(); }
    void cleanup() {
        delete viewer_.data();
        viewerData_.reset();
        dropTool();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    void fromTheMainWindow_data() { wmtest::bothWindowSizes("size"); }
    void fromTheMainWindow() {
        QFETCH(int, size);
        MaterialTreeWindow* window = openSwordFromMain(size, "2");
        wm::MainWindow* main = tool_->existingMainWindow(size);
        auto* treeAction = part<QAction>(main, "materialTreeAction");
        QVERIFY(part<QMenu>(main, "viewMenu")->actions().contains(treeAction));
        QCOMPARE(treeAction->text(), QStringLiteral("材料の内訳"));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("材料の内訳"));
        QCOMPARE(part<QComboBox>(window, "workList")->currentText(), QStringLiteral("剣鍛冶"));
        QCOMPARE(part<QComboBox>(window, "productList")->currentText(),
                 QStringLiteral("ミスリルの細剣"));
        QCOMPARE(part<QLineEdit>(window, "runsBox")->text(), QStringLiteral("2"));
        QCOMPARE(shownTree(part<QTreeWidget>(window, "materialTree")), kSwordTree);
        QCOMPARE(totals(window), kSwordTotals);
        QVERIFY(part<QPushButton>(window, "saveButton")->isVisible());
    }

    void mainWindowWithoutAChoice() {
        wm::MainWindow& main = startTool(1);
        part<QAction>(&main, "materialTreeAction")->trigger();
        MaterialTreeWindow* window = tool_->existingMaterialTree();
        QVERIFY(window && window->isVisible());
        QCOMPARE(part<QComboBox>(window, "workList")->currentIndex(), -1);
        QCOMPARE(part<QLineEdit>(window, "runsBox")->text(), QStringLiteral("1"));
        QCOMPARE(part<QTreeWidget>(window, "materialTree")->topLevelItemCount(), 0);
        // A work alone preselects the work; its products wait for a choice.
        wm::chooseEntry(part<QComboBox>(&main, "workList"), wmtest::kSwordSmithing);
        part<QAction>(&main, "materialTreeAction")->trigger();
        QCOMPARE(tool_->existingMaterialTree(), window);
        QCOMPARE(part<QComboBox>(window, "workList")->currentText(), QStringLiteral("剣鍛冶"));
        QCOMPARE(part<QComboBox>(window, "productList")->currentIndex(), -1);
        QVERIFY(part<QComboBox>(window, "productList")->findText("ミスリルの細剣") >= 0);
    }

    void fromTheProductWindow_data() {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("chainWork");
        QTest::newRow("wmtool") << false << "首飾り細工";
        QTest::newRow("wmview") << true << "首飾り細工";
    }
    void fromTheProductWindow() {
        QFETCH(bool, viewer);
        QFETCH(QString, chainWork);
        wm::ProductWindow* products = productWindow(viewer);
        QVERIFY(products);
        wm::chooseEntry(wmtest::child<QComboBox>(products, "workList"), kRings);
        choose(wmtest::child<QComboBox>(products, "productList"), "銀の首飾り");
        auto* button = part<QPushButton>(products, "materialTreeButton");
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        auto* window = products->findChild<MaterialTreeWindow*>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(part<QComboBox>(window, "workList")->currentText(), QStringLiteral("指輪細工"));
        QCOMPARE(part<QComboBox>(window, "productList")->currentText(),
                 QStringLiteral("銀の首飾り"));
        const QStringList tree = shownTree(part<QTreeWidget>(window, "materialTree"));
        QVERIFY(tree.size() >= 2);
        QCOMPARE(tree[0], QStringLiteral("銀の首飾り\t指輪細工\t1\t1\t300\t2\t"));
        // 銀の鎖 is listed in section 29 only, which no work list offers: both programs find it.
        QCOMPARE(tree[1].section('\t', 0, 1), QStringLiteral("  銀の鎖\t") + chainWork);
        // The viewer writes no files and has no production list.
        QCOMPARE(part<QPushButton>(window, "saveButton") != nullptr, !viewer);
        QCOMPARE(part<QPushButton>(window, "addToListButton") != nullptr, !viewer);
        QCOMPARE(part<QPushButton>(products, "addToListButton") != nullptr, !viewer);
    }

    void copyPutsTheTextOnTheClipboard() {
        MaterialTreeWindow* window = openSwordFromMain(1, "2");
        QApplication::clipboard()->clear();
        QTest::mouseClick(part<QPushButton>(window, "copyButton"), Qt::LeftButton);
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.first(),
                 QStringLiteral("材料\t作業\t個数\t生産回数\t経験値\t重量\t採取場所・備考"));
        QCOMPARE(copied.mid(1, kSwordTree.size()), kSwordTree);
        QCOMPARE(copied.at(kSwordTree.size() + 1), QString());
        QCOMPARE(copied.mid(kSwordTree.size() + 2), kSwordTotals);
    }

    void copyWithoutATree() {
        part<QAction>(&startTool(1), "materialTreeAction")->trigger();
        QApplication::clipboard()->setText("before");
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(part<QPushButton>(tool_->existingMaterialTree(), "copyButton"),
                          Qt::LeftButton);
        QCOMPARE(dialogs_.last().text, QStringLiteral("結果がないので、コピーは出来ません"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void saveWritesAResultFile() {
        MaterialTreeWindow* window = openSwordFromMain(2, "2");
        auto* save = part<QPushButton>(window, "saveButton");
        const QString expected = window->resultText();
        QVERIFY(expected.startsWith(QStringLiteral("材料\t")));
        // Write, type a name, confirm.
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectInput("内訳");
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(dialogs_.shown().at(2).title, QStringLiteral("ファイル名の入力"));
        QVERIFY(dialogs_.last().text.endsWith(QStringLiteral("内訳.txt に保存されました")));
        QByteArray bytes;
        QVERIFY(wm::encodeCp932(QString(expected).replace('\n', "\r\n") + "\r\n", &bytes));
        QCOMPARE(folder_->readBytes("内訳.txt"), bytes);
        QVERIFY(bytes.contains("\r\n") && !bytes.contains("\r\n\n"));
        WM_VERIFY_DIALOGS(dialogs_);

        // The same name again: the program asks before it replaces the file.
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectInput("内訳.txt");
        dialogs_.expectMessage(Dialogs::Answer::No);
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(dialogs_.shown().at(3).title, QStringLiteral("上書きの確認"));
        QCOMPARE(folder_->readBytes("内訳.txt"), bytes);
    }

    void runsBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: the tree follows
        QTest::addColumn<QString>("root");
        QTest::newRow("three") << "3"
                               << ""
                               << "ミスリルの細剣\t剣鍛冶\t3\t3\t3120\t120\t";
        QTest::newRow("zero") << "0"
                              << ""
                              << "ミスリルの細剣\t剣鍛冶\t0\t0\t0\t0\t";
        QTest::newRow("letters are not typed") << "1x"
                                               << ""
                                               << "ミスリルの細剣\t剣鍛冶\t1\t1\t1040\t40\t";
        QTest::newRow("empty") << ""
                               << "生産回数を入力してください"
                               << "";
        QTest::newRow("beyond 64 bits") << "9999999999999999999"
                                        << "個数が大きすぎるため、材料の内訳を計算できません"
                                        << "";
        QTest::newRow("counts beyond 64 bits") << "999999999999999999"
                                               << "個数が大きすぎるため、材料の内訳を計算できません"
                                               << "";
    }
    void runsBox() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, root);
        MaterialTreeWindow* window = openSwordFromMain(1, "2");
        auto* runs = part<QLineEdit>(window, "runsBox");
        auto* tree = part<QTreeWidget>(window, "materialTree");
        runs->selectAll();
        QTest::keyClick(runs, Qt::Key_Backspace);
        QTest::keyClicks(runs, typed);
        // Before Enter the tree already follows the count, or is gone while it cannot be used.
        QCOMPARE(shownTree(tree).value(0), root);
        QCOMPARE(window->resultText().isEmpty(), root.isEmpty());
        if (!message.isEmpty())
            dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::keyClick(runs, Qt::Key_Return);
        if (message.isEmpty()) {
            QCOMPARE(shownTree(tree).value(0), root);
            return;
        }
        QCOMPARE(dialogs_.last().text, message);
        QCOMPARE(dialogs_.last().title, QStringLiteral("材料の内訳"));
        // The refused count stays selected: the next number typed replaces it.
        QCOMPARE(runs->selectedText(), typed);
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(part<QPlainTextEdit>(window, "totalsBox")->toPlainText(), QString());
        QCOMPARE(window->resultText(), QString());
    }

    void everyControlIsATabStop() {
        MaterialTreeWindow* window = openSwordFromMain(1, "2");
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QList<QWidget*> expected{
            part<QComboBox>(window, "workList"),       part<QComboBox>(window, "productList"),
            part<QLineEdit>(window, "runsBox"),        part<QTreeWidget>(window, "materialTree"),
            part<QPlainTextEdit>(window, "totalsBox"), part<QPushButton>(window, "copyButton"),
            part<QPushButton>(window, "saveButton")};
        expected.first()->setFocus();
        QList<QWidget*> seen{QApplication::focusWidget()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget();
        }
        QCOMPARE(seen, expected);
        QCOMPARE(part<QPushButton>(window, "copyButton")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_C));
        QCOMPARE(part<QPushButton>(window, "saveButton")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_T));
        // Enter on the focused button presses it.
        QApplication::clipboard()->clear();
        part<QPushButton>(window, "copyButton")->setFocus();
        QTest::keyClick(part<QPushButton>(window, "copyButton"), Qt::Key_Return);
        QVERIFY(QApplication::clipboard()->text().contains(kSwordTree[0]));
    }
};

WM_TEST_MAIN(TestMaterialTreeWindow)
#include "tst_materialtreewindow.moc"
