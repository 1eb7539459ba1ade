#include "engines/dbf/DbfVtabTable.h"

#include "base/Error.h"
#include "engines/dbf/DbfFormat.h"
#include "engines/dbf/DbfIndexCache.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <zlib.h>

namespace kovara::sqlvtab {
namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

} // namespace

bool ColumnIndex::range(qint64 lo, qint64 hi, std::vector<qint32> &out) const
{
    const Entry probe{lo, std::numeric_limits<qint32>::min()};
    if (!inPlace) {
        auto first = std::lower_bound(entries.begin(), entries.end(), probe);
        for (auto it = first; it != entries.end() && it->key <= hi; ++it)
            out.push_back(it->recno);
        return true;
    }
    const InPlace &p = *inPlace;
    const auto sound = [&p](size_t i) {
        const size_t block = i / kBlockEntries;
        if (p.checked[block])
            return true;
        const size_t n = std::min(kBlockEntries, p.count - block * kBlockEntries);
        const auto *bytes = reinterpret_cast<const Bytef *>(p.begin + block * kBlockEntries);
        if (quint32(adler32(1, bytes, uInt(n * sizeof(Entry)))) != dbf::detail::getU32(p.sums + 4 * block))
            return false;
        p.checked[block] = 1;
        return true;
    };
    size_t low = 0, high = p.count;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (!sound(mid))
            return false;
        if (p.begin[mid] < probe)
            low = mid + 1;
        else
            high = mid;
    }
    for (size_t i = low; i < p.count; ++i) {
        if (!sound(i))
            return false;
        const Entry &e = p.begin[i];
        if (e.key > hi)
            break;
        if (e.recno < 0 || e.recno >= p.records)
            return false;
        out.push_back(e.recno);
    }
    return true;
}

bool ColumnIndex::materialize()
{
    if (!inPlace)
        return true;
    std::vector<qint32> all;
    if (!range(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), all))
        return false;
    entries.assign(inPlace->begin, inPlace->begin + inPlace->count);
    inPlace.reset();
    return true;
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
    // Indexes this connection kept up to date through its own changes are
    // saved for the next process, when the table is still as this
    // connection's last change left it.
    if (!indexesBuilt || !indexesChanged || !table || committedStamp.size < 0)
        return;
    try {
        if (platform::fileStamp(path) == committedStamp)
            SaveIndexCache(path, CacheKeyOf(*table, committedStamp), columns, indexes);
    } catch (...) {
        // only an aid
    }
}

void VTable::reopenReader()
{
    headerLength = table ? table->headerLength() : 0;
    reader.close();
    if (platform::kOpenFilesCanBeReplaced && reader.open(path))
        reader.map();
}

void VTable::readOne(qint64 recno, QByteArray &into)
{
    if (reader.isOpen()) {
        into.resize(recordLength);
        if (reader.readAt(table->headerLength() + recno * recordLength, into.data(), recordLength))
            return;
    }
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
    const platform::FileStamp now = platform::fileStamp(path);
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

void VTable::beginRead()
{
    if (readers++ > 0 || writable)
        return;
    readLock = dbf::ReadLock::take(path);
}

void VTable::endRead()
{
    if (readers > 0 && --readers == 0)
        readLock.reset();
}

void VTable::resumeReading()
{
    if (readers > 0 && !writable && !readLock)
        readLock = dbf::ReadLock::take(path);
}

void VTable::ensureWritable()
{
    if (readOnly)
        throw Error(
            QStringLiteral("Tabela %1 este deschisa doar pentru citire.").arg(QFileInfo(path).fileName()));
    // This connection's own reading gives way to its writing: the writer's
    // lock excludes the reader's, even in one process.
    readLock.reset();
    try {
        ensureFresh();
        // A change is made to indexes of this connection's own memory: those
        // read in place from the cache are copied first (or, when the cache
        // fails its checks, built again when next needed).
        for (ColumnIndex &ix : indexes)
            if (!ix.materialize()) {
                dropIndexes();
                break;
            }
        if (writable)
            return;
        table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        writable = true;
    } catch (...) {
        resumeReading();
        throw;
    }
}

// Back to reading only, so that the file is not held locked between statements.
void VTable::releaseWritable()
{
    if (!writable)
        return;
    table.reset();
    writable = false;
    table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    stamp = platform::fileStamp(path);
    // Records rewritten in place show through the mapping; a file that grew
    // is mapped again.
    if (!reader.data() || stamp.size != reader.size())
        reopenReader();
    resumeReading();
}

void VTable::dropIndexes()
{
    indexes.clear();
    indexesBuilt = false;
    indexesChanged = false;
}

ColumnIndex *VTable::indexOf(int column)
{
    for (ColumnIndex &ix : indexes)
        if (ix.column == column)
            return &ix;
    return nullptr;
}

void VTable::buildIndexes(bool fromTable)
{
    if (indexesBuilt)
        return;
    indexesChanged = false;
    // The table cannot change under this connection while it reads: the
    // cache of the state it reads is found, or written once built.
    const CacheKey key = CacheKeyOf(*table, stamp);
    if (!fromTable && LoadIndexCache(path, key, columns, indexedColumns, indexes)) {
        indexesBuilt = true;
        return;
    }
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
    if (stamp == platform::fileStamp(path))
        SaveIndexCache(path, key, columns, indexes);
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
    // The state this connection's indexes now describe, taken while the
    // writer's lock still keeps every other writer out.
    committedStamp = platform::fileStamp(path);
    indexesChanged = indexesChanged || indexesBuilt;
    releaseWritable();
    stamp = platform::fileStamp(path);
}

void VTable::rollback()
{
    inTransaction = false;
    if (!table || !table->inTransaction()) {
        releaseWritable();
        return;
    }
    // The file may be cut back to its old length under the mapping.
    reader.unmap();
    table->rollback();
    table.reset();
    writable = false;
    table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    reopenReader();
    dropIndexes();
    stamp = platform::fileStamp(path);
    resumeReading();
}

} // namespace kovara::sqlvtab
