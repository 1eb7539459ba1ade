#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kovara {
namespace {

const char *const SeededMarker = ".kovara-seeded";

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

bool isInstallationFile(const QFileInfo &fi)
{
    const QString suffix = fi.suffix().toLower();
    return suffix == QLatin1String("dbf") || suffix == QLatin1String("rtf") || suffix == QLatin1String("doc");
}

QString native(const QString &dir)
{
    return QDir::toNativeSeparators(QDir::cleanPath(dir));
}

} // namespace

void SeedUserDir(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QString marker = to + QLatin1Char('/') + QLatin1String(SeededMarker);
    if (QFileInfo::exists(marker))
        return;
    bool complete = true;
    // The files beside the program, and those of its Data folder (the
    // semester statistics template) into the user's Data folder.
    for (const QString &sub : {QString(), QStringLiteral("/Data")}) {
        const QFileInfoList entries = QDir(from + sub).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        for (const QFileInfo &fi : entries) {
            if (!isInstallationFile(fi))
                continue;
            QDir().mkpath(to + sub);
            const QString target = to + sub + QLatin1Char('/') + fi.fileName();
            if (!QFileInfo::exists(target) && !QFile::copy(fi.absoluteFilePath(), target))
                complete = false;
        }
    }
    // Only a complete copy is marked; an interrupted one is finished next time.
    if (complete) {
        QFile mark(marker);
        if (mark.open(QIODevice::WriteOnly))
            mark.close();
    }
}

QString ResolveProgramDir(const QString &programFolder, const QString &userFolder)
{
    if (isWritableDir(programFolder))
        return native(programFolder);
    SeedUserDir(programFolder, userFolder);
    return native(userFolder);
}

QString userProgramDir()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return (base.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : base) +
           QStringLiteral("/Kovara");
}

QString ProgramDir()
{
    if (overrideDir().isEmpty()) {
        QString dir = QCoreApplication::applicationDirPath();
        if (dir.isEmpty())
            dir = QDir::currentPath();
        overrideDir() = ResolveProgramDir(dir, userProgramDir());
    }
    return overrideDir();
}

static QString &dataOverride()
{
    static QString dir;
    return dir;
}

QString DataDir()
{
    if (!dataOverride().isEmpty())
        return dataOverride();
    return ProgramDir() + QDir::separator() + QStringLiteral("Data");
}

void setDataDir(const QString &dir)
{
    dataOverride() = dir.isEmpty() ? QString() : native(dir);
}

void setProgramDir(const QString &dir)
{
    overrideDir() = native(dir);
}

} // namespace kovara
