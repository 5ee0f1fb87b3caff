// The information text under the product window: what the free weight carries, in 材料 or
// 生産品 mode.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <limits>

#include "numbers.h"
#include "production.h"
#include "productwindow.h"
#include "productwindowshared.h"
#include "textrules.h"

namespace wm {

using productwindow::intOf;
using productwindow::kComma;
using productwindow::kUnknown;

namespace {

// Works of section 13 and up: at most this many runs or pieces are worth showing.
constexpr qint64 kCarryCap = 40;

// floor(a / b); nothing for b = 0 or a quotient beyond 64 bits.
std::optional<qint64> floorDiv(qint64 a, qint64 b) {
    if (b == 0 || (b == -1 && a == std::numeric_limits<qint64>::min()))
        return std::nullopt;
    qint64 q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

void ProductWindow::showMaterialInfo() {
    infoText_->clear();
    const int pos = workPos();
    if (pos <= 5) {
        showGatheringPlaces();
        return;
    }
    const QString product = productList_->currentText();
    const auto current = intOf(weights_.current);
    const auto maximum = intOf(weights_.maximum);
    const auto total = intOf(weights_.total);
    // A material found nowhere has no weight: the runs cannot be counted.
    if (product.isEmpty() || !current || !maximum ||
        materials_[0].nameList->currentText() == kUnknown || !total || *total == 0 ||
        unknownMaterial_)
        return;

    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    const auto fit = freeWeight ? floorDiv(*freeWeight, *total) : std::nullopt;
    if (!fit)
        return;
    const qint64 free = *freeWeight;
    const qint64 w = *total;
    qint64 runs = *fit;
    if (pos > 11) {
        int named = 0;
        while (named < 3 && !materials_[size_t(named)].nameList->currentText().isEmpty())
            ++named;
        if (runs >= kCarryCap)
            runs = std::min(kCarryCap, kCarryCap + 1 - named);
    }

    QString text;
    for (int k = 1; k <= 3; ++k) {
        const QString material = materials_[k - 1].nameList->currentText();
        if (material.isEmpty())
            break;
        const QString f =
            productField(data_.products, material, ProductColumn::Name, necklaceSection_);
        const QString work = materials_[k - 1].workList->currentText();
        const auto amount = intOf(materials_[k - 1].count);
        if (!amount) {
            infoText_->setPlainText(text);
            return;
        }
        const auto pieces = checkedMul(*amount, runs);
        if (!pieces)
            return;
        text += work + QString(std::max(0, 11 - textBytes(work)), QLatin1Char(' ')) + f.left(3) +
                QStringLiteral(" の ") + f.mid(4) + QStringLiteral(" を ") + numText(*pieces) +
                QLatin1Char('\n');
    }
    text += product + QStringLiteral(" を ") + numText(runs) + QStringLiteral(" 回分作れます");
    const auto exp = intOf(totalExpBox_);
    if (exp) {
        const auto runExp = checkedMul(*exp, runs);
        const auto used = checkedMul(w, runs);
        const auto left = used ? checkedSub(free, *used) : std::nullopt;
        if (!runExp || !left)
            return;
        text += QLatin1Char('\n') + product + QStringLiteral(" を ") + numText(runs) +
                QStringLiteral(" 回分の経験値 ") + numText(*runExp);
        text += QStringLiteral("\n残り重量は ") + numText(*left) + QStringLiteral(" です");
    }
    infoText_->setPlainText(text);
}

void ProductWindow::showGatheringPlaces() {
    const int p = listPos(productList_);
    if (productList_->currentText().isEmpty() || p < 0)
        return;
    QString places = data_.products.at(workPos() + 1, ProductColumn::Extra, p);
    infoText_->setPlainText(places.replace(kComma, QLatin1Char('\n')));
}

void ProductWindow::showProductInfo() {
    infoText_->clear();
    const QString product = productList_->currentText();
    const auto piece = intOf(weightBox_);
    const auto current = intOf(weights_.current);
    const auto maximum = intOf(weights_.maximum);
    if (product.isEmpty() || !piece || !current || !maximum)
        return;
    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    if (!freeWeight)
        return;
    const qint64 free = *freeWeight;
    const qint64 g = *piece;
    const auto fit = g != 0 ? floorDiv(free, g) : std::optional<qint64>(0);
    if (!fit)
        return;
    qint64 count = *fit;
    if (materials_[0].nameList->currentText() == kUnknown && g == 0)
        return;
    const int pos = workPos();
    if (pos > 11 && count >= kCarryCap)
        count = kCarryCap;

    const auto used = checkedMul(g, count);
    const auto left = used ? checkedSub(free, *used) : std::nullopt;
    if (!left)
        return;
    QString text = product + QStringLiteral(" を ") + numText(count) + QStringLiteral(" 持てます") +
                   QStringLiteral("\n残り重量は ") + numText(*left) + QStringLiteral(" です");

    const int p = listPos(productList_);
    if ((pos == 6 || pos == 7) && p >= 0) {
        const QString label =
            pos == 6 ? QStringLiteral("  薬物強度:") : QStringLiteral("  腹持ち度:");
        QString effects = data_.products.at(workSection(), ProductColumn::Extra, p);
        const bool strengthOnly = !effects.contains(kComma) && isNumber(effects);
        QString part;
        bool readable = true;
        for (int n = 1; effects.contains(kComma); ++n) {
            const qsizetype comma = effects.indexOf(kComma);
            const QString item = effects.left(comma);
            if (n == 1) {
                const auto strength = intPart(item);
                if (!strength) {
                    readable = false;  // no strength: no effects at all
                    break;
                }
                if (*strength != 0)
                    part += QLatin1Char('\n') + label + numText(*strength);
            } else if (isNumber(item)) {
                part += item;
            } else {
                part += QStringLiteral("\n  ") + item + QLatin1Char(':');
            }
            effects = trimLeadingBlanks(effects.mid(comma + 1));
        }
        if (readable && strengthOnly) {
            // The strength alone: its own line with its label, none for 0.
            const auto strength = intPart(effects);
            if (strength && *strength != 0)
                text += QLatin1Char('\n') + label + numText(*strength);
        } else if (readable) {
            if (!isNumber(effects))
                part += QStringLiteral("\n  ");
            text += part + effects;
        }
    }
    infoText_->setPlainText(text);
}

}  // namespace wm
