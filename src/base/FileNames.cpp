#include "base/FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {

QString findFileNoCase(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo fi(path);
    const QDir dir = fi.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &n : names)
        if (n.compare(fi.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(n);
    return path;
}

QString IndexCachePath(const QString &tablePath)
{
    return tablePath + QStringLiteral(".kovara-index");
}

bool IsIndexCacheName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".kovara-index"), Qt::CaseInsensitive);
}

} // namespace kovara
