// The platform calls on Windows. File names go to the system as wide
// strings with native separators.
#include "base/Platform.h"

#include <QDir>
#include <QFileDevice>
#include <algorithm>
#include <string>

#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace kovara::platform {
namespace {

HANDLE osHandle(QFileDevice &file)
{
    const int fd = file.handle();
    return fd < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// The byte that is locked: far beyond any real file, so that the lock keeps
// out other lockers and never a reader of the file's bytes.
OVERLAPPED lockedByte(LockSlot slot)
{
    OVERLAPPED ov = {};
    ov.Offset = 0xFFFFFFF0u + (slot == LockSlot::Gate ? 1u : 0u);
    ov.OffsetHigh = 0x7FFFFFFFu;
    return ov;
}

DWORD lockFlags(LockKind kind)
{
    return kind == LockKind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0;
}

qint64 allocationGranularity()
{
    SYSTEM_INFO info;
    ::GetSystemInfo(&info);
    return qint64(info.dwAllocationGranularity);
}

} // namespace

LockResult tryLock(QFileDevice &file, LockKind kind, LockSlot slot)
{
    const HANDLE h = osHandle(file);
    if (h == INVALID_HANDLE_VALUE)
        return LockResult::Unsupported;
    OVERLAPPED ov = lockedByte(slot);
    if (::LockFileEx(h, lockFlags(kind) | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov))
        return LockResult::Taken;
    return ::GetLastError() == ERROR_LOCK_VIOLATION ? LockResult::Busy : LockResult::Unsupported;
}

bool lock(QFileDevice &file, LockKind kind, LockSlot slot)
{
    const HANDLE h = osHandle(file);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED ov = lockedByte(slot);
    return ::LockFileEx(h, lockFlags(kind), 0, 1, 0, &ov) != 0;
}

void unlock(QFileDevice &file, LockSlot slot)
{
    const HANDLE h = osHandle(file);
    if (h == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED ov = lockedByte(slot);
    ::UnlockFileEx(h, 0, 1, 0, &ov);
}

QString sharedLockFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, buffer);
    return n > 0 ? QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(n))) : QDir::tempPath();
}

QString userIdentity()
{
    wchar_t buffer[257] = {};
    DWORD n = 257;
    return ::GetUserNameW(buffer, &n) && n > 1 ? QString::fromWCharArray(buffer, int(n - 1))
                                               : QStringLiteral("utilizator");
}

QString localServerName(const QString &key)
{
    return key;
}

bool processRunning(qint64 pid)
{
    if (pid <= 0 || pid > 0xFFFFFFFFLL)
        return false;
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED; // another user's process
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

bool syncFile(QFileDevice &file)
{
    if (!file.flush())
        return false;
    const HANDLE h = osHandle(file);
    return h != INVALID_HANDLE_VALUE && ::FlushFileBuffers(h) != 0;
}

void syncFolder(const QString &dir)
{
    // NTFS keeps folder entries in its own journal, and renames are made
    // with MOVEFILE_WRITE_THROUGH: nothing to do here.
    Q_UNUSED(dir);
}

bool renameFile(const QString &from, const QString &to, Rename mode)
{
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (mode == Rename::ReplaceExisting)
        flags |= MOVEFILE_REPLACE_EXISTING;
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), flags) != 0;
}

FileStamp fileStamp(const QString &path)
{
    FileStamp s;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) {
        s.size = qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
        const quint64 ticks =
            (quint64(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
        s.mtimeNs = qint64(ticks * 100); // 100 ns ticks since 1601
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
    const HANDLE h = ::CreateFileW(wide(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    m_handle = reinterpret_cast<qintptr>(h);
    return true;
}

void MappedFile::close()
{
    unmap();
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

bool MappedFile::isOpen() const
{
    return m_handle != -1;
}

qint64 MappedFile::fileSize() const
{
    LARGE_INTEGER size;
    if (m_handle == -1 || !::GetFileSizeEx(reinterpret_cast<HANDLE>(m_handle), &size))
        return -1;
    return qint64(size.QuadPart);
}

qint64 MappedFile::viewAlignment()
{
    return allocationGranularity();
}

void *MappedFile::mapView(qint64 start, qint64 size) const
{
    const HANDLE mapping =
        ::CreateFileMappingW(reinterpret_cast<HANDLE>(m_handle), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping)
        return nullptr;
    void *view = ::MapViewOfFile(mapping, FILE_MAP_READ, DWORD(quint64(start) >> 32),
                                 DWORD(quint64(start) & 0xFFFFFFFFu), SIZE_T(size));
    ::CloseHandle(mapping); // the view keeps the mapping
    return view;
}

void MappedFile::unmapView(void *view, qint64 size)
{
    Q_UNUSED(size);
    ::UnmapViewOfFile(view);
}

bool MappedFile::readAt(qint64 pos, char *into, qint64 size) const
{
    if (m_handle == -1 || pos < 0)
        return false;
    while (size > 0) {
        OVERLAPPED ov = {};
        ov.Offset = DWORD(quint64(pos) & 0xFFFFFFFFu);
        ov.OffsetHigh = DWORD(quint64(pos) >> 32);
        const DWORD want = DWORD(std::min<qint64>(size, 1 << 30));
        DWORD got = 0;
        if (!::ReadFile(reinterpret_cast<HANDLE>(m_handle), into, want, &got, &ov) || got == 0)
            return false;
        into += got;
        pos += got;
        size -= got;
    }
    return true;
}

void MappedFile::release(const char *from, const char *to) const
{
    // The pages of a view are trimmed by the system as memory is needed.
    Q_UNUSED(from);
    Q_UNUSED(to);
}

} // namespace kovara::platform
