#include "shell/NumberedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>

namespace kovara {
namespace {

struct Handed
{
    QMutex mutex;
    QSet<QString> paths; // absolute, in lower case
};

Handed &handed()
{
    static Handed h;
    return h;
}

QString key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toLower();
}

bool handedOut(const QString &path)
{
    Handed &h = handed();
    QMutexLocker lock(&h.mutex);
    return h.paths.contains(key(path));
}

} // namespace

bool HeldOpen(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return false;
    QStringList locks{QStringLiteral(".~lock.") + name + QLatin1Char('#'), QStringLiteral("~$") + name};
    if (name.size() > 2)
        locks << QStringLiteral("~$") + name.mid(2);
    const QDir folder = info.absoluteDir();
    const QStringList present =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : present)
        for (const QString &lock : locks)
            if (entry.compare(lock, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

void NoteHandedToApplication(const QString &path)
{
    Handed &h = handed();
    QMutexLocker lock(&h.mutex);
    h.paths.insert(key(path));
}

void ForgetHandedFiles()
{
    Handed &h = handed();
    QMutexLocker lock(&h.mutex);
    h.paths.clear();
}

bool RemoveOutput(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isSymLink() || !info.isFile() || HeldOpen(path))
        return false;
    return QFile::remove(path);
}

QString HeldOpenText(const QString &path)
{
    return QStringLiteral("Fisierul %1 este deschis in alt program si nu poate fi sters; inchideti-l si "
                          "incercati din nou.")
        .arg(QDir::toNativeSeparators(path));
}

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
        if (handedOut(folder.filePath(name)))
            continue;
        bool free = true;
        for (const QString &existing : entries.value(name.toLower()))
            free = RemoveOutput(folder.filePath(existing)) && free;
        if (free)
            return folder.filePath(name);
    }
    return QString();
}

} // namespace kovara
