#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>
#include <optional>

#include "numbers.h"

// What the product window's source files share.
namespace wm::productwindow {

inline const QString kUnknown = QStringLiteral("？？？");
inline const QChar kComma(QLatin1Char(','));

inline std::optional<qint64> intOf(const QLineEdit* field) {
    return intPart(field->text());
}

}  // namespace wm::productwindow
