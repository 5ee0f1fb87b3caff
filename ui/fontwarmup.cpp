#include "fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

namespace wm {

FontDatabaseWarmUp::FontDatabaseWarmUp() : thread_([] { QFontDatabase::families(); }) {}

FontDatabaseWarmUp::~FontDatabaseWarmUp() {
    if (thread_.joinable())
        thread_.join();
}

}  // namespace wm
