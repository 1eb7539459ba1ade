#pragma once

#include <QString>

namespace kovara {

// The file as it exists on disk, matched without regard to letter case;
// the path itself when no such file exists.
QString findFileNoCase(const QString &path);

// The program's index cache beside a table ("Cereri.dbf.kovara-index"):
// never the office's data, never saved in a backup, rebuilt when missing.
QString IndexCachePath(const QString &tablePath);
bool IsIndexCacheName(const QString &fileName);

} // namespace kovara
