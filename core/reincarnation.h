#pragma once

#include <QString>
#include <array>
#include <optional>

namespace wm {

// Status values after reincarnation (転生) number `count` at level `level`. The eight values in
// the order HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力; HP and MP (0 and 4) follow their own
// rule. Nothing when the level is too low for that reincarnation. Values are held in 64
// bits, so large counts or status values cannot overflow.
std::optional<std::array<qint64, 8>> reincarnationStatus(double count, double level,
                                                         const std::array<double, 8>& values);

// The lowest level at which reincarnation number `count` is possible: 71, and 5 more for
// each earlier one.
double reincarnationLevel(double count);

}  // namespace wm
