#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

#include "cp932.h"
#include "testmain.h"
#include "toolwindowtest.h"
#include "trainingplanwindow.h"
#include "widgets.h"

using wm::Dialogs;
using wm::TrainingPlanWindow;

namespace {

template <typename T>
T* part(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

QStringList rows(const QTableWidget* table, int columns) {
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << table->item(r, c)->text();
        out << cells.join('\t');
    }
    return out;
}

// 剣鍛冶 from level 1 to 30 of the sample data: 486 experience to level 10 and 6116 to 20,
// 27541 in all. The biggest run usable each time: 練習用の木剣 (18) to level 10, 銅の短剣 (36)
// to 20, then 青銅のブロードソード (88).
const QStringList kFewestRuns{"1\t10\t練習用の木剣\t27\t486", "10\t20\t銅の短剣\t157\t5652",
                              "20\t30\t青銅のブロードソード\t244\t21472"};

}  // namespace

class TestTrainingPlanWindow : public wmtest::ToolWindowTest {
    Q_OBJECT

  private:
    TrainingPlanWindow* openFromMain(int size, const QString& start, const QString& target) {
        wm::MainWindow& main = startTool(size);
        part<QLineEdit>(&main, "startLevelBox")->setText(start);
        part<QLineEdit>(&main, "targetLevelBox")->setText(target);
        wm::chooseEntry(part<QComboBox>(&main, "workList"), wmtest::kSwordSmithing);
        part<QAction>(&main, "trainingPlanAction")->trigger();
        return tool_->existingTrainingPlan();
    }
    static QTableWidget* stages(QWidget* w) { return part<QTableWidget>(w, "stageTable"); }

  private slots:
    void init() { makeFolder(); }
    void cleanup() {
        dropTool();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    void fromTheMainWindow_data() { wmtest::bothWindowSizes("size"); }
    void fromTheMainWindow() {
        QFETCH(int, size);
        TrainingPlanWindow* window = openFromMain(size, "1", "30");
        QVERIFY(window && window->isVisible());
        const QList<QAction*> view =
            part<QMenu>(tool_->existingMainWindow(size), "viewMenu")->actions();
        const qsizetype at =
            view.indexOf(part<QAction>(tool_->existingMainWindow(size), "trainingPlanAction"));
        QCOMPARE(view.at(at - 1)->text(), QStringLiteral("材料の内訳"));
        QCOMPARE(view.at(at)->text(), QStringLiteral("育成計画"));
        QCOMPARE(window->windowTitle(), QStringLiteral("育成計画"));
        QCOMPARE(part<QComboBox>(window, "workList")->currentText(), QStringLiteral("剣鍛冶"));
        QCOMPARE(part<QTableWidget>(window, "productTable")->rowCount(), 9);
        QCOMPARE(rows(stages(window), 5), kFewestRuns);
        QCOMPARE(part<QLabel>(window, "messageLabel")->text(),
                 QStringLiteral("Lv.001～Lv.030までの必要経験値 27541 EXP"));
    }

    void keyboardChangesThePlan() {
        TrainingPlanWindow* window = openFromMain(1, "1", "30");
        QVERIFY(window);
        // 工程最少: one run more of 銅の短剣 lets a run of 青銅のブロードソード go, 1527 steps.
        auto* objective = part<QComboBox>(window, "objectiveList");
        objective->setFocus();
        QTest::keyClick(objective, Qt::Key_Down);
        QCOMPARE(objective->currentText(), QStringLiteral("工程最少"));
        QCOMPARE(stages(window)->item(1, 3)->text(), QStringLiteral("158"));
        QVERIFY(part<QPlainTextEdit>(window, "totalsBox")
                    ->toPlainText()
                    .startsWith(QStringLiteral("合計回数\t428\n合計工程\t1527\n")));
        // 並べ替え on 必要Lv twice: the highest level first; Space leaves it out.
        auto* sort = part<QComboBox>(window, "sortList");
        wm::chooseEntry(sort, 2);
        emit sort->activated(2);  // the same entry chosen again from its list
        auto* products = part<QTableWidget>(window, "productTable");
        QCOMPARE(products->item(0, 1)->text(), QStringLiteral("魔鋼のクレイモア"));
        QCOMPARE(products->item(8, 1)->text(), QStringLiteral("練習用の木剣"));
        products->setFocus();
        products->setCurrentCell(8, 0);
        QTest::keyClick(products, Qt::Key_Space);
        QCOMPARE(products->item(8, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(
            part<QLabel>(window, "messageLabel")->text(),
            QStringLiteral("Lv.1 で作れる生産品がありません。最初に作れる生産品は Lv.10 からです"));
        QCOMPARE(stages(window)->rowCount(), 0);
        // A level the calculation page refuses: its message.
        part<QLineEdit>(window, "startLevelBox")->clear();
        QCOMPARE(part<QLabel>(window, "messageLabel")->text(),
                 QStringLiteral("初期レベルが正しく入力されていません"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(part<QLineEdit>(window, "startLevelBox"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void copyAndSave() {
        TrainingPlanWindow* window = openFromMain(2, "1", "30");
        QVERIFY(window);
        QTest::mouseClick(part<QPushButton>(window, "copyPlanButton"), Qt::LeftButton);
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.at(0), QStringLiteral("育成計画\t剣鍛冶\tLv.001～Lv.030\t回数最少"));
        QCOMPARE(copied.mid(2, 3), kFewestRuns);
        QTest::mouseClick(part<QPushButton>(window, "copyProductsButton"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text().section('\n', 1, 1),
                 QStringLiteral("○\t練習用の木剣\t1\t18\t3\t10\t1531\t"));
        // Text作成: write, no name typed, the default result file.
        const QString expected = window->planResultText();
        dialogs_.expectMessage(Dialogs::Answer::Yes);
        dialogs_.expectMessage(Dialogs::Answer::No);
        dialogs_.expectMessage(Dialogs::Answer::Ok);
        QTest::mouseClick(part<QPushButton>(window, "saveButton"), Qt::LeftButton);
        QByteArray bytes;
        QVERIFY(wm::encodeCp932(QString(expected).replace('\n', "\r\n") + "\r\n", &bytes));
        QCOMPARE(folder_->readBytes("result.txt"), bytes);
    }
};

WM_TEST_MAIN(TestTrainingPlanWindow)
#include "tst_trainingplanwindow.moc"
