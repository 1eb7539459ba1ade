#pragma once

// The rows a Query keeps: every row's cells packed one after the other in
// chunks of about a megabyte (no reallocation of the whole store as it
// grows), with the start of each cell kept as a 32-bit position.

#include <QtGlobal>
#include <memory>
#include <string>
#include <vector>

namespace kovara {

class QueryStore
{
public:
    explicit QueryStore(int columns = 0)
        : m_columns(columns)
    {
    }

    // Building a row: cells are appended to row() after a markCell() each.
    std::string &row() { return m_row; }
    void markCell() { m_marks.push_back(quint32(m_row.size())); }
    void endRow(); // fails (kovara::Error) when the store would pass 4 GB

    qsizetype rowCount() const { return m_rows; }
    // The bytes of one cell: a tag byte, then the value.
    const char *cell(qsizetype row, int column, int &length) const;
    qint64 bytes() const;

private:
    quint32 position(size_t index) const { return m_offsets[index >> kShift][index & kMask]; }

    static constexpr size_t kChunkBytes = 1 << 20;
    static constexpr int kShift = 16;
    static constexpr size_t kMask = (size_t(1) << kShift) - 1;

    int m_columns = 0;
    qsizetype m_rows = 0;
    std::string m_row;
    std::vector<quint32> m_marks;
    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::vector<quint64> m_chunkStart;           // position of each chunk's first byte
    quint64 m_used = 0;                          // position of the next free byte
    quint64 m_chunkEnd = 0;                      // position just past the last chunk
    std::vector<std::vector<quint32>> m_offsets; // columns + 1 positions a row, in blocks
    size_t m_offsetCount = 0;
};

} // namespace kovara
