// Part of kovara_base, so that every layer (the dBase files too) names
// paths in its messages the same way.
#include "base/NativePath.h"

#include <QDir>

namespace kovara {

QString NativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace kovara
