#include "engines/dbf/DbfJournal.h"

#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/NativePath.h"
#include "base/Platform.h"
#include "base/SaveFile.h"
#include "engines/dbf/DbfFormat.h"

#include <algorithm>

namespace kovara::dbf::detail {
namespace {

constexpr char kMagic[8] = {'K', 'O', 'V', 'J', 'R', 'N', 'L', '1'};
constexpr int kHeadLength = 24;
constexpr int kEntryHead = 20;
constexpr qint64 kChunk = 64 * 1024; // the unit saved at once
constexpr qint64 kMaxRun = 256;      // up to 16 MB saved with one flush

quint64 checksum(const char *data, qint64 size, quint64 h = 1469598103934665603ULL)
{
    for (qint64 i = 0; i < size; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ULL;
    }
    return h;
}

void put64(char *p, quint64 v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

quint64 get64(const char *p)
{
    quint64 v = 0;
    for (int i = 0; i < 8; ++i)
        v |= quint64(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}

Error failure(const QString &tablePath, const QString &what)
{
    return Error(QStringLiteral("Jurnalul tabelului %1 %2.").arg(NativePath(tablePath), what));
}

bool readAt(QFile &file, qint64 pos, char *into, qint64 size)
{
    return file.seek(pos) && file.read(into, size) == size;
}

} // namespace

QString journalPathOf(const QString &tablePath)
{
    return tablePath + QStringLiteral("-jurnal");
}

Journal::Journal(const QString &tablePath, qint64 oldSize)
    : m_tablePath(tablePath)
    , m_path(journalPathOf(tablePath))
    , m_oldSize(oldSize)
    , m_saved(size_t((oldSize + kChunk - 1) / kChunk), false)
{
}

Journal::~Journal() = default;

void Journal::create()
{
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw failure(m_tablePath, QStringLiteral("nu poate fi creat (%1); tabelul nu a fost modificat")
                                       .arg(WriteFailureText(m_file)));
    char head[kHeadLength];
    std::copy(std::begin(kMagic), std::end(kMagic), head);
    put64(head + 8, quint64(m_oldSize));
    put64(head + 16, checksum(head, 16));
    if (m_file.write(head, kHeadLength) != kHeadLength)
        throw failure(m_tablePath, QStringLiteral("nu poate fi scris (%1); tabelul nu a fost modificat")
                                       .arg(WriteFailureText(m_file)));
}

void Journal::append(QFile &table, qint64 firstChunk, qint64 chunks)
{
    const qint64 pos = firstChunk * kChunk;
    const qint64 size = std::min(chunks * kChunk, m_oldSize - pos);
    QByteArray entry(kEntryHead + size, Qt::Uninitialized);
    char *p = entry.data();
    put64(p, quint64(pos));
    detail::putU32(p + 8, quint32(size));
    if (!readAt(table, pos, p + kEntryHead, size))
        throw failure(m_tablePath, QStringLiteral("nu poate citi tabelul; tabelul nu a fost modificat"));
    put64(p + 12, checksum(p + kEntryHead, size, checksum(p, 12)));
    if (m_file.write(entry) != entry.size())
        throw failure(m_tablePath, QStringLiteral("nu poate fi scris (%1); tabelul nu a fost modificat")
                                       .arg(WriteFailureText(m_file)));
    for (qint64 c = firstChunk; c < firstChunk + chunks; ++c)
        m_saved[size_t(c)] = true;
}

void Journal::protect(QFile &table, qint64 pos, qint64 size)
{
    if (size <= 0 || pos >= m_oldSize)
        return;
    const qint64 end = std::min(pos + size, m_oldSize);
    const qint64 total = qint64(m_saved.size());
    bool wrote = false;
    for (qint64 c = pos / kChunk; c * kChunk < end; ++c) {
        if (m_saved[size_t(c)])
            continue;
        if (!m_file.isOpen())
            create();
        // Writes that go forward through the file save ever larger runs
        // ahead, so a change of every record costs few flushes.
        m_run = c == m_nextRun ? std::min(m_run * 2, kMaxRun) : 1;
        qint64 n = 0;
        while (n < m_run && c + n < total && !m_saved[size_t(c + n)])
            ++n;
        append(table, c, n);
        m_nextRun = c + n;
        wrote = true;
    }
    if (!wrote)
        return;
    if (!platform::syncFile(m_file))
        throw failure(m_tablePath, QStringLiteral("nu poate fi scris pe disc; tabelul nu a fost modificat"));
    if (m_folderSynced)
        return;
    platform::syncFolderOf(m_path); // the journal's name, too, is on disk before the table changes
    m_folderSynced = true;
}

void Journal::commit(QFile &table)
{
    if (!m_file.isOpen())
        return; // nothing was changed
    if (!platform::syncFile(table))
        throw Error(QStringLiteral("Tabelul %1 nu poate fi scris pe disc.").arg(NativePath(m_tablePath)));
    crashPoint("dbf-write");
    m_file.close();
    QFile::remove(m_path);
    platform::syncFolderOf(m_path);
}

void Journal::rollback(QFile &table)
{
    if (!m_file.isOpen())
        return;
    m_file.close();
    recoverJournal(m_tablePath, table);
}

bool recoverJournal(const QString &tablePath, QFile &table)
{
    const QString path = journalPathOf(tablePath);
    QFile journal(path);
    if (!journal.exists())
        return false;
    if (!journal.open(QIODevice::ReadOnly))
        throw failure(tablePath, QStringLiteral("ramas de la o modificare neterminata nu poate fi citit"));
    const QByteArray bytes = journal.readAll();
    journal.close();
    const char *p = bytes.constData();
    const bool headOk = bytes.size() >= kHeadLength && std::equal(std::begin(kMagic), std::end(kMagic), p) &&
                        get64(p + 16) == checksum(p, 16);
    if (headOk) {
        const qint64 oldSize = qint64(get64(p + 8));
        qint64 at = kHeadLength;
        while (at + kEntryHead <= bytes.size()) {
            const qint64 pos = qint64(get64(p + at));
            const qint64 size = getU32(p + at + 8);
            if (at + kEntryHead + size > bytes.size() || pos < 0 || pos + size > oldSize ||
                get64(p + at + 12) != checksum(p + at + kEntryHead, size, checksum(p + at, 12)))
                break;
            if (!table.seek(pos) || table.write(p + at + kEntryHead, size) != size)
                throw failure(tablePath, QStringLiteral("nu poate fi aplicat: tabelul nu poate fi scris"));
            at += kEntryHead + size;
        }
        if (!table.resize(oldSize) || !platform::syncFile(table))
            throw failure(tablePath, QStringLiteral("nu poate fi aplicat: tabelul nu poate fi scris"));
    }
    if (!QFile::remove(path))
        throw failure(tablePath, QStringLiteral("nu poate fi sters dupa refacerea tabelului"));
    platform::syncFolderOf(path);
    return true;
}

} // namespace kovara::dbf::detail
