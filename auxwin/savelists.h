#pragma once

#include <QString>

#include "characterhistory.h"

class QComboBox;

namespace wm {

// The position a list of the character windows remembers when an entry is chosen: 0 with
// nothing chosen.
int chosenListPosition(const QComboBox* list);

// Fills a date list with the saves of a character slot, newest first, and chooses the
// newest, which shows it.
void showSaveTimes(QComboBox* dates, const CharacterHistory& table, int slot);

}  // namespace wm
