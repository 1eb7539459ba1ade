#pragma once

// The calls the program makes to the operating system on files: locks on an
// open file, writes made durable, renames, a file's stamp and read-only
// mappings. PlatformPosix.cpp carries them out on Unix, PlatformWindows.cpp
// on Windows; no other file of the program includes a system header for them.

#include <QString>

#include <QtGlobal>
#include <functional>

class QFileDevice;
class QSaveFile;

namespace kovara::platform {

// ---- Locks on an open file ----
// The lock belongs to the open file: two opens of the same file exclude each
// other even in one process, and closing the file lets go of its lock. On
// Windows one byte far beyond any real file is locked, so that the mandatory
// locks of Windows do not keep readers out.

enum class LockKind { Shared, Exclusive };
// Two locks per file, on two bytes far beyond its end: the table itself, and
// the gate that a writer holds while it waits for the readers to leave, so
// that a steady stream of readers never keeps a writer out (nor a writer
// that changes again and again the readers).
enum class LockSlot { Table, Gate };
enum class LockResult {
    Taken,      // the lock is held
    Busy,       // another open of the file holds a lock that excludes it
    Unsupported // the file system keeps no locks (or refused for another reason)
};

// Takes the lock if it can be had at once.
LockResult tryLock(QFileDevice &file, LockKind kind, LockSlot slot = LockSlot::Table);
// Waits until the lock can be had. False when the file system keeps no locks.
bool lock(QFileDevice &file, LockKind kind, LockSlot slot = LockSlot::Table);
// Waits at most `timeoutMs` for the lock: Taken, Busy when the time ran out,
// Unsupported as tryLock. `waiting` is called once, the first time the lock
// is not free at once (to tell the user what the program waits for).
LockResult lockWithin(QFileDevice &file, LockKind kind, int timeoutMs,
                      const std::function<void()> &waiting = {}, LockSlot slot = LockSlot::Table);
// The table's lock taken through its gate (see LockSlot): the gate first,
// then the table, then the gate is let go. Waits at most `timeoutMs` in all.
LockResult lockThroughGate(QFileDevice &file, LockKind kind, int timeoutMs,
                           const std::function<void()> &waiting = {});
void unlock(QFileDevice &file, LockSlot slot = LockSlot::Table);

// ---- One running copy ----
// A folder for the program's per-user lock that every copy finds, whatever
// its environment (TMPDIR, TEMP): "/tmp" on Unix, the user's temporary
// folder on Windows.
QString sharedLockFolder();
// The user the program runs as, as the system knows it (the user id on
// Unix, the account name on Windows), never from the environment on Unix.
QString userIdentity();
// The name a local server of `key` listens on: a path in
// sharedLockFolder() on Unix, a pipe name on Windows.
QString localServerName(const QString &key);

// Whether a process of that number runs now (any user's). A number the
// system gave again to a new process counts as running.
bool processRunning(qint64 pid);

// ---- Durable writes ----

// Puts the file's written bytes on disk (Qt's buffer, then the system's).
bool syncFile(QFileDevice &file);
// Puts the entries of a folder on disk: a file created, renamed or removed in
// it survives a power cut. Nothing to do where the system does it itself.
void syncFolder(const QString &dir);
void syncFolderOf(const QString &path);

// A file written whole with QSaveFile takes the old one's place durably:
// its bytes on disk, then the rename, then the folder's entry.
bool commitReplacement(QSaveFile &file);

enum class Rename { KeepExisting, ReplaceExisting };
// Renames a file (or a link). With KeepExisting it fails when something is
// already at `to`; with ReplaceExisting the file there is replaced in one step.
bool renameFile(const QString &from, const QString &to, Rename mode);

// ---- A file's stamp ----

// What tells one state of a file from another: it changes when the file is
// written or replaced.
struct FileStamp
{
    qint64 size = -1; // -1: no such file
    qint64 mtimeNs = 0;
    quint64 id = 0; // the file's number on its disk, where the system gives it
    bool operator==(const FileStamp &) const = default;
};
FileStamp fileStamp(const QString &path);

// Whether a file may be renamed over, or cut shorter, while it is open (or
// mapped) elsewhere. Not on Windows: there a file is closed before it is
// replaced, and a reader that stays between statements holds no descriptor
// or mapping of its own.
#ifdef Q_OS_WIN
constexpr bool kOpenFilesCanBeReplaced = false;
#else
constexpr bool kOpenFilesCanBeReplaced = true;
#endif

// ---- Read-only mappings ----

// A file opened for reading, with a window of it mapped into memory.
class MappedFile
{
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    // Opens the file for reading (closing any file open before).
    bool open(const QString &path);
    void close();
    bool isOpen() const;
    // The file's length now.
    qint64 fileSize() const;

    // Maps `length` bytes from `offset` (to the end of the file when
    // negative). False, with nothing mapped, when the window is empty or
    // cannot be mapped.
    bool map(qint64 offset = 0, qint64 length = -1);
    void unmap();
    // The window's bytes; null when nothing is mapped.
    const char *data() const { return m_data; }
    qint64 size() const { return m_size; }
    qint64 offset() const { return m_offset; }

    // Reads bytes at a position of the file (also outside the window).
    bool readAt(qint64 pos, char *into, qint64 size) const;
    // Lets go of the pages of a part of the window that has been read: they
    // stay in the file cache but no longer count as this process's memory.
    void release(const char *from, const char *to) const;

private:
    // The operating system's side of map() and unmap(): where a view may
    // start (the page size, or the allocation granularity on Windows), and a
    // read-only view of `size` bytes from `start` (null when refused).
    static qint64 viewAlignment();
    void *mapView(qint64 start, qint64 size) const;
    static void unmapView(void *view, qint64 size);

    qintptr m_handle = -1;  // the descriptor or HANDLE; -1 when closed
    void *m_base = nullptr; // the mapping, from a page boundary
    qint64 m_baseSize = 0;
    const char *m_data = nullptr;
    qint64 m_size = 0;
    qint64 m_offset = 0;
};

} // namespace kovara::platform
