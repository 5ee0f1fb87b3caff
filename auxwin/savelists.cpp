#include "savelists.h"

#include <QComboBox>

#include "widgets.h"

namespace wm {

QString listPositionTag(const QComboBox* list) {
    const int pos = list->currentIndex();
    return pos >= 0 ? QString::number(pos) : QStringLiteral("0");
}

void showSaveTimes(QComboBox* dates, const CharacterHistory& table, int slot) {
    refillList(dates, saveTimes(table, slot));
    chooseEntry(dates, 0);
}

}  // namespace wm
