#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <unordered_map>
#include <vector>

#include "tables.h"

namespace wm {

// What a node of the material tree stands for.
enum class MaterialKind {
    Made,      // a product with materials of its own: its materials follow as children
    Gathered,  // a product of a gathering work (sections 1..6)
    Unmade,    // a product whose line lists no materials
    Unknown,   // no searched section lists the name
    CycleCut,  // the name is already on the path from the plan: not followed again
};

// One material at one place of the tree. Nodes are kept in pre-order with their depth, the
// plan's own product first at depth 0.
struct MaterialNode {
    int depth = 0;
    QString name;
    MaterialKind kind = MaterialKind::Unknown;
    int section = 0;  // where the material is listed; 0 when unknown
    QString work;     // the section's name, "不明" when unknown
    qint64 pieces = 0;
    // Runs of the material's own work (one run makes one piece) and their experience; 0 for
    // unknown materials and cut nodes, which nobody runs.
    qint64 runs = 0;
    qint64 exp = 0;
    qint64 weight = 0;   // of all the pieces
    QStringList places;  // gathering places, for gathered materials
};

// Pieces of one leaf material over the whole tree.
struct LeafTotal {
    QString name;
    QString work;
    qint64 pieces = 0;
    qint64 weight = 0;
    QStringList places;  // gathering places, for a gathered material
};

// Experience one work gains from all its runs in the plan.
struct WorkExp {
    int section = 0;
    QString work;
    qint64 exp = 0;
};

struct MaterialTree {
    // Not empty when the plan was refused; nothing else is filled then.
    QString error;
    std::vector<MaterialNode> nodes;
    std::vector<LeafTotal> leaves;  // in the order they first appear
    qint64 leafWeight = 0;
    std::vector<WorkExp> works;  // each work once, in the order it first appears
};

// What the material rules read of one product, once however often it is reached.
struct ProductFacts {
    int section = 0;
    QString work;
    MaterialKind kind = MaterialKind::Unmade;
    qint64 weight = 0;  // of one piece
    qint64 runExp = 0;  // the step experience times the steps, as the product window counts
    QStringList places;
    struct Material {
        qint64 count;
        QString name;
        int slot;  // where the name is found, kNotFound when nowhere
    };
    std::vector<Material> materials;
};

// Finds materials by name as every other lookup finds them and reads each product's facts
// once: the material tree and the production list both stand on it.
class MaterialCatalog {
  public:
    static constexpr int kNotFound = -1;
    // A product's place in the table as one number, for flat per-product arrays.
    static constexpr int slotOf(int section, int row) {
        return section * (ProductTable::kRows + 1) + row;
    }
    static constexpr int kSlots = (ProductTable::kSections + 1) * (ProductTable::kRows + 1);

    explicit MaterialCatalog(const ProductTable& data);
    // The slot of the first product a lookup by name finds; kNotFound when none.
    int find(const QString& name) const;
    const ProductFacts& facts(int slot);

  private:
    const ProductTable& data_;
    // Every searched name with its first position, the product productField would read.
    std::unordered_map<QString, int> index_;
    std::vector<std::optional<ProductFacts>> facts_ =
        std::vector<std::optional<ProductFacts>>(kSlots);
};

// Messages of a refused plan.
QString materialCountTooLargeMessage();
QString materialTreeTooLargeMessage();
// The most nodes a tree may have; a plan with more is refused rather than shown.
inline constexpr int kMaxMaterialNodes = 20000;

// The material tree of `runs` runs of the product in row `row` of `section`: every material
// at every stage down to gathered or unmade ones. Materials are found by name as every other
// lookup finds them. Counts use checked 64-bit arithmetic; a count beyond it refuses the plan.
MaterialTree buildMaterialTree(const ProductTable& data, int section, int row, qint64 runs);

// The trees of several plans of one section (row and runs each), sharing the lookups that
// every tree would otherwise build again.
std::vector<MaterialTree> buildMaterialTrees(const ProductTable& data, int section,
                                             const std::vector<std::pair<int, qint64>>& plans);

// The runs a text asks for, or the message that tells why it cannot be used.
struct RunsInput {
    std::optional<qint64> runs;
    QString error;
};
RunsInput readRunCount(const QString& text);

// Tab-separated text of the tree and its totals, one line per node with its depth as
// indentation of the name, lines ended by "\n": for the clipboard and result files.
QString materialTreeText(const MaterialTree& tree);
// The texts of a node's columns as the tree shows them: name, work, pieces, runs,
// experience, weight, note.
QStringList materialNodeColumns(const MaterialNode& node);
// The note column of a material: a gathered one's places, or why a cut one stops there.
QString materialNote(MaterialKind kind, const QStringList& places);
QStringList materialTreeHeaders();
// The totals part of materialTreeText.
QString materialTotalsText(const MaterialTree& tree);

}  // namespace wm
