#include "engines/dbf/DbfIndexCache.h"

#include "base/FileNames.h"
#include "base/SaveFile.h"
#include "engines/dbf/DbfFormat.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace kovara::sqlvtab {
namespace {

constexpr char kMagic[8] = {'K', 'O', 'V', 'I', 'D', 'X', '0', '3'};
constexpr qint64 kSamples = 64;
// Entries are kept as they are in memory (key, record number, four zero
// bytes; little-endian), so that a section is read in one piece.
constexpr int kEntryBytes = 16;
static_assert(sizeof(ColumnIndex::Entry) == kEntryBytes && alignof(ColumnIndex::Entry) == 8);
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
constexpr int kNameBytes = 11;

// Fixed-width little-endian fields, written and read in one place.
class Writer
{
public:
    void bytes(const void *p, qint64 n) { m_out.append(static_cast<const char *>(p), n); }
    void u32(quint32 v)
    {
        char b[4];
        dbf::detail::putU32(b, v);
        bytes(b, 4);
    }
    void i64(qint64 v)
    {
        u32(quint32(quint64(v) & 0xFFFFFFFFu));
        u32(quint32(quint64(v) >> 32));
    }
    QByteArray &out() { return m_out; }

private:
    QByteArray m_out;
};

class Reader
{
public:
    explicit Reader(const QByteArray &in)
        : m_in(in)
    {
    }
    bool has(qint64 n) const { return n >= 0 && m_at + n <= m_in.size(); }
    const char *take(qint64 n)
    {
        if (n == 0 && has(0))
            return m_in.constData() + m_at;
        if (!has(n)) {
            m_bad = true;
            return nullptr;
        }
        const char *p = m_in.constData() + m_at;
        m_at += n;
        return p;
    }
    quint32 u32()
    {
        const char *p = take(4);
        if (!p)
            return 0;
        return dbf::detail::getU32(p);
    }
    qint64 i64()
    {
        const quint64 low = u32();
        return qint64(low | (quint64(u32()) << 32));
    }
    bool bad() const { return m_bad; }
    bool atEnd() const { return m_at == m_in.size(); }
    // The bytes up to the next 8-byte boundary.
    qint64 padding() const { return (8 - m_at % 8) % 8; }

private:
    const QByteArray m_in; // shares the caller's bytes
    qint64 m_at = 0;
    bool m_bad = false;
};

void writeKey(Writer &w, const CacheKey &k)
{
    w.i64(k.size);
    w.i64(k.mtimeNs);
    w.i64(k.records);
    w.i64(k.recordLength);
    w.u32(k.headerSum);
    w.u32(k.sampleSum);
}

CacheKey readKey(Reader &r)
{
    CacheKey k;
    k.size = r.i64();
    k.mtimeNs = r.i64();
    k.records = r.i64();
    k.recordLength = r.i64();
    k.headerSum = r.u32();
    k.sampleSum = r.u32();
    return k;
}

// What a section must describe: the column's name and place in the record.
QByteArray columnName(const Column &c)
{
    QByteArray name = c.name.left(kNameBytes);
    name.append(QByteArray(kNameBytes - name.size(), '\0'));
    return name;
}

} // namespace

CacheKey CacheKeyOf(const dbf::Table &table, const platform::FileStamp &stamp)
{
    CacheKey k;
    k.size = stamp.size;
    k.mtimeNs = stamp.mtimeNs;
    k.records = table.recordCount();
    k.recordLength = table.recordLength();
    const QByteArray &header = table.headerBytes();
    k.headerSum =
        quint32(adler32(1, reinterpret_cast<const Bytef *>(header.constData()), uInt(header.size())));
    uLong sum = adler32(0, nullptr, 0);
    if (k.records > 0) {
        QByteArray record;
        for (qint64 i = 0; i <= kSamples; ++i) {
            const qint64 recno = (k.records - 1) * i / kSamples; // the first, the last, and between
            record = table.readRecord(recno);
            sum = adler32(sum, reinterpret_cast<const Bytef *>(record.constData()), uInt(record.size()));
        }
    }
    k.sampleSum = quint32(sum);
    return k;
}

bool LoadIndexCache(const QString &tablePath, const CacheKey &key, const std::vector<Column> &columns,
                    const std::vector<int> &indexed, std::vector<ColumnIndex> &indexes)
{
    auto file = std::make_shared<platform::MappedFile>();
    if (!file->open(IndexCachePath(tablePath)) || !file->map())
        return false;
    // The mapping read as bytes: sections are found and checked here, the
    // entries themselves only as lookups touch them.
    const QByteArray bytes = QByteArray::fromRawData(file->data(), file->size());
    Reader r(bytes);
    const char *magic = r.take(sizeof kMagic);
    if (!magic || std::memcmp(magic, kMagic, sizeof kMagic) != 0 || !(readKey(r) == key) ||
        r.u32() != quint32(indexed.size()))
        return false;
    std::vector<ColumnIndex> loaded;
    for (int column : indexed) {
        const Column &c = columns[size_t(column)];
        const char *name = r.take(kNameBytes);
        const quint32 offset = r.u32(), length = r.u32();
        const qint64 entries = r.u32(), odd = r.u32();
        const quint32 oddSum = r.u32();
        const qint64 blocks =
            (entries + qint64(ColumnIndex::kBlockEntries) - 1) / qint64(ColumnIndex::kBlockEntries);
        if (r.bad() || !name || QByteArray(name, kNameBytes) != columnName(c) ||
            offset != quint32(c.offset) || length != quint32(c.length) || entries > key.records ||
            odd > key.records)
            return false;
        const char *sums = r.take(blocks * 4);
        r.take(r.padding());
        const char *data = r.take(entries * kEntryBytes);
        const char *oddData = r.take(odd * 4);
        if (r.bad() || !oddData ||
            quint32(adler32(1, reinterpret_cast<const Bytef *>(oddData), uInt(odd * 4))) != oddSum)
            return false;
        ColumnIndex ix;
        ix.column = column;
        ix.odd.resize(size_t(odd));
        std::memcpy(ix.odd.data(), oddData, size_t(odd * 4));
        if (std::any_of(ix.odd.begin(), ix.odd.end(), [&](qint32 n) { return n < 0 || n >= key.records; }))
            return false;
        ColumnIndex::InPlace in;
        in.file = file;
        in.begin = reinterpret_cast<const ColumnIndex::Entry *>(data);
        in.count = size_t(entries);
        in.sums = sums;
        in.records = key.records;
        in.checked.assign(size_t(blocks), 0);
        ix.inPlace = std::move(in);
        loaded.push_back(std::move(ix));
    }
    if (!r.atEnd())
        return false;
    indexes = std::move(loaded);
    return true;
}

void SaveIndexCache(const QString &tablePath, const CacheKey &key, const std::vector<Column> &columns,
                    const std::vector<ColumnIndex> &indexes)
{
    Writer w;
    w.bytes(kMagic, sizeof kMagic);
    writeKey(w, key);
    w.u32(quint32(indexes.size()));
    for (const ColumnIndex &ix : indexes) {
        if (ix.inPlace)
            return; // read from the cache, which is there already
        const Column &c = columns[size_t(ix.column)];
        Writer data;
        data.out().reserve(qsizetype(ix.entries.size() * kEntryBytes));
        for (const ColumnIndex::Entry &e : ix.entries) {
            data.i64(e.key);
            data.u32(quint32(e.recno));
            data.u32(0);
        }
        Writer odd;
        for (qint32 recno : ix.odd)
            odd.u32(quint32(recno));
        w.bytes(columnName(c).constData(), kNameBytes);
        w.u32(quint32(c.offset));
        w.u32(quint32(c.length));
        w.u32(quint32(ix.entries.size()));
        w.u32(quint32(ix.odd.size()));
        w.u32(quint32(
            adler32(1, reinterpret_cast<const Bytef *>(odd.out().constData()), uInt(odd.out().size()))));
        for (size_t b = 0; b < ix.entries.size(); b += ColumnIndex::kBlockEntries) {
            const size_t n = std::min(ColumnIndex::kBlockEntries, ix.entries.size() - b);
            w.u32(
                quint32(adler32(1, reinterpret_cast<const Bytef *>(data.out().constData() + b * kEntryBytes),
                                uInt(n * kEntryBytes))));
        }
        // The entries start on an 8-byte boundary, to be used in place.
        w.out().append(QByteArray((8 - w.out().size() % 8) % 8, '\0'));
        w.bytes(data.out().constData(), data.out().size());
        w.bytes(odd.out().constData(), odd.out().size());
    }
    SaveBytes(IndexCachePath(tablePath), w.out()); // an aid only: a failure leaves the table's own speed
}

} // namespace kovara::sqlvtab
