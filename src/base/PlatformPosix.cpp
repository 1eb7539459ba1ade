// The platform calls on Unix.
#include "base/Platform.h"

#include <QFile>
#include <QFileDevice>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kovara::platform {
namespace {

// Open-file-description locks on one byte far beyond any real file: they
// belong to the open file (two opens exclude each other, even in one
// process) and never keep a reader from the file's bytes.
bool ofdLock(QFileDevice &file, short type, LockSlot slot, bool wait)
{
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = (off_t(0x7FFFFFFF) << 32) + off_t(0xFFFFFFF0u) + (slot == LockSlot::Gate ? 1 : 0);
    fl.l_len = 1;
    for (;;) {
        if (::fcntl(file.handle(), wait ? F_OFD_SETLKW : F_OFD_SETLK, &fl) == 0)
            return true;
        if (errno != EINTR || !wait)
            return false;
    }
}

short lockType(LockKind kind)
{
    return kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK;
}

quintptr pageSize()
{
    static const quintptr page = quintptr(::sysconf(_SC_PAGESIZE));
    return page;
}

} // namespace

LockResult tryLock(QFileDevice &file, LockKind kind, LockSlot slot)
{
    if (ofdLock(file, lockType(kind), slot, false))
        return LockResult::Taken;
    return errno == EACCES || errno == EAGAIN || errno == EINTR ? LockResult::Busy : LockResult::Unsupported;
}

bool lock(QFileDevice &file, LockKind kind, LockSlot slot)
{
    return ofdLock(file, lockType(kind), slot, true);
}

void unlock(QFileDevice &file, LockSlot slot)
{
    ofdLock(file, F_UNLCK, slot, false);
}

QString sharedLockFolder()
{
    return QStringLiteral("/tmp");
}

QString userIdentity()
{
    return QStringLiteral("uid%1").arg(::getuid());
}

QString localServerName(const QString &key)
{
    return sharedLockFolder() + QLatin1Char('/') + key + QStringLiteral(".socket");
}

bool processRunning(qint64 pid)
{
    if (pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool syncFile(QFileDevice &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

void syncFolder(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool renameFile(const QString &from, const QString &to, Rename mode)
{
    const QByteArray target = QFile::encodeName(to);
    struct stat st;
    if (mode == Rename::KeepExisting && ::lstat(target.constData(), &st) == 0)
        return false;
    return ::rename(QFile::encodeName(from).constData(), target.constData()) == 0;
}

FileStamp fileStamp(const QString &path)
{
    FileStamp s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        s.size = st.st_size;
        s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        s.id = st.st_ino;
    }
    return s;
}

MappedFile::~MappedFile()
{
    close();
}

bool MappedFile::open(const QString &path)
{
    close();
    m_handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    return m_handle >= 0;
}

void MappedFile::close()
{
    unmap();
    if (m_handle >= 0)
        ::close(int(m_handle));
    m_handle = -1;
}

bool MappedFile::isOpen() const
{
    return m_handle >= 0;
}

qint64 MappedFile::fileSize() const
{
    struct stat st;
    return m_handle >= 0 && ::fstat(int(m_handle), &st) == 0 ? qint64(st.st_size) : -1;
}

qint64 MappedFile::viewAlignment()
{
    return qint64(pageSize());
}

void *MappedFile::mapView(qint64 start, qint64 size) const
{
    void *view = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, int(m_handle), off_t(start));
    return view == MAP_FAILED ? nullptr : view;
}

void MappedFile::unmapView(void *view, qint64 size)
{
    ::munmap(view, size_t(size));
}

bool MappedFile::readAt(qint64 pos, char *into, qint64 size) const
{
    if (m_handle < 0 || pos < 0)
        return false;
    while (size > 0) {
        const ssize_t n = ::pread(int(m_handle), into, size_t(size), off_t(pos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        into += n;
        pos += n;
        size -= n;
    }
    return true;
}

void MappedFile::release(const char *from, const char *to) const
{
    if (!m_base)
        return;
    const quintptr low = quintptr(m_base), high = low + quintptr(m_baseSize);
    const quintptr begin = (std::max(quintptr(from), low) + pageSize() - 1) & ~(pageSize() - 1);
    const quintptr end = std::min(quintptr(to), high) & ~(pageSize() - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_DONTNEED);
}

} // namespace kovara::platform
