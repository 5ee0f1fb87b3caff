#pragma once

#include <QString>

#include "tables.h"

namespace wmtest {

// One product line of a test's production data: name (level and name), experience and
// steps, weight, set materials and the extra field.
inline void setProduct(wm::ProductTable& table, int section, int row, const QString& name,
                       const QString& expAndSteps, const QString& weight,
                       const QString& setMaterials, const QString& extra = QString()) {
    table.set(section, wm::ProductColumn::Name, row, name);
    table.set(section, wm::ProductColumn::ExpAndSteps, row, expAndSteps);
    table.set(section, wm::ProductColumn::Weight, row, weight);
    table.set(section, wm::ProductColumn::SetMaterials, row, setMaterials);
    table.set(section, wm::ProductColumn::Extra, row, extra);
}

}  // namespace wmtest
