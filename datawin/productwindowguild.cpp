// The product window's guild panel: where the chosen work is taught.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "productwindow.h"
#include "widgets.h"

namespace wm {

void ProductWindow::switchGuildMode(bool learning) {
    guildPanel_.conditionCaption->setVisible(learning);
    guildPanel_.condition->setVisible(learning);
    clearGuildDetails();
    fillGuildPlaces();
}

void ProductWindow::fillGuildPlaces() {
    const QString work = workList_->currentText();
    // Each place keeps the building and person (and, for learning, the condition) of the
    // section it was read from, so it shows its own whichever section listed it.
    guildPlaces_ = guildPlaces(data_.guilds, work, !guildPanel_.guildOption->isChecked());
    QStringList places;
    for (const GuildPlace& place : guildPlaces_)
        places << place.name;
    refillList(guildPanel_.placeList, places);
    // Nothing of the work before stays when this one has no place to choose.
    clearGuildDetails();
    if (!work.isEmpty() && guildPanel_.placeList->count() > 0)
        chooseEntry(guildPanel_.placeList, 0);
}

void ProductWindow::showGuildPlace() {
    const int c = listPos(guildPanel_.placeList);
    if (c < 0 || c >= guildPlaces_.size())
        return;
    const GuildPlace& place = guildPlaces_.at(c);
    if (guildPanel_.learningOption->isChecked())
        guildPanel_.condition->setText(place.condition);
    guildPanel_.building->setText(place.building);
    guildPanel_.person->setText(place.person);
}

void ProductWindow::clearGuildDetails() {
    for (QLineEdit* e : {guildPanel_.building, guildPanel_.person, guildPanel_.condition})
        e->clear();
}

}  // namespace wm
