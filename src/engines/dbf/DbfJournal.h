#pragma once

// The rollback journal of a table: before a byte of the table is
// overwritten, its old value is written into "<file>-jurnal" beside the
// table and flushed to disk. A change that completes flushes the table and
// removes the journal; one that fails, or a crash, leaves the journal, and
// putting its bytes back (and cutting the file to its old length) gives
// the table as it was before the change, byte for byte.
//
// Journal layout: "KOVJRNL1", the table's old length (8 bytes), a checksum
// of those 16 bytes (8); then entries: position (8), length (4), checksum
// of position, length and bytes (8), the old bytes. An entry whose checksum
// does not match was being written when the crash came, so the table was
// not yet touched there; replay stops at it. Numbers are little-endian.
// Not part of the module's interface.

#include <QFile>
#include <QString>
#include <vector>

namespace kovara::dbf::detail {

QString journalPathOf(const QString &tablePath);

class Journal
{
public:
    // Nothing is written until the first protect().
    Journal(const QString &tablePath, qint64 oldSize);
    ~Journal();
    Journal(const Journal &) = delete;
    Journal &operator=(const Journal &) = delete;

    // Keeps the old bytes of [pos, pos + size) of `table` (those within the
    // old length) in the journal, on disk, before the caller overwrites them.
    void protect(QFile &table, qint64 pos, qint64 size);
    // The change is complete: the table is flushed, the journal removed.
    void commit(QFile &table);
    // Puts the old bytes back, cuts the table to its old length, flushes it
    // and removes the journal.
    void rollback(QFile &table);

private:
    void create();
    void append(QFile &table, qint64 firstChunk, qint64 chunks);

    QString m_tablePath;
    QString m_path;
    qint64 m_oldSize = 0;
    QFile m_file;
    std::vector<bool> m_saved; // per chunk of the old file
    qint64 m_nextRun = 0;      // the chunk after the last one saved
    qint64 m_run = 1;          // chunks saved at once; grows while writes go forward
    bool m_folderSynced = false;
};

// Puts back a journal left by an interrupted change into `table` (open for
// reading and writing, and locked against other writers). Returns true when
// a journal was found; a journal whose head never reached the disk is only
// removed. Fails with kovara::Error when the table cannot be put back.
bool recoverJournal(const QString &tablePath, QFile &table);

} // namespace kovara::dbf::detail
