#include <QTest>
#include <algorithm>

#include "deepestchain.h"
#include "materialtree.h"

using namespace wm;

using wmbench::kChainRow;

class MaterialTreeBench : public QObject {
    Q_OBJECT
  private slots:
    void deepestChain() {
        // Sections 7..32 each give 70 links.
        const int depth = 26 * kChainRow;
        const ProductTable data = wmbench::deepestChain();
        MaterialTree tree;
        QBENCHMARK {
            tree = buildMaterialTree(data, 32, ProductTable::kRows, 1000);
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
