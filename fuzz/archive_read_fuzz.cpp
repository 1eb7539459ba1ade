// Reads arbitrary bytes as a backup archive: checks it, then restores it into
// a scratch data folder. Nothing may crash, and nothing may be written
// outside the data folder.
#include "base/Error.h"
#include "engines/archive/Archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir root;
    const QString kov = root.filePath(QStringLiteral("in.kov"));
    const QString dataDir = root.filePath(QStringLiteral("Data"));
    QFile f(kov);
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    f.write(reinterpret_cast<const char *>(data), qint64(size));
    f.close();
    QDir(dataDir).removeRecursively();
    QDir().mkpath(dataDir);

    // The check and the restore agree; a refused restore leaves the folder empty.
    bool verified = false, restored = false;
    try {
        kovara::VerifyArchive(kov);
        verified = true;
    } catch (const kovara::Error &) {
    }
    try {
        kovara::restoreDataDir(kov, dataDir);
        restored = true;
    } catch (const kovara::Error &) {
    }
    if (verified != restored)
        std::abort();
    if (!restored &&
        !QDir(dataDir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        std::abort();
    // Only the archive and the data folder may exist beside each other.
    if (QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() != 2)
        std::abort();
    return 0;
}
