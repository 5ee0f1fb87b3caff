#pragma once

// Controls and key rules that the windows are built from.

#include <QFontMetrics>
#include <QList>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace wm {

// Controls and actions are found by the name of the member that holds them.
template <class Object>
Object* named(Object* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
template <class Object>
Object* named(Object* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

// A one-line text box with the caption beside it.
struct CaptionedBox {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
};

// Each control is made inside its parent, so that it takes the window's font once instead
// of laying out its text in the default font first and again when it joins the window.
// A window that makes its controls first and lays them out after passes no parent.
QLabel* makeLabel(QWidget* parent, const QString& caption, const QString& tip = QString());
QLineEdit* makeBox(QWidget* parent, const QString& tip, const QString& text = QString());
QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& tip);
// A count field of up to maxLength characters, as wide as shownDigits digits in its own font.
// The caller gives it its key rule.
QLineEdit* makeCountBox(QWidget* parent, const QString& tip, int maxLength, int shownDigits);
// A drop-down list that shows a text of its own (or nothing) until an entry is chosen.
QComboBox* makeList(QWidget* parent, const QString& tip, const QString& shown = QString());
// A drop-down list whose text can be typed as well as chosen; typing adds no entry.
QComboBox* makeTypingList(QWidget* parent, const QString& tip);
// Typing into the list never chooses an entry: no completion, and the typed text is never
// taken as a choice when the focus leaves.
void typingNeverChooses(QComboBox* list);
QGroupBox* makeFrame(QWidget* parent, const QString& tip = QString());
// One of a group of exclusive options.
QRadioButton* makeOption(QWidget* parent, const QString& caption, const QString& tip);
QCheckBox* makeCheck(QWidget* parent, const QString& caption, const QString& tip);
// Number fields are sized for their digits so the rows line up at both sizes.
// The digits are measured in the application's font, not the window's: the sizes were
// designed so.
void fitDigits(QLineEdit* field, int digits);
// The application's font for a control, whatever font it shows: the measure of the
// heights and widths that were designed in it.
QFontMetrics designFontMetrics(const QWidget* control);
QGridLayout* tightGrid(QWidget* owner);
// A hidden control keeps its place in the layout, so nothing around it moves.
void keepSpaceWhenHidden(QWidget* control);

// A digit field: Backspace passes, a digit passes below `limit` characters (or over a
// selection; 0 for no limit), Enter runs onEnter and is dropped, anything else is dropped.
void digitField(QLineEdit* field, int limit, const std::function<void()>& onEnter);
// The whole text is selected when the field gets the focus.
void selectOnFocus(QLineEdit* field);
// An access key takes the focus to its button first, as a click does, so the field being
// left (the start level, the name) runs its lost-focus step before the button. For every
// button under root.
void focusButtonsOnAccessKey(QWidget* root);

// The controls under root that can take the focus (not through a proxy), in the order of
// its window's focus chain; none for a null root.
QList<QWidget*> focusControlsIn(const QWidget* root);
// Puts the controls one after another in the tab order, the first right after previous
// when there is one. Controls built after their window join the end of its chain; this
// moves them where they belong.
void chainTabOrder(QWidget* previous, const QList<QWidget*>& controls);

}  // namespace wm
