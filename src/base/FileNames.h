#pragma once

#include <QString>

namespace kovara {

// The file as it exists on disk, matched without regard to letter case;
// the path itself when no such file exists.
QString findFileNoCase(const QString &path);

} // namespace kovara
