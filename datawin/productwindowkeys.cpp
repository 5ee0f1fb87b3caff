// The product window's keys: the number boxes take digits only, Enter moves on, and some
// fields recalculate on Enter.
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "desktopinput.h"
#include "keyfilter.h"
#include "numbers.h"
#include "productwindow.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

// Digits a number box takes: three for the product and material numbers, five for the
// character's weights.
constexpr int kNumberDigits = 3;
constexpr int kWeightDigits = 5;

}  // namespace

void ProductWindow::installKeyHandlers() {
    auto digitsOnly = [](QLineEdit* e, int maxLen, int& code) {
        if (code != kKeyBackspace &&
            digitKey(code, e->text().size(), e->hasSelectedText(), maxLen) != DigitKey::Taken)
            code = 0;
    };
    for (QLineEdit* e : numberBoxes()) {
        KeyFilter::install(e, [this, e, digitsOnly](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                if (isNumber(e->text()))
                    updateTotalExp();
                focusNextControl(e);
                return;
            }
            digitsOnly(e, kNumberDigits, code);
        });
        e->installEventFilter(this);
    }
    for (QLineEdit* e : {weights_.current, weights_.maximum}) {
        KeyFilter::install(e, [this, e, digitsOnly](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                refreshInfo();
                focusNextControl(e);
                return;
            }
            digitsOnly(e, kWeightDigits, code);
        });
        e->installEventFilter(this);
    }
    for (QComboBox* c :
         {workList_, materials_[0].workList, materials_[1].workList, materials_[2].workList,
          productList_, materials_[0].nameList, materials_[1].nameList, materials_[2].nameList}) {
        // Only a product name may be typed; every other list is chosen from.
        const bool typable = c == productList_;
        KeyFilter::install(c, [c, typable](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                focusNextControl(c);
            } else if (!typable) {
                code = 0;
            }
        });
    }
    for (QRadioButton* o : {modes_.materials, modes_.products}) {
        KeyFilter::install(o, [this, o](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                refreshInfo();
                focusNextControl(o);
            }
        });
    }
    for (QWidget* w : {static_cast<QWidget*>(guildPanel_.guildOption),
                       static_cast<QWidget*>(guildPanel_.learningOption),
                       static_cast<QWidget*>(guildPanel_.placeList)}) {
        KeyFilter::install(w, [w](int& code) {
            if (code == kKeyEnter)
                focusNextControl(w);
            code = 0;
        });
    }
}

bool ProductWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Queued: a mouse press that brought the focus would otherwise place the caret and
        // undo the selection.
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, e, [e] { e->selectAll(); });
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace wm
