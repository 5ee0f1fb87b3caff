#include "materialtree.h"

#include <QHash>
#include <QtNumeric>
#include <array>
#include <unordered_map>

#include "numbers.h"
#include "production.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kUnknownWork = QStringLiteral("不明");
const QChar kNewline(QLatin1Char('\n'));

bool isGatheringSection(int section) {
    return section >= Section::FirstGathering && section <= Section::LastGathering;
}

constexpr int kNotFound = MaterialCatalog::kNotFound;
constexpr int kSlots = MaterialCatalog::kSlots;

int slotOf(int section, int row) {
    return MaterialCatalog::slotOf(section, row);
}

}  // namespace

MaterialCatalog::MaterialCatalog(const ProductTable& data) : data_(data) {
    index_.reserve(size_t(ProductTable::kSections) * kSearchedRows);
    visitSearchedProducts(data, [this](int s, int r) {
        index_.try_emplace(productName(data_.at(s, ProductColumn::Name, r)), slotOf(s, r));
        return false;
    });
}

int MaterialCatalog::find(const QString& name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? kNotFound : found->second;
}

const ProductFacts& MaterialCatalog::facts(int slot) {
    std::optional<ProductFacts>& cached = facts_[size_t(slot)];
    if (cached)
        return *cached;
    const int s = slot / (ProductTable::kRows + 1);
    const int r = slot % (ProductTable::kRows + 1);
    ProductFacts& f = cached.emplace();
    f.section = s;
    f.work = data_.sectionName(s);
    f.weight = intPart(data_.at(s, ProductColumn::Weight, r)).value_or(0);
    const ProductNumbers numbers = productNumbers(data_, s, r);
    f.runExp = numbers.stepExp.value_or(0) * numbers.steps.value_or(0);
    if (isGatheringSection(s)) {
        f.kind = MaterialKind::Gathered;
        f.places = data_.at(s, ProductColumn::Extra, r).split(QLatin1Char(','));
        return f;
    }
    for (const SetMaterialEntry& e :
         parseSetMaterials(data_.at(s, ProductColumn::SetMaterials, r))) {
        if (e.name.isEmpty())
            continue;
        f.materials.push_back({std::max<qint64>(e.count, 0), e.name, find(e.name)});
    }
    f.kind = f.materials.empty() ? MaterialKind::Unmade : MaterialKind::Made;
    return f;
}

namespace {

class TreeBuilder {
  public:
    explicit TreeBuilder(const ProductTable& data);
    MaterialTree build(int section, int row, qint64 runs);

  private:
    struct Pending {
        QString name;
        int slot;
        qint64 pieces;
        int depth;
    };

    const ProductFacts& facts(int slot) { return catalog_.facts(slot); }
    // Fills what the product tells about `pieces` of it; false on an overflow.
    bool describe(MaterialNode& node, const ProductFacts& product, qint64 pieces, bool cut) const;
    bool addTotals(MaterialTree& tree, const std::vector<int>& productSlots) const;

    const ProductTable& data_;
    MaterialCatalog catalog_;
};

TreeBuilder::TreeBuilder(const ProductTable& data) : data_(data), catalog_(data) {}

bool TreeBuilder::describe(MaterialNode& node, const ProductFacts& product, qint64 pieces,
                           bool cut) const {
    node.section = product.section;
    node.work = product.work;
    node.pieces = pieces;
    if (qMulOverflow(pieces, product.weight, &node.weight))
        return false;
    if (cut) {
        node.kind = MaterialKind::CycleCut;
        return true;
    }
    node.kind = product.kind;
    node.places = product.places;
    node.runs = pieces;
    return !qMulOverflow(node.runs, product.runExp, &node.exp);
}

MaterialTree TreeBuilder::build(int section, int row, qint64 runs) {
    MaterialTree tree;
    auto refuse = [](const QString& message) {
        MaterialTree refused;
        refused.error = message;
        return refused;
    };
    const QString planName = productName(data_.at(section, ProductColumn::Name, row));
    std::vector<Pending> stack{{planName, slotOf(section, row), runs, 0}};
    std::vector<int> path;  // products from the plan down to the node being placed
    std::vector<char> onPath(kSlots, 0);
    std::vector<int> productSlots;  // of each node, for the totals
    while (!stack.empty()) {
        const Pending next = std::move(stack.back());
        stack.pop_back();
        if (int(tree.nodes.size()) >= kMaxMaterialNodes)
            return refuse(materialTreeTooLargeMessage());
        while (int(path.size()) > next.depth) {
            onPath[size_t(path.back())] = 0;
            path.pop_back();
        }

        MaterialNode node;
        node.depth = next.depth;
        node.name = next.name;
        // The plan's name may be listed in another row too, or in none the lookups search.
        const bool cut = next.depth > 0 && (next.name == planName ||
                                            (next.slot != kNotFound && onPath[size_t(next.slot)]));
        if (next.slot == kNotFound) {
            node.kind = cut ? MaterialKind::CycleCut : MaterialKind::Unknown;
            node.work = kUnknownWork;
            node.pieces = next.pieces;
        } else {
            const ProductFacts& product = facts(next.slot);
            if (!describe(node, product, next.pieces, cut))
                return refuse(materialCountTooLargeMessage());
            if (node.kind == MaterialKind::Made) {
                // Pushed last to first, so the first material comes out first.
                for (auto m = product.materials.rbegin(); m != product.materials.rend(); ++m) {
                    qint64 pieces = 0;
                    if (qMulOverflow(node.runs, m->count, &pieces))
                        return refuse(materialCountTooLargeMessage());
                    stack.push_back({m->name, m->slot, pieces, next.depth + 1});
                }
                path.push_back(next.slot);
                onPath[size_t(next.slot)] = 1;
            }
        }
        productSlots.push_back(next.slot);
        tree.nodes.push_back(std::move(node));
    }
    if (!addTotals(tree, productSlots))
        return refuse(materialCountTooLargeMessage());
    return tree;
}

bool TreeBuilder::addTotals(MaterialTree& tree, const std::vector<int>& productSlots) const {
    // Leaves are the same material when they are the same product, or the same unknown name.
    std::vector<int> leafOfSlot(kSlots, kNotFound);
    QHash<QString, int> leafOfUnknown;
    std::array<int, ProductTable::kSections + 1> workOfSection;
    workOfSection.fill(kNotFound);
    for (size_t i = 0; i < tree.nodes.size(); ++i) {
        const MaterialNode& node = tree.nodes[i];
        if (node.kind != MaterialKind::Made) {
            if (productSlots[i] == kNotFound && !leafOfUnknown.contains(node.name))
                leafOfUnknown.insert(node.name, kNotFound);
            int& at = productSlots[i] != kNotFound ? leafOfSlot[size_t(productSlots[i])]
                                                   : leafOfUnknown[node.name];
            if (at == kNotFound) {
                at = int(tree.leaves.size());
                tree.leaves.push_back({node.name, node.work, 0, 0, {}});
            }
            LeafTotal& leaf = tree.leaves[size_t(at)];
            if (node.kind == MaterialKind::Gathered && leaf.places.isEmpty())
                leaf.places = node.places;
            if (qAddOverflow(leaf.pieces, node.pieces, &leaf.pieces) ||
                qAddOverflow(leaf.weight, node.weight, &leaf.weight) ||
                qAddOverflow(tree.leafWeight, node.weight, &tree.leafWeight))
                return false;
        }
        if (node.kind == MaterialKind::Unknown || node.kind == MaterialKind::CycleCut)
            continue;
        int& at = workOfSection[size_t(node.section)];
        if (at == kNotFound) {
            at = int(tree.works.size());
            tree.works.push_back({node.section, node.work, 0});
        }
        WorkExp& work = tree.works[size_t(at)];
        if (qAddOverflow(work.exp, node.exp, &work.exp))
            return false;
    }
    return true;
}

}  // namespace

QString materialCountTooLargeMessage() {
    return QStringLiteral("個数が大きすぎるため、材料の内訳を計算できません");
}

QString materialTreeTooLargeMessage() {
    return QStringLiteral("材料が多すぎるため、材料の内訳を表示できません");
}

MaterialTree buildMaterialTree(const ProductTable& data, int section, int row, qint64 runs) {
    if (data.at(section, ProductColumn::Name, row).isEmpty() || runs < 0) {
        MaterialTree refused;
        refused.error = QStringLiteral("生産品が選択されていません");
        return refused;
    }
    return TreeBuilder(data).build(section, row, runs);
}

std::vector<MaterialTree> buildMaterialTrees(const ProductTable& data, int section,
                                             const std::vector<std::pair<int, qint64>>& plans) {
    TreeBuilder builder(data);
    std::vector<MaterialTree> trees;
    trees.reserve(plans.size());
    for (const auto& [row, runs] : plans) {
        if (data.at(section, ProductColumn::Name, row).isEmpty() || runs < 0) {
            trees.push_back(buildMaterialTree(data, section, row, runs));
            continue;
        }
        trees.push_back(builder.build(section, row, runs));
    }
    return trees;
}

RunsInput readRunCount(const QString& text) {
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("生産回数を入力してください")};
    if (!isAllDigits(text))
        return {std::nullopt, QStringLiteral("生産回数は数字で入力してください")};
    bool ok = false;
    const qint64 runs = text.toLongLong(&ok);
    if (!ok)
        return {std::nullopt, materialCountTooLargeMessage()};
    return {runs, QString()};
}

QStringList materialTreeHeaders() {
    return {QStringLiteral("材料"),          QStringLiteral("作業"),   QStringLiteral("個数"),
            QStringLiteral("生産回数"),      QStringLiteral("経験値"), QStringLiteral("重量"),
            QStringLiteral("採取場所・備考")};
}

QString materialNote(MaterialKind kind, const QStringList& places) {
    if (kind == MaterialKind::Gathered)
        return places.join(QLatin1Char(','));
    if (kind == MaterialKind::CycleCut)
        return QStringLiteral("循環するためここで打ち切り");
    return QString();
}

QStringList materialNodeColumns(const MaterialNode& node) {
    const bool run = node.kind != MaterialKind::Unknown && node.kind != MaterialKind::CycleCut;
    return {node.name,
            node.work,
            numText(node.pieces),
            run ? numText(node.runs) : QString(),
            run ? numText(node.exp) : QString(),
            node.kind == MaterialKind::Unknown ? QString() : numText(node.weight),
            materialNote(node.kind, node.places)};
}

QString materialTotalsText(const MaterialTree& tree) {
    QStringList lines{tabLine({QStringLiteral("材料の合計"), QStringLiteral("作業"),
                               QStringLiteral("個数"), QStringLiteral("重量")})};
    for (const LeafTotal& leaf : tree.leaves)
        lines << tabLine({leaf.name, leaf.work, numText(leaf.pieces), numText(leaf.weight)});
    lines << tabLine({QStringLiteral("合計重量"), QString(), QString(), numText(tree.leafWeight)});
    lines << QString() << tabLine({QStringLiteral("作業ごとの経験値"), QStringLiteral("経験値")});
    for (const WorkExp& work : tree.works)
        lines << tabLine({work.work, numText(work.exp)});
    return lines.join(kNewline);
}

QString materialTreeText(const MaterialTree& tree) {
    QStringList lines{tabLine(materialTreeHeaders())};
    for (const MaterialNode& node : tree.nodes) {
        QStringList cells = materialNodeColumns(node);
        cells[0].prepend(QString(qsizetype(node.depth) * 2, QLatin1Char(' ')));
        lines << tabLine(cells);
    }
    return lines.join(kNewline) + kNewline + kNewline + materialTotalsText(tree);
}

}  // namespace wm
