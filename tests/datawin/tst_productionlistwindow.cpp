#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "childwidget.h"
#include "cp932.h"
#include "materialtreewindow.h"
#include "productionlistwindow.h"
#include "testmain.h"
#include "toolwindowtest.h"
#include "widgets.h"

using wm::Dialogs;
using wm::ProductionListWindow;
using wmtest::child;

namespace {

const QString kListFile = QStringLiteral("ProductionList.txt");

// The header lines every list file starts with.
QStringList header() {
    return {"# Wendmoorツール 生産リスト",
            "# 「#」で始まる行と空行は読み飛ばします。項目はタブか半角空白で区切ります。",
            "# 生産 生産品名 回数 作業名(省略可)", "# 手持ち 材料名 個数",
            "# 最大重量 数 / 現在重量 数"};
}

QStringList cells(QTableWidget* table, int row) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->item(row, c)->text();
    return texts;
}

}  // namespace

class TestProductionListWindow : public wmtest::ToolWindowTest {
    Q_OBJECT

  private:
    ProductionListWindow* openList(int size = 1) {
        wm::MainWindow& main = startTool(size);
        child<QAction>(&main, "productionListAction")->trigger();
        return tool_->existingProductionList();
    }
    static QStringList totals(QWidget* window) {
        return child<QPlainTextEdit>(window, "totalsBox")->toPlainText().split('\n');
    }

  private slots:
    void init() { makeFolder(); }
    void cleanup() {
        dropTool();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    void fromEitherMainWindow_data() { wmtest::bothWindowSizes("size"); }
    // 表示 > 生産リスト after 材料の内訳; a product chosen, runs typed, Enter adds it.
    void fromEitherMainWindow() {
        QFETCH(int, size);
        ProductionListWindow* window = openList(size);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("生産リスト"));
        const QList<QAction*> entries =
            child<QMenu>(tool_->existingMainWindow(size), "viewMenu")->actions();
        const auto* action =
            child<QAction>(tool_->existingMainWindow(size), "productionListAction");
        QCOMPARE(action->text(), QStringLiteral("生産リスト"));
        QVERIFY(
            entries.indexOf(action) >
            entries.indexOf(child<QAction>(tool_->existingMainWindow(size), "materialTreeAction")));

        wm::chooseEntry(child<QComboBox>(window, "workList"), wmtest::kSwordSmithing);
        auto* products = child<QComboBox>(window, "productList");
        wm::chooseEntry(products, products->findText("ミスリルの細剣"));
        auto* runs = child<QLineEdit>(window, "runsBox");
        runs->setFocus();
        runs->selectAll();
        QTest::keyClicks(runs, "2x");
        QTest::keyClick(runs, Qt::Key_Return);
        auto* rows = child<QTableWidget>(window, "rowsTable");
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(cells(rows, 0), (QStringList{"ミスリルの細剣", "剣鍛冶", "2"}));
        // The ore of the sword's tree: 12 pieces of 8.
        QVERIFY(totals(window).contains("ミスリル鉱石\t鉱石掘り\t12\t0\t12\t96\t深層坑道,竜の谷"));
        QCOMPARE(folder_->readBytes(kListFile),
                 wmtest::cp932Lines(header() << "生産\tミスリルの細剣\t2\t剣鍛冶"));

        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // The character page's weights, where it has them, fill the carrying fields.
    void weightsFromTheCharacterPage() {
        wm::MainWindow& main = startTool(1);
        main.runTabAction(wm::TabAction::CharacterPage);
        wm::CharacterPage* page = main.existingCharacterPage();
        QVERIFY(page);
        child<QLineEdit>(page, "maximumWeightBox")->setText("1500");
        child<QLineEdit>(page, "currentWeightBox")->setText("200");
        child<QAction>(&main, "productionListAction")->trigger();
        ProductionListWindow* window = tool_->existingProductionList();
        QCOMPARE(child<QLineEdit>(window, "maximumWeightBox")->text(), QStringLiteral("1500"));
        QCOMPARE(child<QLineEdit>(window, "currentWeightBox")->text(), QStringLiteral("200"));
    }

    // The kept list comes back: rows, held pieces and weights; an unknown product is kept
    // and marked; the ingots held cover the ore and the charcoal.
    void keptListComesBack() {
        folder_->writeLines(kListFile, header() << "生産 ミスリルの細剣 2 剣鍛冶"
                                                << "生産\t幻の剣\t1"
                                                << "手持ち\tミスリルインゴット\t4"
                                                << "最大重量\t20"
                                                << "現在重量\t10");
        ProductionListWindow* window = openList();
        auto* rows = child<QTableWidget>(window, "rowsTable");
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(cells(rows, 1), (QStringList{"幻の剣", "不明（データにない）", "1"}));
        QCOMPARE(cells(child<QTableWidget>(window, "heldTable"), 0),
                 (QStringList{"ミスリルインゴット", "4"}));
        const QStringList shown = totals(window);
        QVERIFY(shown.contains("ミスリルインゴット\t精錬\t4\t4\t0"));
        QVERIFY(shown.contains("ミスリル鉱石\t鉱石掘り\t12\t0\t0\t0\t深層坑道,竜の谷"));
        QVERIFY(shown.contains("合計重量\t\t126\t\t\t18"));
        // Room 10: three hides of 3 on the first trip; the fourth, 2 herbs of 2 and 2 shells
        // of 1 (9) on the second.
        QCOMPARE(child<QLabel>(window, "carryLabel")->text(),
                 QStringLiteral("運ぶ回数 2 回、最後の回の残り重量 1"));
        QVERIFY(window->resultText().contains("運ぶ回数 2 回、最後の回の残り重量 1\n"));

        // Held pieces set by keyboard; 0 takes them off again.
        auto* name = child<QComboBox>(window, "heldNameList");
        name->setEditText("貝殻");
        auto* count = child<QLineEdit>(window, "heldCountBox");
        QTest::keyClicks(count, "2");
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(child<QTableWidget>(window, "heldTable")->rowCount(), 2);
        QVERIFY(totals(window).contains("合計重量\t\t126\t\t\t16"));
        QVERIFY(folder_->readBytes(kListFile).contains(wmtest::cp932Lines({"手持ち\t貝殻\t2"})));
    }

    // A damaged kept list is said with its line; the file stays beside as .bak.
    void damagedKeptList() {
        folder_->writeLines(kListFile, {"生産 木炭 1", "生産 木炭 x"});
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        ProductionListWindow* window = openList();
        QVERIFY2(dialogs_.last().text.contains("2 行目: 「x」は個数ではありません"),
                 qPrintable(dialogs_.last().text));
        QCOMPARE(child<QTableWidget>(window, "rowsTable")->rowCount(), 0);
        QCOMPARE(folder_->readBytes(kListFile), wmtest::cp932Lines({"生産 木炭 1", "生産 木炭 x"}));
        QCOMPARE(folder_->readBytes(kListFile + ".bak"),
                 wmtest::cp932Lines({"生産 木炭 1", "生産 木炭 x"}));
    }

    // Named lists: a bad file changes nothing on screen; save and open bring a list back.
    void namedLists() {
        ProductionListWindow* window = openList();
        window->addProduct(9, 1, 3);  // 製材, its first product
        const QString product = cells(child<QTableWidget>(window, "rowsTable"), 0).first();
        QString chosen;
        window->setFileChooser([&chosen](bool, const QString&) { return chosen; });
        folder_->writeLines("bad.txt", {"# x", "", "手持ち 木炭"});
        chosen = folder_->filePath("bad.txt");
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(child<QPushButton>(window, "openListButton"), Qt::LeftButton);
        QVERIFY2(dialogs_.last().text.endsWith(
                     "を開けませんでした\r\n3 行目: 手持ち の行の項目は 3 個です"),
                 qPrintable(dialogs_.last().text));
        QCOMPARE(child<QTableWidget>(window, "rowsTable")->rowCount(), 1);

        chosen = folder_->filePath("mine.txt");
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(child<QPushButton>(window, "saveListButton"), Qt::LeftButton);
        QVERIFY(dialogs_.last().text.endsWith(" に保存されました"));
        QCOMPARE(folder_->readBytes("mine.txt"),
                 wmtest::cp932Lines(header() << "生産\t" + product + "\t3\t製材"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        child<QTableWidget>(window, "rowsTable")->setFocus();
        QTest::keyClick(child<QTableWidget>(window, "rowsTable"), Qt::Key_Delete);
        QCOMPARE(child<QTableWidget>(window, "rowsTable")->rowCount(), 0);
        QTest::mouseClick(child<QPushButton>(window, "openListButton"), Qt::LeftButton);
        QCOMPARE(cells(child<QTableWidget>(window, "rowsTable"), 0),
                 (QStringList{product, "製材", "3"}));
        QApplication::clipboard()->clear();
        QTest::mouseClick(child<QPushButton>(window, "copyButton"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), window->resultText());
        // Text作成 writes the same text as a result file under the default name.
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectMessage(Dialogs::Answer::No);
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(child<QPushButton>(window, "saveButton"), Qt::LeftButton);
        QCOMPARE(folder_->readBytes("result.txt"),
                 wmtest::cp932Lines(window->resultText().split('\n')));
    }

    // リストに追加 in 材料の内訳 takes its runs; the product window adds one run.
    void addedFromOtherWindows() {
        wm::MainWindow& main = startTool(1);
        wm::chooseEntry(child<QComboBox>(&main, "workList"), wmtest::kSwordSmithing);
        auto* products = child<QComboBox>(&main, "productList");
        wm::chooseEntry(products, products->findText("ミスリルの細剣"));
        child<QLineEdit>(&main, "runsBox")->setText("5");
        child<QAction>(&main, "materialTreeAction")->trigger();
        QTest::mouseClick(child<QPushButton>(tool_->existingMaterialTree(), "addToListButton"),
                          Qt::LeftButton);
        ProductionListWindow* window = tool_->existingProductionList();
        QVERIFY(window && window->isVisible());
        tool_->openProductWindow();
        wm::ProductWindow* productWindow = tool_->existingProductWindow();
        wm::chooseEntry(child<QComboBox>(productWindow, "workList"), wmtest::kSwordSmithing);
        auto* shown = child<QComboBox>(productWindow, "productList");
        wm::chooseEntry(shown, shown->findText("ミスリルの細剣"));
        QTest::mouseClick(child<QPushButton>(productWindow, "addToListButton"), Qt::LeftButton);
        auto* rows = child<QTableWidget>(window, "rowsTable");
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(cells(rows, 0), (QStringList{"ミスリルの細剣", "剣鍛冶", "5"}));
        QCOMPARE(cells(rows, 1), (QStringList{"ミスリルの細剣", "剣鍛冶", "1"}));
        // Both rows are one product: 6 swords, summed once.
        QVERIFY(totals(window).contains("ミスリルの細剣\t剣鍛冶\t6\t0\t6"));
    }
};

WM_TEST_MAIN(TestProductionListWindow)
#include "tst_productionlistwindow.moc"
