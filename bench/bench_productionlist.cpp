#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

#include "deepestchain.h"
#include "productionlist.h"

using namespace wm;

// The totals of a list of the 20 deepest chains the largest data allows: the plan of the
// last row and the first 19 links of its chain, each a chain down to its end, with held
// pieces in the middle of the chain. The window recalculates on every key, so the totals
// must stay well inside a frame (16 ms).
class ProductionListBench : public QObject {
    Q_OBJECT
  private slots:
    void deepestChains() {
        const ProductTable data = wmbench::deepestChain();
        std::vector<ListRow> rows{
            {QStringLiteral("品32_%1").arg(ProductTable::kRows), 1000, QStringLiteral("作業32")}};
        for (int r = 1; rows.size() < 20; ++r)
            rows.push_back({QStringLiteral("品7_%1").arg(r), 1000, QStringLiteral("作業7")});
        const std::vector<HeldPieces> held{{QStringLiteral("品20_35"), 5000},
                                           {QStringLiteral("品3_10"), 700}};
        ListTotals totals;
        QBENCHMARK {
            totals = productionListTotals(data, rows, held);
        }
        QCOMPARE(totals.error, QString());
        // Every link of the chain once: 26 sections of 70 searched rows, and the plan.
        QCOMPARE(totals.made.size(), size_t(26 * wmbench::kChainRow + 1));

        std::vector<qint64> times;
        for (int i = 0; i < 15; ++i) {
            QElapsedTimer timer;
            timer.start();
            totals = productionListTotals(data, rows, held);
            times.push_back(timer.nsecsElapsed());
        }
        std::sort(times.begin(), times.end());
        const double medianMs = double(times[times.size() / 2]) / 1e6;
        qInfo("median of 15: %.2f ms", medianMs);
        QVERIFY2(medianMs < 16.0, qPrintable(QString::number(medianMs)));
    }
};

QTEST_GUILESS_MAIN(ProductionListBench)
#include "bench_productionlist.moc"
