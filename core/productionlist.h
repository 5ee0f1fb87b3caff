#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "materialtree.h"
#include "tables.h"

namespace wm {

// One row of a production list: runs of a product, with the work it was chosen from.
struct ListRow {
    QString product;
    qint64 runs = 0;
    QString work;  // empty: the product is found by name as a material would be
};

// Pieces the user already holds of a material or product, by name.
struct HeldPieces {
    QString name;
    qint64 pieces = 0;
};

// Where a row's product was found.
struct RowFacts {
    bool known = false;
    QString work;  // the work it was found in; "不明" when the data does not know it
};

// A product the list makes: the runs still to make after the held pieces.
struct MadeTotal {
    QString name;
    QString work;
    qint64 needed = 0;  // pieces with nothing held
    qint64 held = 0;    // held pieces the list uses
    qint64 runs = 0;    // one run makes one piece
};

// A material the list does not make: gathered, unmade, unknown or cut from a cycle.
struct BaseTotal {
    QString name;
    QString work;
    MaterialKind kind = MaterialKind::Unknown;
    qint64 needed = 0;  // pieces with nothing held
    qint64 held = 0;    // held pieces the list uses
    qint64 left = 0;    // still to gather or get
    qint64 pieceWeight = 0;
    qint64 weightNeeded = 0;
    qint64 weightLeft = 0;
    QStringList places;
};

struct ListTotals {
    // Not empty when the totals were refused; nothing else is filled then.
    QString error;
    std::vector<RowFacts> rows;    // one per row of the list
    std::vector<MadeTotal> made;   // each product once, in the order the list reaches it
    std::vector<BaseTotal> bases;  // the same
    qint64 weightNeeded = 0;
    qint64 weightLeft = 0;
    std::vector<WorkExp> works;  // experience of the runs still to do
};

// The totals of a whole list by the material tree's rules: a product several rows or
// materials need is summed once. Held pieces are used from the top of the chains down: an
// intermediate held covers its share of everything below it. A material that leads back to
// a product it is made for is not followed again (the tree's cut). Counts use checked
// 64-bit arithmetic; a count beyond it refuses the totals with the tree's message.
ListTotals productionListTotals(const ProductTable& data, const std::vector<ListRow>& rows,
                                const std::vector<HeldPieces>& held);

// Trips to carry what is left, one piece at a time in the order of the totals: a trip takes
// pieces while they fit in the room (maximum - current), then the next trip starts.
struct CarryTrips {
    QString error;  // why nothing can be carried; empty otherwise
    qint64 trips = 0;
    qint64 roomLeft = 0;  // on the last trip; the whole room when no trip is needed
};
CarryTrips carryTrips(const std::vector<BaseTotal>& bases, qint64 maximum, qint64 current);

// Tab-separated text of the rows and totals, lines ended by "\n": for the window, the
// clipboard and result files. carryLine, when not empty, follows the weights.
QString productionListText(const std::vector<ListRow>& rows, const ListTotals& totals,
                           const QString& carryLine);
// The line a CarryTrips result shows.
QString carryLineText(const CarryTrips& trips);

}  // namespace wm
