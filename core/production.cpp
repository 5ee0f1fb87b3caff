#include "production.h"

namespace wm {

QString GetProField(const MakeData& data, const QString& name, int column, Section29 section29) {
    for (int s = 1; s <= MakeData::kSections; ++s) {
        if (s == 29 && section29 == Section29::Skip)
            continue;
        for (int r = 1; r <= 70; ++r) {
            const QString first = data.at(s, 1, r);
            if (first.isEmpty())
                break;
            if (productName(first) == name)
                return data.at(s, column, r);
        }
    }
    return QString();
}

}  // namespace wm
