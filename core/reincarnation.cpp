#include "reincarnation.h"

#include <cmath>

#include "numbers.h"

namespace wm {

double reincarnationLevel(double count) {
    return (count - 1) * 5 + 71;
}

std::optional<std::array<qint64, 8>> reincarnationStatus(double n, double lv,
                                                         const std::array<double, 8>& values) {
    if (reincarnationLevel(n) > lv)
        return std::nullopt;
    const double capStat = std::nearbyint(lv * 3);
    const double capBonus = std::nearbyint((n - 1) * 10 + 250);
    const double capHPMP = std::nearbyint((n - 1) * 500 + 2000);
    const double t = std::floor(lv / 2);
    std::array<qint64, 8> result{};
    for (size_t j = 0; j < values.size(); ++j) {
        const double v = values[j];
        const bool hpOrMp = j == 0 || j == 4;
        const double b =
            hpOrMp ? std::min(std::floor(v / 1000), 50.0) : std::min(std::floor(v / 2), capBonus);
        const double f = (n - 1) * 10 + b + t;
        const double r = std::floor(v * f / 1000 + (hpOrMp ? 100 : 10));
        const double cap = hpOrMp ? capHPMP : capStat;
        result[j] = floorInt(cap < r ? cap : r);
    }
    return result;
}

}  // namespace wm
