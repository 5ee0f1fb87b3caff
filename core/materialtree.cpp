#include "materialtree.h"

#include <QHash>
#include <QSet>
#include <QtNumeric>

#include "numbers.h"
#include "production.h"

namespace wm {

namespace {

const QString kUnknownWork = QStringLiteral("不明");
const QChar kTab(QLatin1Char('\t'));
const QChar kNewline(QLatin1Char('\n'));

struct Position {
    int section = 0;
    int row = 0;
};

// Every searched name with its first position, so each lookup of a deep tree costs one hash
// probe instead of a scan of the whole table; built by the same walk as GetProField.
QHash<QString, Position> indexByName(const MakeData& data, Section29 section29) {
    QHash<QString, Position> index;
    index.reserve(MakeData::kSections * kSearchedRows);
    visitSearchedProducts(data, section29, [&](int s, int r) {
        const QString name = productName(data.at(s, 1, r));
        if (!index.contains(name))
            index.insert(name, Position{s, r});
        return false;
    });
    return index;
}

bool isGatheringSection(int section) {
    return section >= 1 && section <= 6;
}

std::vector<SetMaterialEntry> namedMaterials(const MakeData& data, Position at) {
    std::vector<SetMaterialEntry> entries = parseSetMaterials(data.at(at.section, 4, at.row));
    std::erase_if(entries, [](const SetMaterialEntry& e) { return e.name.isEmpty(); });
    for (SetMaterialEntry& e : entries)
        e.count = std::max<qint64>(e.count, 0);
    return entries;
}

// Experience of one run: the step experience times the steps, as the product window counts.
qint64 runExp(const MakeData& data, Position at) {
    const QString field = data.at(at.section, 2, at.row);
    return intPart(field.left(3)).value_or(0) * intPart(field.right(2)).value_or(0);
}

class TreeBuilder {
  public:
    TreeBuilder(const MakeData& data, Section29 section29)
        : data_(data), index_(indexByName(data, section29)) {}

    MaterialTree build(Position plan, qint64 runs);

  private:
    struct Pending {
        QString name;
        qint64 pieces;
        int depth;
    };

    // Fills what the product at `at` tells about `pieces` of it; false on an overflow.
    bool describe(MaterialNode& node, Position at, qint64 pieces, bool cut) const;
    bool expand(const MaterialNode& node, Position at, std::vector<Pending>& stack) const;
    bool addTotals(MaterialTree& tree) const;

    const MakeData& data_;
    QHash<QString, Position> index_;
};

bool TreeBuilder::describe(MaterialNode& node, Position at, qint64 pieces, bool cut) const {
    node.section = at.section;
    node.work = data_.sectionName(at.section);
    node.pieces = pieces;
    if (qMulOverflow(pieces, intPart(data_.at(at.section, 3, at.row)).value_or(0), &node.weight))
        return false;
    if (cut) {
        node.kind = MaterialKind::CycleCut;
        return true;
    }
    if (isGatheringSection(at.section)) {
        node.kind = MaterialKind::Gathered;
        node.places = data_.at(at.section, 5, at.row).split(QLatin1Char(','));
    } else {
        node.kind = namedMaterials(data_, at).empty() ? MaterialKind::Unmade : MaterialKind::Made;
    }
    node.runs = pieces;
    return !qMulOverflow(node.runs, runExp(data_, at), &node.exp);
}

bool TreeBuilder::expand(const MaterialNode& node, Position at, std::vector<Pending>& stack) const {
    const std::vector<SetMaterialEntry> entries = namedMaterials(data_, at);
    // Pushed last to first, so the first material comes out first.
    for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
        qint64 pieces = 0;
        if (qMulOverflow(node.runs, e->count, &pieces))
            return false;
        stack.push_back({e->name, pieces, node.depth + 1});
    }
    return true;
}

MaterialTree TreeBuilder::build(Position plan, qint64 runs) {
    MaterialTree tree;
    auto refuse = [&tree](const QString& message) {
        MaterialTree refused;
        refused.error = message;
        return refused;
    };

    std::vector<Pending> stack{{productName(data_.at(plan.section, 1, plan.row)), runs, 0}};
    std::vector<QString> path;  // names from the plan down to the node being placed
    QSet<QString> onPath;
    bool first = true;
    while (!stack.empty()) {
        const Pending next = std::move(stack.back());
        stack.pop_back();
        if (int(tree.nodes.size()) >= kMaxMaterialNodes)
            return refuse(materialTreeTooLargeMessage());
        while (int(path.size()) > next.depth) {
            onPath.remove(path.back());
            path.pop_back();
        }

        MaterialNode node;
        node.depth = next.depth;
        node.name = next.name;
        const bool cut = onPath.contains(next.name);
        std::optional<Position> at;
        if (first)
            at = plan;  // the plan names its row; its name may be listed elsewhere too
        else if (const auto found = index_.constFind(next.name); found != index_.cend())
            at = *found;
        first = false;

        if (!at) {
            node.kind = cut ? MaterialKind::CycleCut : MaterialKind::Unknown;
            node.work = kUnknownWork;
            node.pieces = next.pieces;
        } else if (!describe(node, *at, next.pieces, cut) ||
                   (node.kind == MaterialKind::Made && !expand(node, *at, stack))) {
            return refuse(materialCountTooLargeMessage());
        }
        if (node.kind == MaterialKind::Made) {
            path.push_back(node.name);
            onPath.insert(node.name);
        }
        tree.nodes.push_back(std::move(node));
    }
    if (!addTotals(tree))
        return refuse(materialCountTooLargeMessage());
    return tree;
}

bool TreeBuilder::addTotals(MaterialTree& tree) const {
    QHash<QString, size_t> leafAt;
    QHash<int, size_t> workAt;
    for (const MaterialNode& node : tree.nodes) {
        if (node.kind != MaterialKind::Made) {
            if (!leafAt.contains(node.name)) {
                leafAt.insert(node.name, tree.leaves.size());
                tree.leaves.push_back({node.name, node.work, 0, 0});
            }
            LeafTotal& leaf = tree.leaves[leafAt.value(node.name)];
            if (qAddOverflow(leaf.pieces, node.pieces, &leaf.pieces) ||
                qAddOverflow(leaf.weight, node.weight, &leaf.weight) ||
                qAddOverflow(tree.leafWeight, node.weight, &tree.leafWeight))
                return false;
        }
        if (node.kind == MaterialKind::Unknown || node.kind == MaterialKind::CycleCut)
            continue;
        if (!workAt.contains(node.section)) {
            workAt.insert(node.section, tree.works.size());
            tree.works.push_back({node.section, node.work, 0});
        }
        WorkExp& work = tree.works[workAt.value(node.section)];
        if (qAddOverflow(work.exp, node.exp, &work.exp))
            return false;
    }
    return true;
}

QString joinLine(const QStringList& cells) {
    return cells.join(kTab);
}

}  // namespace

QString materialCountTooLargeMessage() {
    return QStringLiteral("個数が大きすぎるため、材料の内訳を計算できません");
}

QString materialTreeTooLargeMessage() {
    return QStringLiteral("材料が多すぎるため、材料の内訳を表示できません");
}

MaterialTree buildMaterialTree(const MakeData& data, int section, int row, qint64 runs,
                               Section29 section29) {
    if (data.at(section, 1, row).isEmpty() || runs < 0) {
        MaterialTree refused;
        refused.error = QStringLiteral("生産品が選択されていません");
        return refused;
    }
    return TreeBuilder(data, section29).build({section, row}, runs);
}

RunsInput readRunCount(const QString& text) {
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("生産回数を入力してください")};
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return {std::nullopt, QStringLiteral("生産回数は数字で入力してください")};
    }
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

QStringList materialNodeColumns(const MaterialNode& node) {
    const bool run = node.kind != MaterialKind::Unknown && node.kind != MaterialKind::CycleCut;
    QString note;
    if (node.kind == MaterialKind::Gathered)
        note = node.places.join(QLatin1Char(','));
    else if (node.kind == MaterialKind::CycleCut)
        note = QStringLiteral("循環するためここで打ち切り");
    return {node.name,
            node.work,
            numText(node.pieces),
            run ? numText(node.runs) : QString(),
            run ? numText(node.exp) : QString(),
            node.kind == MaterialKind::Unknown ? QString() : numText(node.weight),
            note};
}

QString materialTotalsText(const MaterialTree& tree) {
    QStringList lines{joinLine({QStringLiteral("材料の合計"), QStringLiteral("作業"),
                                QStringLiteral("個数"), QStringLiteral("重量")})};
    for (const LeafTotal& leaf : tree.leaves)
        lines << joinLine({leaf.name, leaf.work, numText(leaf.pieces), numText(leaf.weight)});
    lines << joinLine({QStringLiteral("合計重量"), QString(), QString(), numText(tree.leafWeight)});
    lines << QString() << joinLine({QStringLiteral("作業ごとの経験値"), QStringLiteral("経験値")});
    for (const WorkExp& work : tree.works)
        lines << joinLine({work.work, numText(work.exp)});
    return lines.join(kNewline);
}

QString materialTreeText(const MaterialTree& tree) {
    QStringList lines{joinLine(materialTreeHeaders())};
    for (const MaterialNode& node : tree.nodes) {
        QStringList cells = materialNodeColumns(node);
        cells[0].prepend(QString(node.depth * 2, QLatin1Char(' ')));
        lines << joinLine(cells);
    }
    return lines.join(kNewline) + kNewline + kNewline + materialTotalsText(tree);
}

}  // namespace wm
