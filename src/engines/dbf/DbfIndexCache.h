#pragma once

// The indexes of a table kept beside it between processes, so that a
// lookup by an indexed column does not read the whole table first.
//
// The cache names the state of the table it was built from: the file's
// size and modification time, the record count and length, a checksum of
// the header and one of a sample of records spread over the file. A cache
// that does not match the table, or whose sections fail their checksums,
// is never used: the indexes are built from the table again and the cache
// written anew. Deleting the cache changes nothing but speed; the office's
// files are never touched by it.

#include "base/Platform.h"
#include "engines/dbf/DbfVtabTable.h"

#include <QString>
#include <vector>

namespace kovara::sqlvtab {

// What identifies the state of a table for its cache.
struct CacheKey
{
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 records = 0;
    qint64 recordLength = 0;
    quint32 headerSum = 0;
    quint32 sampleSum = 0;
    bool operator==(const CacheKey &) const = default;
};

// The key of the table `table` (open on `path`) whose file is in state `stamp`.
CacheKey CacheKeyOf(const dbf::Table &table, const platform::FileStamp &stamp);

// Fills `indexes` (one per column of `indexed`, in that order) from the
// cache of `tablePath` when it matches `key` and the columns; false (and
// `indexes` untouched) otherwise.
bool LoadIndexCache(const QString &tablePath, const CacheKey &key, const std::vector<Column> &columns,
                    const std::vector<int> &indexed, std::vector<ColumnIndex> &indexes);

// Writes the cache of `tablePath` for `key` through a temporary file; a
// failure (a folder that cannot be written) is silent: the cache is only
// an aid.
void SaveIndexCache(const QString &tablePath, const CacheKey &key, const std::vector<Column> &columns,
                    const std::vector<ColumnIndex> &indexes);

} // namespace kovara::sqlvtab
