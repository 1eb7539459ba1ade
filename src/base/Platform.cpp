// The parts of the platform calls that are the same everywhere.
#include "base/Platform.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kovara::platform {

void syncFolderOf(const QString &path)
{
    syncFolder(QFileInfo(path).absolutePath());
}

bool commitReplacement(QSaveFile &file)
{
    const QString target = file.fileName();
    // A copy not on disk is never committed; it goes with the QSaveFile.
    if (!syncFile(file) || !file.commit())
        return false;
    syncFolderOf(target);
    return true;
}

} // namespace kovara::platform
