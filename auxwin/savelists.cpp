#include "savelists.h"

#include <QComboBox>

#include "widgets.h"

namespace wm {

int chosenListPosition(const QComboBox* list) {
    return qMax(0, list->currentIndex());
}

void showSaveTimes(QComboBox* dates, const CharacterHistory& table, int slot) {
    refillList(dates, saveTimes(table, slot));
    chooseEntry(dates, 0);
}

}  // namespace wm
