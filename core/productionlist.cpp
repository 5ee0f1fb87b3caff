#include "productionlist.h"

#include <QHash>
#include <QtNumeric>
#include <algorithm>
#include <array>

#include "numbers.h"
#include "production.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kUnknownWork = QStringLiteral("不明");
constexpr int kNotFound = MaterialCatalog::kNotFound;

// One product or unknown name of the list, reached once however many rows need it.
struct Node {
    int slot = kNotFound;
    QString name;
    const ProductFacts* facts = nullptr;  // null for a name the data does not know
    struct Edge {
        int to;
        qint64 count;
        bool cut;  // leads back to a product it is made for: listed, not followed
    };
    std::vector<Edge> edges;
    int nameId = 0;    // nodes of the same name share it
    int order = 0;     // when the list first reaches it
    int cutOrder = 0;  // when a cut first reaches it
    bool made() const { return facts && facts->kind == MaterialKind::Made; }
};

// Pieces of one pass over the graph.
struct Pass {
    std::vector<qint64> need;     // per node, through followed materials
    std::vector<qint64> cutNeed;  // per node, through cut ones
    std::vector<qint64> held;     // held pieces used
    std::vector<qint64> cutHeld;
};

class ListBuilder {
  public:
    explicit ListBuilder(const ProductTable& data)
        : data_(data), catalog_(data), nodeOfSlot_(MaterialCatalog::kSlots, -1) {
        nameIds_.reserve(MaterialCatalog::kSlots);
    }
    ListTotals build(const std::vector<ListRow>& rows, const std::vector<HeldPieces>& held);

  private:
    int rowSlot(const ListRow& row) const;
    int nodeFor(int slot, const QString& name);
    void reach(int root);
    // held: pieces by name id, used up as the pass goes.
    bool runPass(const std::vector<ListRow>& rows, std::vector<qint64> held, Pass& pass) const;
    bool addTotals(ListTotals& totals, const Pass& full, const Pass& left) const;

    const ProductTable& data_;
    MaterialCatalog catalog_;
    std::vector<Node> nodes_;
    std::vector<int> nodeOfSlot_;
    QHash<QString, int> nodeOfName_;
    QHash<QString, int> nameIds_;
    std::vector<int> rowNodes_;
    std::vector<int> topological_;  // every product before its materials
    int counter_ = 0;
};

// The work named in the row first, then the name as a material is found.
int ListBuilder::rowSlot(const ListRow& row) const {
    if (!row.work.isEmpty()) {
        for (int s = 1; s <= ProductTable::kSections; ++s) {
            if (data_.sectionName(s) != row.work)
                continue;
            for (int r = 1; r <= ProductTable::kRows; ++r) {
                const QString first = data_.at(s, ProductColumn::Name, r);
                if (first.isEmpty())
                    break;
                if (productName(first) == row.product)
                    return MaterialCatalog::slotOf(s, r);
            }
        }
    }
    return catalog_.find(row.product);
}

int ListBuilder::nodeFor(int slot, const QString& name) {
    if (slot == kNotFound && !nodeOfName_.contains(name))
        nodeOfName_.insert(name, -1);
    int& at = slot != kNotFound ? nodeOfSlot_[size_t(slot)] : nodeOfName_[name];
    if (at < 0) {
        at = int(nodes_.size());
        Node node;
        node.slot = slot;
        node.name = name;
        node.facts = slot != kNotFound ? &catalog_.facts(slot) : nullptr;
        auto id = nameIds_.constFind(name);
        if (id == nameIds_.constEnd())
            id = nameIds_.insert(name, int(nameIds_.size()));
        node.nameId = *id;
        nodes_.push_back(std::move(node));
    }
    return at;
}

// Depth first from a row's product, as the tree walks it: materials in their order, a
// material already on the way down cut.
void ListBuilder::reach(int root) {
    std::vector<int> namesOnPath;  // by name id
    struct Frame {
        int node;
        size_t next;
    };
    std::vector<Frame> stack;
    std::vector<int> finished;
    auto enter = [&](int n) {
        nodes_[size_t(n)].order = ++counter_;
        const auto onPath = [&namesOnPath](int nameId) -> int& {
            if (size_t(nameId) >= namesOnPath.size())
                namesOnPath.resize(size_t(nameId) + 1, 0);
            return namesOnPath[size_t(nameId)];
        };
        ++onPath(nodes_[size_t(n)].nameId);
        // nodeFor may move the nodes: only the facts, kept by the catalog, are held on to.
        const ProductFacts* facts = nodes_[size_t(n)].made() ? nodes_[size_t(n)].facts : nullptr;
        static const std::vector<ProductFacts::Material> kNone;
        for (const ProductFacts::Material& m : facts ? facts->materials : kNone) {
            const int to = nodeFor(m.slot, m.name);
            // By name, as the tree cuts a plan listed in a row no lookup finds.
            const bool cut = onPath(nodes_[size_t(to)].nameId) > 0;
            if (cut && nodes_[size_t(to)].cutOrder == 0)
                nodes_[size_t(to)].cutOrder = ++counter_;
            nodes_[size_t(n)].edges.push_back({to, m.count, cut});
        }
        stack.push_back({n, 0});
    };
    enter(root);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const Node& node = nodes_[size_t(frame.node)];
        if (frame.next < node.edges.size()) {
            const Node::Edge edge = node.edges[frame.next++];
            if (!edge.cut && nodes_[size_t(edge.to)].order == 0)
                enter(edge.to);
            continue;
        }
        --namesOnPath[size_t(node.nameId)];
        finished.push_back(frame.node);
        stack.pop_back();
    }
    // Later rows reach only what earlier ones did not: their products come first.
    topological_.insert(topological_.begin(), finished.rbegin(), finished.rend());
}

bool ListBuilder::runPass(const std::vector<ListRow>& rows, std::vector<qint64> held,
                          Pass& pass) const {
    const size_t n = nodes_.size();
    pass.need.assign(n, 0);
    pass.cutNeed.assign(n, 0);
    pass.held.assign(n, 0);
    pass.cutHeld.assign(n, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        qint64& need = pass.need[size_t(rowNodes_[i])];
        if (qAddOverflow(need, rows[i].runs, &need))
            return false;
    }
    auto use = [&held](const Node& node, qint64 need) {
        qint64& left = held[size_t(node.nameId)];
        const qint64 used = std::min(left, need);
        left -= used;
        return used;
    };
    for (int i : topological_) {
        const Node& node = nodes_[size_t(i)];
        pass.held[size_t(i)] = use(node, pass.need[size_t(i)]);
        if (!node.made())
            continue;
        const qint64 runs = pass.need[size_t(i)] - pass.held[size_t(i)];
        for (const Node::Edge& edge : node.edges) {
            qint64 pieces = 0;
            qint64& into = edge.cut ? pass.cutNeed[size_t(edge.to)] : pass.need[size_t(edge.to)];
            if (qMulOverflow(runs, edge.count, &pieces) || qAddOverflow(into, pieces, &into))
                return false;
        }
    }
    for (size_t i = 0; i < n; ++i)
        pass.cutHeld[i] = use(nodes_[i], pass.cutNeed[i]);
    return true;
}

bool ListBuilder::addTotals(ListTotals& totals, const Pass& full, const Pass& left) const {
    struct Entry {
        int order;
        int node;
        bool cut;
    };
    std::vector<Entry> entries;
    for (size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i].order > 0)
            entries.push_back({nodes_[i].order, int(i), false});
        if (nodes_[i].cutOrder > 0)
            entries.push_back({nodes_[i].cutOrder, int(i), true});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.order < b.order; });
    std::array<int, ProductTable::kSections + 1> workOfSection;
    workOfSection.fill(kNotFound);
    auto addExp = [&](const ProductFacts& facts, qint64 runs) {
        int& at = workOfSection[size_t(facts.section)];
        if (at == kNotFound) {
            at = int(totals.works.size());
            totals.works.push_back({facts.section, facts.work, 0});
        }
        qint64 exp = 0;
        qint64& sum = totals.works[size_t(at)].exp;
        return !qMulOverflow(runs, facts.runExp, &exp) && !qAddOverflow(sum, exp, &sum);
    };
    for (const Entry& e : entries) {
        const Node& node = nodes_[size_t(e.node)];
        const size_t i = size_t(e.node);
        const qint64 needed = e.cut ? full.cutNeed[i] : full.need[i];
        const qint64 held = e.cut ? left.cutHeld[i] : left.held[i];
        const qint64 still = (e.cut ? left.cutNeed[i] : left.need[i]) - held;
        if (!e.cut && node.made()) {
            totals.made.push_back({node.name, node.facts->work, needed, held, still});
            if (!addExp(*node.facts, still))
                return false;
            continue;
        }
        BaseTotal base;
        base.name = node.name;
        base.needed = needed;
        base.held = held;
        base.left = still;
        if (!node.facts) {
            base.work = kUnknownWork;
            base.kind = e.cut ? MaterialKind::CycleCut : MaterialKind::Unknown;
        } else {
            base.work = node.facts->work;
            base.kind = e.cut ? MaterialKind::CycleCut : node.facts->kind;
            base.places = node.facts->places;
            base.pieceWeight = node.facts->weight;
            if (!e.cut && !addExp(*node.facts, still))
                return false;
        }
        if (qMulOverflow(needed, base.pieceWeight, &base.weightNeeded) ||
            qMulOverflow(still, base.pieceWeight, &base.weightLeft) ||
            qAddOverflow(totals.weightNeeded, base.weightNeeded, &totals.weightNeeded) ||
            qAddOverflow(totals.weightLeft, base.weightLeft, &totals.weightLeft))
            return false;
        totals.bases.push_back(std::move(base));
    }
    return true;
}

ListTotals ListBuilder::build(const std::vector<ListRow>& rows,
                              const std::vector<HeldPieces>& held) {
    ListTotals totals;
    auto refuse = [] {
        ListTotals refused;
        refused.error = materialCountTooLargeMessage();
        return refused;
    };
    for (const ListRow& row : rows) {
        if (row.runs < 0)
            return refuse();
        const int slot = rowSlot(row);
        const int node = nodeFor(slot, row.product);
        rowNodes_.push_back(node);
        totals.rows.push_back({slot != kNotFound, nodes_[size_t(node)].facts
                                                      ? nodes_[size_t(node)].facts->work
                                                      : kUnknownWork});
        if (nodes_[size_t(node)].order == 0)
            reach(node);
    }
    // Held pieces of names the list does not reach count for nothing, but are checked alike.
    std::vector<qint64> heldById(size_t(nameIds_.size()), 0);
    QHash<QString, qint64> elsewhere;
    for (const HeldPieces& h : held) {
        const auto id = nameIds_.constFind(h.name);
        qint64& sum = id != nameIds_.constEnd() ? heldById[size_t(*id)] : elsewhere[h.name];
        if (h.pieces < 0 || qAddOverflow(sum, h.pieces, &sum))
            return refuse();
    }
    Pass full;
    Pass left;
    if (!runPass(rows, std::vector<qint64>(heldById.size(), 0), full) ||
        !runPass(rows, heldById, left) || !addTotals(totals, full, left))
        return refuse();
    return totals;
}

}  // namespace

ListTotals productionListTotals(const ProductTable& data, const std::vector<ListRow>& rows,
                                const std::vector<HeldPieces>& held) {
    return ListBuilder(data).build(rows, held);
}

CarryTrips carryTrips(const std::vector<BaseTotal>& bases, qint64 maximum, qint64 current) {
    CarryTrips result;
    const qint64 room = maximum - current;
    result.roomLeft = std::max<qint64>(room, 0);
    qint64 load = 0;
    for (const BaseTotal& base : bases) {
        if (base.left <= 0 || base.pieceWeight <= 0)
            continue;
        if (base.pieceWeight > room) {
            result.error = room <= 0 ? QStringLiteral("持てる重量が残っていません")
                                     : base.name + QStringLiteral(" は重すぎて運べません");
            return result;
        }
        qint64 pieces = base.left;
        if (result.trips > 0) {
            const qint64 fit = std::min(pieces, (room - load) / base.pieceWeight);
            pieces -= fit;
            load += fit * base.pieceWeight;
        }
        if (pieces == 0)
            continue;
        const qint64 perTrip = room / base.pieceWeight;
        const qint64 more = (pieces - 1) / perTrip + 1;
        result.trips += more;
        load = (pieces - (more - 1) * perTrip) * base.pieceWeight;
    }
    if (result.trips > 0)
        result.roomLeft = room - load;
    return result;
}

QString carryLineText(const CarryTrips& trips) {
    if (!trips.error.isEmpty())
        return trips.error;
    return QStringLiteral("運ぶ回数 %1 回、最後の回の残り重量 %2")
        .arg(numText(trips.trips), numText(trips.roomLeft));
}

QString productionListText(const std::vector<ListRow>& rows, const ListTotals& totals,
                           const QString& carryLine) {
    QStringList lines{tabLine(
        {QStringLiteral("生産リスト"), QStringLiteral("作業"), QStringLiteral("生産回数")})};
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool known = i < totals.rows.size() && totals.rows[i].known;
        lines << tabLine({rows[i].product,
                          known ? totals.rows[i].work : QStringLiteral("不明（データにない）"),
                          numText(rows[i].runs)});
    }
    lines << QString()
          << tabLine({QStringLiteral("作る生産品"), QStringLiteral("作業"),
                      QStringLiteral("必要数"), QStringLiteral("手持ち"),
                      QStringLiteral("生産回数")});
    for (const MadeTotal& m : totals.made)
        lines << tabLine({m.name, m.work, numText(m.needed), numText(m.held), numText(m.runs)});
    lines << QString()
          << tabLine({QStringLiteral("材料の合計"), QStringLiteral("作業"),
                      QStringLiteral("必要数"), QStringLiteral("手持ち"), QStringLiteral("残り"),
                      QStringLiteral("残りの重量"), QStringLiteral("採取場所・備考")});
    for (const BaseTotal& b : totals.bases)
        lines << tabLine({b.name, b.work, numText(b.needed), numText(b.held), numText(b.left),
                          b.kind == MaterialKind::Unknown ? QString() : numText(b.weightLeft),
                          materialNote(b.kind, b.places)});
    lines << tabLine({QStringLiteral("合計重量"), QString(), numText(totals.weightNeeded),
                      QString(), QString(), numText(totals.weightLeft)});
    if (!carryLine.isEmpty())
        lines << carryLine;
    lines << QString() << tabLine({QStringLiteral("作業ごとの経験値"), QStringLiteral("経験値")});
    for (const WorkExp& work : totals.works)
        lines << tabLine({work.work, numText(work.exp)});
    return lines.join(QLatin1Char('\n'));
}

}  // namespace wm
