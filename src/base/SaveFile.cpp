#include "base/SaveFile.h"

#include "base/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace kovara {
namespace {

// Less room than this is a full disk: no file of the program fits.
constexpr qint64 kFullBelow = 64 * 1024;

QString existingFolderOf(const QString &path)
{
    QFileInfo info(path);
    QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    return folder;
}

} // namespace

bool SaveWhole(QSaveFile &file)
{
    return platform::commitReplacement(file);
}

bool SaveBytes(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && SaveWhole(file))
        return true;
    if (reason)
        *reason = WriteFailureText(file);
    return false;
}

QString DiskFullText()
{
    return QStringLiteral("discul este plin");
}

bool DiskFullAt(const QString &path)
{
    const QStorageInfo storage(existingFolderOf(path));
    return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < kFullBelow;
}

QString WriteFailureText(const QFileDevice &file)
{
    // A full disk is said so whatever the system called it ("No space left
    // on device", or nothing at all once the copy was dropped).
    if (file.error() == QFileDevice::ResourceError || DiskFullAt(file.fileName()))
        return DiskFullText();
    const QString reason = file.errorString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        return QStringLiteral("scrierea pe disc a esuat");
    return reason;
}

} // namespace kovara
