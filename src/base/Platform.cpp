// The parts of the platform calls that are the same everywhere.
#include "base/Platform.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <QSaveFile>
#include <algorithm>

namespace kovara::platform {

LockResult lockWithin(QFileDevice &file, LockKind kind, int timeoutMs, const std::function<void()> &waiting,
                      LockSlot slot)
{
    QElapsedTimer clock;
    clock.start();
    bool told = false;
    for (int pause = 1;; pause = std::min(pause * 2, 50)) {
        const LockResult r = tryLock(file, kind, slot);
        if (r != LockResult::Busy || clock.elapsed() >= timeoutMs)
            return r;
        if (!told && waiting) {
            told = true;
            waiting();
        }
        QThread::msleep(std::min<qint64>(pause, std::max<qint64>(1, timeoutMs - clock.elapsed())));
    }
}

LockResult lockThroughGate(QFileDevice &file, LockKind kind, int timeoutMs,
                           const std::function<void()> &waiting)
{
    QElapsedTimer clock;
    clock.start();
    const LockResult gate = lockWithin(file, kind, timeoutMs, waiting, LockSlot::Gate);
    if (gate != LockResult::Taken)
        return gate == LockResult::Unsupported ? lockWithin(file, kind, timeoutMs, waiting) : gate;
    const int left = int(std::max<qint64>(0, timeoutMs - clock.elapsed()));
    const LockResult table = lockWithin(file, kind, left, waiting);
    unlock(file, LockSlot::Gate);
    return table;
}

void syncFolderOf(const QString &path)
{
    syncFolder(QFileInfo(path).absolutePath());
}

bool commitReplacement(QSaveFile &file)
{
    const QString target = file.fileName();
    // A copy not on disk is never committed; it goes with the QSaveFile.
    if (!syncFile(file) || !file.commit())
        return false;
    syncFolderOf(target);
    return true;
}

bool MappedFile::map(qint64 offset, qint64 length)
{
    unmap();
    const qint64 total = fileSize();
    if (total < 0 || offset < 0 || offset >= total)
        return false;
    if (length < 0 || length > total - offset)
        length = total - offset;
    if (length == 0)
        return false;
    const qint64 start = offset - offset % viewAlignment();
    const qint64 viewSize = length + (offset - start);
    void *view = mapView(start, viewSize);
    if (!view)
        return false;
    m_base = view;
    m_baseSize = viewSize;
    m_data = static_cast<const char *>(view) + (offset - start);
    m_size = length;
    m_offset = offset;
    return true;
}

void MappedFile::unmap()
{
    if (m_base)
        unmapView(m_base, m_baseSize);
    m_base = nullptr;
    m_baseSize = 0;
    m_data = nullptr;
    m_size = 0;
    m_offset = 0;
}

} // namespace kovara::platform
