#include "appdata.h"

#include "textrules.h"

namespace wm {

QString AppData::dataPath(int entry) const {
    return JoinPath(JoinPath(programFolder, strFileList[0]), strFileList[entry]);
}

QString AppData::nativeDataPath(int entry) const {
    return toNativePath(dataPath(entry));
}

}  // namespace wm
