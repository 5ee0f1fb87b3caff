#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "filewrite.h"
#include "productionlist.h"

namespace wm {

// What a production list file holds: the rows, the held pieces and the carrying weights.
struct ProductionList {
    std::vector<ListRow> rows;
    std::vector<HeldPieces> held;
    std::optional<qint64> maximumWeight;  // 最大重量
    std::optional<qint64> currentWeight;  // 現在重量
};

// A list read from a file, or why it could not be: the system's reason, or the line
// number and what is wrong with that line. missing: the file does not exist.
struct ProductionListRead {
    bool ok = false;
    bool missing = false;
    ProductionList list;
    QString error;
};
ProductionListRead readProductionList(const QString& nativePath);

// The file's text, lines ended by CR LF; empty with the reason in *problem when a field
// cannot be written in the file's syntax (a name with a separator, a negative count).
QString productionListFileText(const ProductionList& list, QString* problem);
// Replaces the file through a temporary one (the old file stays on any failure).
FileResult writeProductionList(const QString& nativePath, const ProductionList& list);

// The file the current list is kept in between runs, in the program folder.
inline constexpr char16_t kCurrentListFile[] = u"ProductionList.txt";

}  // namespace wm
