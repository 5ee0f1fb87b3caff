#include "programicon.h"

namespace wm {

QIcon programIcon(const QString& program) {
    QIcon icon;
    for (int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size), QSize(size, size));
    return icon;
}

}  // namespace wm
