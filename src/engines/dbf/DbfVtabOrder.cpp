// Rows of a dbf virtual table handed out already in the order of one
// column, so that SQLite need not sort whole rows: the sort keys alone are
// read and sorted, then the records are read in that order.

#include "engines/dbf/DbfVtabTable.h"

#include <algorithm>
#include <cstring>

namespace kovara::sqlvtab {
namespace {

using sqlcodec::Kind;

constexpr qint64 kBlockBytes = 1 << 20;

// A number or date key; nulls sort first, as SQLite has them.
struct NumberKey
{
    bool null = true;
    long double value = 0;
};

NumberKey numberKey(const Column &col, const char *record)
{
    const char *p = record + col.offset;
    NumberKey k;
    switch (col.kind) {
    case Kind::Date: {
        int d = 0;
        if (sqlcodec::parseDate(p, sqlcodec::trimmedLength(p, col.length), d))
            k = {false, (long double)d};
        break;
    }
    case Kind::Logical: {
        const int v = col.length > 0 ? sqlcodec::logicalValue(p[0]) : -1;
        if (v >= 0)
            k = {false, (long double)v};
        break;
    }
    default: {
        qint64 whole = 0;
        double real = 0;
        if (col.kind == Kind::Integer && sqlcodec::parseInteger(p, col.length, whole))
            k = {false, (long double)whole};
        else if (sqlcodec::parseReal(p, col.length, real))
            k = {false, (long double)real};
    }
    }
    return k;
}

} // namespace

void orderedRecords(VTable *t, int column, bool desc, std::vector<qint32> &out)
{
    const Column &col = t->columns[size_t(column)];
    const qint64 count = t->table->recordCount();
    const int length = t->recordLength;
    const bool text = col.kind == Kind::Text;
    const size_t width = size_t(col.length);

    std::vector<qint32> recnos;
    std::vector<char> textKeys;      // the field's bytes, row after row
    std::vector<quint8> textLengths; // without trailing blanks
    std::vector<bool> plain;         // plain byte order holds
    std::vector<NumberKey> numberKeys;
    recnos.reserve(size_t(count));
    dbf::scanRecords(
        *t->table,
        [&](qint64 first, qint64 n, const char *records) {
            for (qint64 i = 0; i < n; ++i) {
                const char *rec = records + i * length;
                if (rec[0] == '*')
                    continue;
                recnos.push_back(qint32(first + i));
                if (text) {
                    textKeys.insert(textKeys.end(), rec + col.offset, rec + col.offset + width);
                    const int n = sqlcodec::trimmedLength(rec + col.offset, col.length);
                    textLengths.push_back(quint8(n));
                    plain.push_back(sqlcodec::bytesSortAsThemselves(rec + col.offset, n));
                } else {
                    numberKeys.push_back(numberKey(col, rec));
                }
            }
        },
        kBlockBytes);

    // Texts: the first eight bytes (zero-padded, big-endian) decide most
    // comparisons without touching the keys themselves.
    struct Item
    {
        quint64 prefix;
        qint32 index;
    };
    std::vector<Item> items(recnos.size());
    for (size_t i = 0; i < items.size(); ++i) {
        quint64 prefix = 0;
        if (text) {
            const char *p = textKeys.data() + i * width;
            const int n = qMin(8, int(textLengths[i]));
            for (int k = 0; k < 8; ++k)
                prefix = (prefix << 8) | (k < n ? quint8(p[k]) : 0);
        }
        items[i] = {prefix, qint32(i)};
    }
    auto less = [&](const Item &ia, const Item &ib) {
        const size_t a = size_t(ia.index), b = size_t(ib.index);
        if (text) {
            const char *pa = textKeys.data() + a * width, *pb = textKeys.data() + b * width;
            const int na = textLengths[a], nb = textLengths[b];
            if (plain[a] && plain[b]) {
                if (ia.prefix != ib.prefix)
                    return ia.prefix < ib.prefix;
                const int common = qMin(na, nb);
                const int c = common > 8 ? std::memcmp(pa + 8, pb + 8, size_t(common - 8)) : 0;
                return c != 0 ? c < 0 : na < nb;
            }
            return sqlcodec::compareWin1250Bytes(pa, na, pb, nb) < 0;
        }
        const NumberKey &x = numberKeys[a], &y = numberKeys[b];
        if (x.null != y.null)
            return x.null;
        return !x.null && x.value < y.value;
    };
    if (desc)
        std::sort(items.begin(), items.end(), [&](const Item &a, const Item &b) { return less(b, a); });
    else
        std::sort(items.begin(), items.end(), less);
    out.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        out[i] = recnos[size_t(items[i].index)];
}

} // namespace kovara::sqlvtab
