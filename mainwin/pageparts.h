#pragma once

// Controls and key rules that both pages of the main window are built from.

#include <QString>
#include <functional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace wm {

// Controls and actions are found by the name of the member that holds them.
template <class Object>
Object* named(Object* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel* makeLabel(const QString& caption, const QString& tip = QString());
QLineEdit* makeField(const QString& tip, const QString& text = QString());
QPushButton* makeButton(const QString& caption, const QString& tip);
// A drop-down list that shows a text of its own until an entry is chosen.
QComboBox* makeList(const QString& tip, const QString& shown);
QGroupBox* makeFrame(const QString& tip = QString());
// Number fields are sized for their digits so the rows line up at both sizes.
void fitDigits(QLineEdit* field, int digits);
QGridLayout* tightGrid(QWidget* owner);

bool isDigitKey(int code);
// A digit field: Backspace passes, a digit passes below `limit` characters (or over a
// selection; 0 for no limit), Enter runs onEnter and is dropped, anything else is dropped.
void digitField(QLineEdit* field, int limit, std::function<void()> onEnter);
// The whole text is selected when the field gets the focus.
void selectOnFocus(QLineEdit* field);
// An access key takes the focus to its button first, as a click does, so the field being
// left (the start level, the name) runs its lost-focus step before the button. For every
// button under root.
void focusButtonsOnAccessKey(QWidget* root);

}  // namespace wm
