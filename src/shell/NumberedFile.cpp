#include "shell/NumberedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace kovara {

QString FreeNumberedFile(const QString &dir, const QString &base, const QString &suffix, int last)
{
    const QDir folder(dir);
    // Names are matched without regard to letter case: group the folder's
    // entries by their lower-case name.
    QHash<QString, QStringList> entries;
    const QStringList all =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &name : all)
        entries[name.toLower()].append(name);

    for (int n = 0; last < 0 || n <= last; ++n) {
        const QString name = base + QString::number(n) + suffix;
        bool free = true;
        for (const QString &existing : entries.value(name.toLower())) {
            const QFileInfo info(folder.filePath(existing));
            if (info.isSymLink() || !info.isFile()) {
                free = false;
                continue;
            }
            free = QFile::remove(info.filePath()) && free;
        }
        if (free)
            return folder.filePath(name);
    }
    return QString();
}

} // namespace kovara
