#pragma once

#include <QIcon>
#include <QString>

namespace wm {

// The icon of a program ("wmtool" or "wmview"), the same picture its menu entry shows.
QIcon programIcon(const QString& program);

}  // namespace wm
