#include <QTest>
#include <algorithm>

#include "deepestchain.h"
#include "materialtree.h"

using namespace wm;

using wmbench::kChainRow;

class MaterialTreeBench : public QObject {
    Q_OBJECT
  private slots:
    void deepestChain_data() {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<int>("depth");
        QTest::newRow("wmtool") << false << 25 * kChainRow;
        QTest::newRow("wmview") << true << 26 * kChainRow;
    }
    void deepestChain() {
        QFETCH(bool, viewer);
        QFETCH(int, depth);
        const NecklaceSection necklaceSection =
            viewer ? NecklaceSection::Search : NecklaceSection::Skip;
        const ProductTable data = wmbench::deepestChain(necklaceSection);
        MaterialTree tree;
        QBENCHMARK {
            tree = buildMaterialTree(data, 32, ProductTable::kRows, 1000, necklaceSection);
        }
        QCOMPARE(tree.error, QString());
        const int deepest = std::max_element(tree.nodes.begin(), tree.nodes.end(),
                                             [](const MaterialNode& a, const MaterialNode& b) {
                                                 return a.depth < b.depth;
                                             })
                                ->depth;
        // Every link below the plan, and the gathered materials of the last one.
        QCOMPARE(deepest, depth + 1);
        QCOMPARE(tree.nodes.size(), size_t(1 + depth + 2 * (depth + 1)));
    }
};

QTEST_GUILESS_MAIN(MaterialTreeBench)
#include "bench_materialtree.moc"
