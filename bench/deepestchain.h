#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "tables.h"

namespace wmbench {

inline constexpr int kChainRow = 70;  // lookups by name reach rows 1..70 of a section

// The largest data the tables take: 32 sections of 80 products. Every product a lookup
// can reach outside the gathering works is one link of a single chain, so the tree of the
// plan in the last row is as deep as the data allows; each link also needs two gathered
// materials, and the gathering works fill all their rows.
inline wm::ProductTable deepestChain() {
    using namespace wm;
    ProductTable m;
    std::vector<std::pair<int, int>> chain;
    for (int s = 1; s <= ProductTable::kSections; ++s) {
        m.set(s, ProductColumn::Name, 0, QStringLiteral("作業%1").arg(s));
        for (int r = 1; r <= ProductTable::kRows; ++r) {
            m.set(s, ProductColumn::Name, r,
                  QStringLiteral("%1:品%2_%3").arg(r, 3, 10, QLatin1Char('0')).arg(s).arg(r));
            m.set(s, ProductColumn::ExpAndSteps, r, QStringLiteral("050:05"));
            m.set(s, ProductColumn::Weight, r, QStringLiteral("7"));
            m.set(s, ProductColumn::SetMaterials, r, QStringLiteral("00"));
            m.set(s, ProductColumn::Extra, r, QStringLiteral("北の森,南の丘"));
            if (s > 6 && r <= kChainRow)
                chain.emplace_back(s, r);
        }
    }
    // The plan (section 32, row 80) needs the first link; each link the next one.
    chain.insert(chain.begin(), {32, ProductTable::kRows});
    for (size_t i = 0; i < chain.size(); ++i) {
        const auto [s, r] = chain[i];
        const QString gathered = QStringLiteral("03品%1_%2,02品%3_%4")
                                     .arg(1 + int(i) % 6)
                                     .arg(1 + int(i) % kChainRow)
                                     .arg(1 + int(i + 3) % 6)
                                     .arg(1 + int(i + 7) % kChainRow);
        const QString next =
            i + 1 < chain.size()
                ? QStringLiteral("01品%1_%2,").arg(chain[i + 1].first).arg(chain[i + 1].second)
                : QString();
        m.set(s, ProductColumn::SetMaterials, r, next + gathered);
    }
    return m;
}

}  // namespace wmbench
