#include "engines/dbf/DbfVtabTable.h"

#include "base/Error.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kovara::sqlvtab {
namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

} // namespace

FileStamp stampOf(const QString &path)
{
    FileStamp s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        s.size = st.st_size;
        s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        s.inode = st.st_ino;
    }
#else
    QFileInfo fi(path);
    if (fi.exists()) {
        s.size = fi.size();
        s.mtimeNs = fi.lastModified().toMSecsSinceEpoch() * 1000000;
    }
#endif
    return s;
}

void ColumnIndex::insert(qint64 key, qint32 recno)
{
    const Entry e{key, recno};
    entries.insert(std::upper_bound(entries.begin(), entries.end(), e), e);
}

void ColumnIndex::erase(qint64 key, qint32 recno)
{
    const Entry e{key, recno};
    auto it = std::lower_bound(entries.begin(), entries.end(), e);
    if (it != entries.end() && it->key == key && it->recno == recno)
        entries.erase(it);
}

int keyOf(const Column &c, const char *record, qint64 &key)
{
    const char *p = record + c.offset;
    if (sqlcodec::isBlank(p, c.length))
        return 0;
    if (c.kind == sqlcodec::Kind::Date) {
        int d = 0;
        if (!sqlcodec::parseDate(p, sqlcodec::trimmedLength(p, c.length), d))
            return 0; // reads as null
        key = d;
        return 1;
    }
    if (sqlcodec::parseInteger(p, c.length, key))
        return 1;
    double real = 0;
    return sqlcodec::parseReal(p, c.length, real) ? -1 : 0;
}

VTable::~VTable()
{
#ifdef Q_OS_UNIX
    if (map)
        ::munmap(const_cast<char *>(map), size_t(mapSize));
    if (readFd >= 0)
        ::close(readFd);
#endif
}

void VTable::reopenReader()
{
    headerLength = table ? table->headerLength() : 0;
#ifdef Q_OS_UNIX
    if (map)
        ::munmap(const_cast<char *>(map), size_t(mapSize));
    map = nullptr;
    mapSize = 0;
    if (readFd >= 0)
        ::close(readFd);
    readFd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (readFd >= 0 && ::fstat(readFd, &st) == 0 && st.st_size > 0) {
        void *m = ::mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_SHARED, readFd, 0);
        if (m != MAP_FAILED) {
            map = static_cast<const char *>(m);
            mapSize = st.st_size;
        }
    }
#endif
}

void VTable::dropPages(const char *from, const char *to) const
{
#ifdef Q_OS_UNIX
    if (!map || to <= from)
        return;
    static const quintptr page = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(from) + page - 1) & ~(page - 1);
    const quintptr end = quintptr(to) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_DONTNEED);
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}

void VTable::readOne(qint64 recno, QByteArray &into)
{
#ifdef Q_OS_UNIX
    if (readFd >= 0) {
        into.resize(recordLength);
        const off_t at = off_t(table->headerLength()) + off_t(recno) * recordLength;
        if (::pread(readFd, into.data(), size_t(recordLength), at) == recordLength)
            return;
    }
#endif
    table->readRecords(recno, 1, into);
}

void VTable::setError(const QString &message)
{
    sqlite3_free(zErrMsg);
    zErrMsg = sqlite3_mprintf("%s", message.toUtf8().constData());
}

void VTable::ensureFresh()
{
    if (inTransaction)
        return;
    const FileStamp now = stampOf(path);
    if (now == stamp && table)
        return;
    auto reopened = dbf::Table::open(path, writable ? dbf::Mode::ReadWrite : dbf::Mode::ReadOnly);
    const QList<dbf::Field> &f = reopened->fields();
    bool same = f.size() == fields.size() && reopened->recordLength() == recordLength;
    for (int i = 0; same && i < f.size(); ++i)
        same = f[i].name == fields[i].name && f[i].type == fields[i].type &&
               f[i].length == fields[i].length && f[i].decimals == fields[i].decimals &&
               f[i].offset == fields[i].offset;
    if (!same)
        throw Error(QStringLiteral("Structura tabelei %1 s-a schimbat; tabela trebuie deschisa din nou.")
                        .arg(QFileInfo(path).fileName()));
    table = std::move(reopened);
    stamp = now;
    reopenReader();
    dropIndexes();
}

void VTable::ensureWritable()
{
    if (readOnly)
        throw Error(
            QStringLiteral("Tabela %1 este deschisa doar pentru citire.").arg(QFileInfo(path).fileName()));
    ensureFresh();
    if (writable)
        return;
    table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    writable = true;
}

// Back to reading only, so that the file is not held locked between statements.
void VTable::releaseWritable()
{
    if (!writable)
        return;
    table.reset();
    writable = false;
    table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    stamp = stampOf(path);
    // Records rewritten in place show through the mapping; a file that grew
    // is mapped again.
    if (!map || stamp.size != mapSize)
        reopenReader();
}

void VTable::dropIndexes()
{
    indexes.clear();
    indexesBuilt = false;
}

ColumnIndex *VTable::indexOf(int column)
{
    for (ColumnIndex &ix : indexes)
        if (ix.column == column)
            return &ix;
    return nullptr;
}

void VTable::buildIndexes()
{
    if (indexesBuilt)
        return;
    indexes.clear();
    for (int c : indexedColumns) {
        ColumnIndex ix;
        ix.column = c;
        indexes.push_back(std::move(ix));
    }
    const qint64 count = table->recordCount();
    for (ColumnIndex &ix : indexes)
        ix.entries.reserve(size_t(count));
    dbf::scanRecords(
        *table,
        [&](qint64 first, qint64 n, const char *block) {
            for (qint64 i = 0; i < n; ++i)
                indexAdd(first + i, block + i * recordLength);
        },
        kBlockBytes);
    for (ColumnIndex &ix : indexes)
        std::sort(ix.entries.begin(), ix.entries.end());
    indexesBuilt = true;
}

void VTable::indexAdd(qint64 recno, const char *record)
{
    if (record[0] == '*')
        return;
    for (ColumnIndex &ix : indexes) {
        qint64 key = 0;
        const int k = keyOf(columns[size_t(ix.column)], record, key);
        if (k > 0) {
            if (indexesBuilt)
                ix.insert(key, qint32(recno));
            else
                ix.entries.push_back({key, qint32(recno)});
        } else if (k < 0) {
            ix.odd.push_back(qint32(recno));
        }
    }
}

void VTable::indexChange(qint64 recno, const char *before, const char *after)
{
    for (ColumnIndex &ix : indexes) {
        const Column &c = columns[size_t(ix.column)];
        qint64 k1 = 0, k2 = 0;
        const int s1 = keyOf(c, before, k1), s2 = keyOf(c, after, k2);
        if (s1 == s2 && (s1 != 1 || k1 == k2))
            continue; // the key stays: nothing moves
        if (s1 > 0)
            ix.erase(k1, qint32(recno));
        else if (s1 < 0)
            ix.odd.erase(std::remove(ix.odd.begin(), ix.odd.end(), qint32(recno)), ix.odd.end());
        if (s2 > 0)
            ix.insert(k2, qint32(recno));
        else if (s2 < 0)
            ix.odd.push_back(qint32(recno));
    }
}

void VTable::indexRemove(qint64 recno, const char *record)
{
    if (record[0] == '*')
        return;
    for (ColumnIndex &ix : indexes) {
        qint64 key = 0;
        const int k = keyOf(columns[size_t(ix.column)], record, key);
        if (k > 0)
            ix.erase(key, qint32(recno));
        else if (k < 0)
            ix.odd.erase(std::remove(ix.odd.begin(), ix.odd.end(), qint32(recno)), ix.odd.end());
    }
}

void VTable::begin()
{
    ensureWritable();
    if (!table->inTransaction())
        table->beginTransaction();
    inTransaction = true;
}

void VTable::commit()
{
    inTransaction = false;
    if (table && table->inTransaction())
        table->commit();
    releaseWritable();
    stamp = stampOf(path);
}

void VTable::rollback()
{
    inTransaction = false;
    if (!table || !table->inTransaction()) {
        releaseWritable();
        return;
    }
#ifdef Q_OS_UNIX
    // The file may be cut back to its old length under the mapping.
    if (map)
        ::munmap(const_cast<char *>(map), size_t(mapSize));
    map = nullptr;
    mapSize = 0;
#endif
    table->rollback();
    table.reset();
    writable = false;
    table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    reopenReader();
    dropIndexes();
    stamp = stampOf(path);
}

} // namespace kovara::sqlvtab
