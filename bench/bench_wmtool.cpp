// Timings of the calculator on the largest data it accepts: the startup loaders, the first
// main window, the level list, a product choice and the character history.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "characterhistory.h"
#include "gamedata.h"
#include "largestdata.h"
#include "options.h"
#include "textrules.h"
#include "wmtool.h"

namespace {

// Answers every box with its first button and counts them: a benchmark that meets a box
// measures the wrong thing.
class CountingDialogs : public wm::Dialogs {
  public:
    int boxes = 0;
    QString last;
    Answer messageBox(const QString& text, const QString&, Buttons buttons, Icon) override {
        ++boxes;
        last = text;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString& prompt, const QString&, const QString& defaultText) override {
        ++boxes;
        last = prompt;
        return defaultText;
    }
};

}  // namespace

class BenchWmTool : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init() {
        dialogs_.boxes = 0;
        dialogs_.last.clear();
    }
    void cleanup() { QVERIFY2(dialogs_.boxes == 0, qPrintable(dialogs_.last)); }

    void startupLoaders();
    void firstWindow_data() { windowSizes(); }
    void firstWindow();
    void levelList_data() { windowSizes(); }
    void levelList();
    void productChoice_data() { windowSizes(); }
    void productChoice();
    void characterHistory();
    void characterHistoryWindow();

  private:
    static void windowSizes();
    void loadAll(wm::AppData& d);
    // The main window of a size on the loaded data, once it is on screen; null if it never is.
    wm::MainWindow* showOnLoadedData(wm::WmTool& tool, int code);

    QTemporaryDir dir_;
    CountingDialogs dialogs_;
    wm::AppData loaded_;
};

wm::MainWindow* BenchWmTool::showOnLoadedData(wm::WmTool& tool, int code) {
    tool.data() = loaded_;
    tool.showMain(code);
    wm::MainWindow& window = tool.mainWindow(code);
    return QTest::qWaitForWindowExposed(&window) ? &window : nullptr;
}

void BenchWmTool::windowSizes() {
    QTest::addColumn<int>("code");
    QTest::newRow("small") << 1;
    QTest::newRow("large") << 2;
}

void BenchWmTool::initTestCase() {
    QVERIFY(dir_.isValid());
    QString error;
    QVERIFY2(wmbench::writeLargestData(dir_.path(), 11, &error), qPrintable(error));
    loadAll(loaded_);
    QCOMPARE(loaded_.products.at(32, wm::ProductColumn::Name, 80).isEmpty(), false);
    QCOMPARE(loaded_.jobs.at(24, wm::JobColumn::Name).isEmpty(), false);
    QCOMPARE(loaded_.guilds.at(31, 2, 1).isEmpty(), false);
    QVERIFY(loaded_.expTable.at(300).isValid());
}

void BenchWmTool::loadAll(wm::AppData& d) {
    d.programFolder = wm::programFolderFrom(dir_.path());
    QVERIFY(wm::readFileList(d, dialogs_));
    wm::loadExpTable(d);
    wm::loadProducts(d, dialogs_);
    wm::loadJobs(d, dialogs_);
    wm::loadGuilds(d, dialogs_);
    QVERIFY(wm::readOptionValues(d).has_value());
}

void BenchWmTool::startupLoaders() {
    QBENCHMARK {
        wm::AppData d;
        loadAll(d);
    }
}

// What the program does once its data is read: the options file shows the window.
void BenchWmTool::firstWindow() {
    QFETCH(int, code);
    QString error;
    QVERIFY(wmbench::writeLargestData(dir_.path(), code * 10 + code, &error));
    QBENCHMARK {
        wm::WmTool tool(dialogs_);
        tool.data() = loaded_;
        wm::loadOptions(tool.data(), tool);
        QVERIFY(QTest::qWaitForWindowExposed(&tool.mainWindow(code)));
    }
}

// 計算開始 from level 1 to 299 into an empty result list.
void BenchWmTool::levelList() {
    QFETCH(int, code);
    wm::WmTool tool(dialogs_);
    wm::MainWindow* window = showOnLoadedData(tool, code);
    QVERIFY(window);
    auto* results = window->findChild<QPlainTextEdit*>(QStringLiteral("resultBox"));
    auto* startLevel = window->findChild<QLineEdit*>(QStringLiteral("startLevelBox"));
    auto* targetLevel = window->findChild<QLineEdit*>(QStringLiteral("targetLevelBox"));
    auto* calculate = window->findChild<QPushButton*>(QStringLiteral("calculateButton"));
    QVERIFY(results && startLevel && targetLevel && calculate);
    QBENCHMARK {
        results->clear();
        startLevel->setText(QStringLiteral("1"));
        targetLevel->setText(QStringLiteral("299"));
        calculate->click();
    }
    QVERIFY(results->toPlainText().contains(QStringLiteral("299")));
}

// A work and then its last product, as the user chooses them from the two lists.
void BenchWmTool::productChoice() {
    QFETCH(int, code);
    wm::WmTool tool(dialogs_);
    wm::MainWindow* window = showOnLoadedData(tool, code);
    QVERIFY(window);
    auto* works = window->findChild<QComboBox*>(QStringLiteral("workList"));
    auto* products = window->findChild<QComboBox*>(QStringLiteral("productList"));
    auto* level = window->findChild<QLineEdit*>(QStringLiteral("productLevelBox"));
    QVERIFY(works && products && level);
    int work = 0;
    QBENCHMARK {
        work = (work + 7) % works->count();
        works->setCurrentIndex(work);
        emit works->activated(work);
        products->setCurrentIndex(79);
        emit products->activated(79);
    }
    QVERIFY(!level->text().isEmpty());
}

void BenchWmTool::characterHistory() {
    wm::AppData d = loaded_;
    QBENCHMARK {
        wm::loadHistory(d);
    }
    QCOMPARE(d.history.slotCount(), wmbench::kHistoryCharacters);
    QCOMPARE(d.history.recordCount(wmbench::kHistoryCharacters), wmbench::kHistorySaves);
    QCOMPARE(
        d.history.at(wmbench::kHistoryCharacters, wm::HistoryField::Name, wmbench::kHistorySaves),
        QStringLiteral("キャラ10"));
}

// PC表示: the history read again and shown in the character data window.
void BenchWmTool::characterHistoryWindow() {
    wm::WmTool tool(dialogs_);
    tool.data() = loaded_;
    tool.showMain(1);
    QBENCHMARK {
        tool.showCharacterData();
    }
    QVERIFY(tool.existingCharacterHistoryWindow() &&
            tool.existingCharacterHistoryWindow()->isVisible());
}

QTEST_MAIN(BenchWmTool)
#include "bench_wmtool.moc"
