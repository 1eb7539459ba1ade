#pragma once

// Backup archives (*.kov) of the data folder.
//
// Layout, every integer signed 32-bit little-endian:
//   count N
//   N times: name length L, name ("Data\" + file name, Windows-1250),
//            size S, one zlib stream (level 9) that inflates to S bytes.
// The compressed length is not stored: an entry ends where its stream ends.
//
// Every file is streamed through fixed buffers; no file is held in memory.
// A large file is compressed in blocks on every core and still written as
// one zlib stream (ParallelDeflate.h).

#include "base/Error.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kovara {

// Called once per archive entry with its position and the number of entries.
using ArchiveProgress = std::function<void(int position, int maximum)>;

struct ArchiveEntry
{
    QString name;      // the file's name inside the data folder (no "Data\")
    qint64 size = 0;   // its size once inflated
    quint32 adler = 0; // Adler-32 of its bytes
};

// folder + "/Data/" + name for every file of folder/Data that is not a
// subfolder and is not empty, in the order they are stored.
QStringList ListFileDir(const QString &folder);

// The same for a data folder named directly. `except`, when given, is a file
// left out of the list (an archive being written into the data folder).
// Only regular files are listed: links (and anything else) are left out and
// their names added to `links` when given.
QStringList listDataFiles(const QString &dataDir, const QString &except = QString(),
                          QStringList *links = nullptr);

// Called before a file is read into the archive; what it returns is kept
// until the file has been read (a reader's lock on a table, so that no
// change is saved half done). It may throw to stop the backup.
using ArchiveHold = std::function<std::shared_ptr<void>(const QString &path)>;

// Writes the archive of the files. An empty list writes nothing. The archive
// appears under its name only once complete; an older file of that name stays
// untouched when anything fails.
void CompressFiles(const QStringList &files, const QString &archivePath, const ArchiveProgress &progress = {},
                   const ArchiveHold &hold = {});

// Called with each entry once it has been read and found sound.
using ArchiveEntrySeen = std::function<void(const ArchiveEntry &entry)>;

// Reads the whole archive, inflates every entry and checks its size, its
// checksum, its name and what follows the last entry. Returns the entries;
// throws kovara::Error with the reason when anything is wrong.
QList<ArchiveEntry> VerifyArchive(const QString &archivePath, const ArchiveProgress &progress = {},
                                  const ArchiveEntrySeen &seen = {});

// Thrown by a restore when, after a failure, the old files could not all be
// put back: the data folder is incomplete (the message says where the old
// files are) and the program must not go on with it.
class IncompleteRestore : public Error
{
public:
    using Error::Error;
};

// Restores targetFolder/Data from the archive (see restoreDataDir).
QList<ArchiveEntry> DecompressFiles(const QString &archivePath, const QString &targetFolder,
                                    const ArchiveProgress &progress = {});

// Replaces the files of the data folder (not its subfolders) with the files
// of the archive. The archive is read and checked completely while its files
// are written into a scratch folder inside the data folder; only then are the
// old files moved aside and the new ones put in place. On any failure the
// data folder is left as it was; a crash during the renames is finished at
// the next start (FinishInterruptedRestore). An entry that would not fit in
// the free space of the disk is refused before it is written. A stored name that differs from an existing
// file (or from Cereri.dbf and Kovara.ini) only in letter case takes that
// spelling, since the program matches file names without regard to case.
QList<ArchiveEntry> restoreDataDir(const QString &archivePath, const QString &dataDir,
                                   const ArchiveProgress &progress = {});

// Finishes a restore of the data folder that a crash cut short in the
// middle of its renames (its plan was on disk), so the folder holds wholly
// the restored files, or, when that cannot be done, wholly the old ones;
// and removes the scratch folders of restores that never got that far.
// Nothing when a restore is running. Throws IncompleteRestore when neither
// can be done. Run before the data folder is used.
void FinishInterruptedRestore(const QString &dataDir);

// Saves the data folder into the archive; returns the number of files saved
// (0: the folder holds no non-empty file and no archive was written). Links
// are not followed: their names go into `skipped` when given.
int backupDataDir(const QString &dataDir, const QString &archivePath, const ArchiveProgress &progress = {},
                  QStringList *skipped = nullptr, const ArchiveHold &hold = {});

} // namespace kovara
