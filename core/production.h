#pragma once

#include <QString>

#include "tables.h"

namespace wm {

// Which sections a lookup by name searches: the calculator leaves section 29 out, the
// viewer searches it too.
enum class Section29 { Skip, Search };

// Column `column` of the first product whose name (column 1 from its fifth character)
// equals name: sections 1..32, rows 1..70 of each up to its first empty row. "" when none.
QString GetProField(const MakeData& data, const QString& name, int column,
                    Section29 section29 = Section29::Skip);

// The product name of a column-1 text: from its fifth character on.
inline QString productName(const QString& column1) {
    return column1.mid(4);
}

}  // namespace wm
