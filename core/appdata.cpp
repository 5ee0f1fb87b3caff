#include "appdata.h"

#include "textrules.h"

namespace wm {

QString AppData::dataPath(FileListEntry entry) const {
    return joinPath(joinPath(programFolder, fileList[FileListEntry::DataFolder]), fileList[entry]);
}

QString AppData::nativeDataPath(FileListEntry entry) const {
    return toNativePath(dataPath(entry));
}

}  // namespace wm
