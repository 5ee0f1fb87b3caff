#include "calculationrules.h"

#include "numbers.h"
#include "production.h"
#include "windowcode.h"

namespace wm {

QString productLabelTip(const QString& work) {
    return work.isEmpty() ? QStringLiteral("生産品名を選択します")
                          : work + QStringLiteral("の中から作業を選んでください");
}

ProductStepFields productFieldsOf(const ProductTable& products, int section, int row) {
    auto text = [](const std::optional<qint64>& v) { return v ? numText(*v) : QString(); };
    const ProductNumbers numbers = productNumbers(products, section, row);
    ProductStepFields fields;
    fields.level = text(numbers.level);
    fields.stepExp = text(numbers.stepExp);
    fields.steps = text(numbers.steps);
    return fields;
}

QString runExpText(const QString& stepExp, const QString& steps) {
    const auto experience = toNumber(stepExp);
    const auto count = toNumber(steps);
    if (experience && count)
        return numText(*experience * *count);
    if (!stepExp.isEmpty() || !steps.isEmpty())
        return QStringLiteral("0");
    return QString();
}

std::optional<bool> lockedByData(const QString& fieldText) {
    if (const auto v = toNumber(fieldText))
        return *v != 0;
    return std::nullopt;
}

LevelEnter levelEnter(LevelBox box, const QString& text) {
    const auto level = toNumber(text);
    if (!level)
        return LevelEnter::Ignore;
    // The start needs a level above it, so 300 is only a target.
    const bool beyond = box == LevelBox::Start ? *level >= 300 : *level > 300;
    return beyond ? LevelEnter::Reselect : LevelEnter::MoveOn;
}

int expListLevels(int windowCode) {
    return windowCode == WindowCode::Large ? 299 : 199;
}

}  // namespace wm
