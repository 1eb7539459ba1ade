#include "engines/dbf/QueryStore.h"

#include "base/Error.h"

#include <algorithm>
#include <cstring>

namespace kovara {

void QueryStore::endRow()
{
    const size_t size = m_row.size();
    if (m_used + size > m_chunkEnd) { // a new chunk; a huge row gets one of its own size
        const size_t bytes = std::max(kChunkBytes, size);
        m_chunks.push_back(std::make_unique<char[]>(bytes));
        m_chunkStart.push_back(m_chunkEnd);
        m_used = m_chunkEnd;
        m_chunkEnd += bytes;
    }
    if (m_chunkEnd > 0xFFFFFFFFull)
        throw Error(QStringLiteral("Rezultatul interogarii este prea mare."));
    char *dst = m_chunks.back().get() + (m_used - m_chunkStart.back());
    if (size > 0)
        std::memcpy(dst, m_row.data(), size);
    m_marks.push_back(quint32(size));
    for (quint32 mark : m_marks) {
        if ((m_offsetCount >> kShift) >= m_offsets.size()) {
            m_offsets.emplace_back();
            m_offsets.back().reserve(kMask + 1);
        }
        m_offsets.back().push_back(quint32(m_used + mark));
        ++m_offsetCount;
    }
    m_used += size;
    m_row.clear();
    m_marks.clear();
    ++m_rows;
}

const char *QueryStore::cell(qsizetype row, int column, int &length) const
{
    const size_t index = size_t(row) * size_t(m_columns + 1) + size_t(column);
    const quint64 start = position(index);
    length = int(position(index + 1) - start);
    // The chunk holding the row: the last one starting at or before it.
    const auto it = std::upper_bound(m_chunkStart.begin(), m_chunkStart.end(), start);
    const size_t chunk = size_t(it - m_chunkStart.begin()) - 1;
    return m_chunks[chunk].get() + (start - m_chunkStart[chunk]);
}

qint64 QueryStore::bytes() const
{
    return qint64(m_chunkEnd) + qint64(m_offsets.size()) * qint64((kMask + 1) * sizeof(quint32));
}

} // namespace kovara
