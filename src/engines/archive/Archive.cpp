// Listing the data folder and writing backup archives.
#include "engines/archive/Archive.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "base/Win1250.h"
#include "engines/archive/ArchiveFormat.h"
#include "engines/archive/ParallelDeflate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <limits>

namespace kovara {
namespace archive {

QString nameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("numele este gol");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("numele \"%1\" iese din dosarul de date").arg(name);
    for (const QChar c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':'))
            return QStringLiteral("numele \"%1\" contine un separator de dosar").arg(name);
        if (c.unicode() < 0x20)
            return QStringLiteral("numele \"%1\" contine caractere de control").arg(name);
    }
    return {};
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

bool isRestoreWork(const QString &name)
{
    return name.startsWith(QLatin1String(".kovara-restore"), Qt::CaseInsensitive);
}

} // namespace archive

namespace {

using namespace archive;

// The order of a Windows folder listing: letters compared in upper case.
bool listingOrder(const QFileInfo &a, const QFileInfo &b)
{
    const int c = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.fileName() < b.fileName();
}

void writeBytes(QSaveFile &out, const char *data, qint64 size)
{
    if (out.write(data, size) != size)
        throw Error(QStringLiteral("Arhiva %1 nu poate fi scrisa: %2.")
                        .arg(NativePath(out.fileName()), WriteFailureText(out)));
}

// Each file as one zlib stream; a large one compressed on every core.
class Deflater
{
public:
    // Compresses exactly `size` bytes of `in` as one zlib stream into `out`.
    void run(QFile &in, qint64 size, QSaveFile &out)
    {
        const auto read = [&in](char *dst, qint64 want) {
            if (in.read(dst, want) != want)
                throw Error(
                    QStringLiteral("Fisierul %1 nu poate fi citit (s-a modificat in timpul salvarii?).")
                        .arg(NativePath(in.fileName())));
        };
        const auto write = [&out](const char *data, qint64 n) { writeBytes(out, data, n); };
        m_deflate.run(size, read, write);
    }

private:
    ParallelDeflate m_deflate;
};

void writeInt32(QSaveFile &out, qint32 value)
{
    char bytes[4];
    putInt32(bytes, value);
    writeBytes(out, bytes, 4);
}

} // namespace

QStringList listDataFiles(const QString &dataDir, const QString &except, QStringList *links)
{
    QFileInfoList infos =
        QDir(dataDir).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(infos.begin(), infos.end(), listingOrder);
    QStringList files;
    for (const QFileInfo &fi : infos) {
        const QString path = dataDir + QLatin1Char('/') + fi.fileName();
        // The restore's own work and the tables' index caches are the
        // program's, not the office's.
        if ((!except.isEmpty() && sameFile(path, except)) || isRestoreWork(fi.fileName()) ||
            IsIndexCacheName(fi.fileName()))
            continue;
        // Only the folder's own files: a link may lead anywhere.
        if (fi.isSymLink() || !fi.isFile()) {
            if (links)
                *links << fi.fileName();
            continue;
        }
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw Error(
                QStringLiteral("Fisierul %1 nu poate fi deschis: %2").arg(NativePath(path), f.errorString()));
        if (f.size() > 0)
            files << path;
    }
    return files;
}

QStringList ListFileDir(const QString &folder)
{
    return listDataFiles(folder + QStringLiteral("/Data"));
}

void CompressFiles(const QStringList &files, const QString &archivePath, const ArchiveProgress &progress,
                   const ArchiveHold &hold)
{
    if (files.isEmpty())
        return;
    if (files.size() > std::numeric_limits<qint32>::max())
        throw Error(QStringLiteral("Prea multe fisiere pentru o arhiva."));

    // Every name is checked before the archive is begun.
    QList<QByteArray> names;
    for (const QString &path : files) {
        const QString name = QFileInfo(path).fileName();
        QString problem = nameProblem(name);
        if (problem.isEmpty() && !fitsWin1250(name))
            problem = QStringLiteral("numele contine litere care nu exista in setul Windows-1250");
        if (problem.isEmpty() && QFileInfo(path).size() > std::numeric_limits<qint32>::max())
            problem = QStringLiteral("depaseste 2 GB");
        if (!problem.isEmpty())
            throw Error(QStringLiteral("Fisierul %1 nu poate fi salvat: %2.").arg(NativePath(path), problem));
        names << QByteArray(kPrefix) + toWin1250(name);
    }

    QSaveFile out(archivePath);
    if (!out.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Arhiva %1 nu poate fi creata: %2")
                        .arg(NativePath(archivePath), WriteFailureText(out)));
    const int count = int(files.size());
    writeInt32(out, count);
    Deflater deflater;
    for (int i = 0; i < count; ++i) {
        if (progress)
            progress(i, count);
        const std::shared_ptr<void> held = hold ? hold(files[i]) : nullptr;
        QFile in(files[i]);
        if (!in.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Fisierul %1 nu poate fi deschis: %2")
                            .arg(NativePath(files[i]), in.errorString()));
        const qint64 size = in.size();
        if (size > std::numeric_limits<qint32>::max())
            throw Error(QStringLiteral("Fisierul %1 depaseste 2 GB si nu poate fi salvat.")
                            .arg(NativePath(files[i])));
        writeInt32(out, qint32(names[i].size()));
        writeBytes(out, names[i].constData(), names[i].size());
        writeInt32(out, qint32(size));
        deflater.run(in, size, out);
    }
    if (!SaveWhole(out))
        throw Error(QStringLiteral("Arhiva %1 nu poate fi scrisa: %2.")
                        .arg(NativePath(archivePath), WriteFailureText(out)));
}

int backupDataDir(const QString &dataDir, const QString &archivePath, const ArchiveProgress &progress,
                  QStringList *skipped, const ArchiveHold &hold)
{
    const QStringList files = listDataFiles(dataDir, archivePath, skipped);
    CompressFiles(files, archivePath, progress, hold);
    return int(files.size());
}

} // namespace kovara
