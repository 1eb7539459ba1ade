#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kovara {
namespace {

QString &overrideDir()
{
    static QString dir;
    return dir;
}

bool isWritableDir(const QString &dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.kovara-write-test-XXXXXX"));
    return probe.open();
}

// Copies, once, the files supplied beside the program into the user folder.
void seedUserDir(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QFileInfoList entries = QDir(from).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : entries) {
        const QString suffix = fi.suffix().toLower();
        if (suffix != QLatin1String("dbf") && suffix != QLatin1String("rtf") && suffix != QLatin1String("doc"))
            continue;
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (!QFileInfo::exists(target))
            QFile::copy(fi.absoluteFilePath(), target);
    }
}

QString computeProgramDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    if (isWritableDir(dir))
        return QDir::toNativeSeparators(QDir::cleanPath(dir));
    const QString user = userProgramDir();
    seedUserDir(dir, user);
    return QDir::toNativeSeparators(QDir::cleanPath(user));
}

} // namespace

QString userProgramDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).isEmpty()
               ? QDir::homePath() + QStringLiteral("/.local/share/Kovara")
               : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/Kovara");
}

QString ProgramDir()
{
    if (overrideDir().isEmpty())
        overrideDir() = computeProgramDir();
    return overrideDir();
}

QString DataDir()
{
    return ProgramDir() + QDir::separator() + QStringLiteral("Data");
}

void setProgramDir(const QString &dir)
{
    overrideDir() = QDir::toNativeSeparators(QDir::cleanPath(dir));
}

} // namespace kovara
