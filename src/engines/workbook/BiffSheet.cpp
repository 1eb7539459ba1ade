#include "engines/workbook/BiffSheet.h"

#include "base/Error.h"
#include "engines/workbook/BiffWorkbook.h"

#include <algorithm>

namespace kovara::biff {
namespace {

constexpr int kMaxRows = kBiffSheetRows;
constexpr int kMaxColumns = 256;
constexpr int kMergedPerRecord = 1026;

bool isCellRecord(quint16 type)
{
    switch (type) {
    case rt::Blank:
    case rt::Number:
    case rt::Label:
    case rt::BoolErr:
    case rt::LabelSst:
    case rt::Rk:
    case rt::Formula:
    case rt::Rstring:
        return true;
    default:
        return false;
    }
}

bool isFormulaPart(quint16 type)
{
    return type == rt::String || type == rt::Array || type == rt::ShrFmla || type == rt::Table;
}

// A cell record too short for its value is refused when the sheet is read,
// so that every cell can be read afterwards.
void checkCell(const Record &r)
{
    switch (r.type) {
    case rt::Blank:
        need(r.data, 6);
        break;
    case rt::BoolErr:
        need(r.data, 8);
        break;
    case rt::LabelSst:
    case rt::Rk:
        need(r.data, 10);
        break;
    case rt::Number:
        need(r.data, 14);
        break;
    case rt::Formula:
        need(r.data, 20);
        break;
    case rt::Label:
    case rt::Rstring:
        readUnicodeString(r.data, 6);
        break;
    default:
        break;
    }
}

QByteArray cellHead(int row, int column, quint16 xf)
{
    QByteArray d;
    add16(d, quint16(row));
    add16(d, quint16(column));
    add16(d, xf);
    return d;
}

} // namespace

void Sheet::parse(std::vector<Record> records)
{
    m_records.clear();
    m_rows.clear();
    m_merged.clear();
    m_changed = false;
    m_mergedPos = size_t(-1);
    size_t cellPos = size_t(-1), dimensionsPos = size_t(-1), windowPos = size_t(-1);
    Cell *lastCell = nullptr;
    int depth = 0;
    for (Record &r : records) {
        if (r.type == rt::Bof)
            ++depth;
        const bool own = depth == 1;
        if (r.type == rt::Eof)
            --depth;
        if (!own) { // records of an embedded chart
            m_records.push_back(std::move(r));
            continue;
        }
        auto markCells = [&] {
            if (cellPos == size_t(-1))
                cellPos = m_records.size();
        };
        if (r.type == rt::Row) {
            need(r.data, 16);
            markCells();
            m_rows[u16(r.data, 0)].rowRecord = r.data;
            lastCell = nullptr;
        } else if (isCellRecord(r.type)) {
            checkCell(r);
            markCells();
            const int column = u16(r.data, 2);
            if (column >= kMaxColumns)
                throw Damaged{"cell column"};
            Cell &c = m_rows[u16(r.data, 0)].cells[column];
            c = Cell{r.type, r.data, {}};
            lastCell = &c;
        } else if (r.type == rt::MulRk || r.type == rt::MulBlank) {
            need(r.data, 6);
            markCells();
            const int row = u16(r.data, 0), firstColumn = u16(r.data, 2);
            const int each = r.type == rt::MulRk ? 6 : 2;
            const qsizetype n = (r.data.size() - 6) / each;
            if (firstColumn + n > kMaxColumns)
                throw Damaged{"cell column"};
            for (qsizetype i = 0; i < n; ++i) {
                const qsizetype at = 4 + i * each;
                QByteArray d = cellHead(row, int(firstColumn + i), u16(r.data, at));
                if (r.type == rt::MulRk)
                    add32(d, u32(r.data, at + 2));
                m_rows[row].cells[int(firstColumn + i)] =
                    Cell{r.type == rt::MulRk ? rt::Rk : rt::Blank, d, {}};
            }
            lastCell = nullptr;
        } else if (isFormulaPart(r.type) && lastCell) {
            if (r.type == rt::String)
                readUnicodeString(r.data, 0); // its text must be whole
            lastCell->extra.push_back(std::move(r));
        } else if (r.type == rt::DbCell || r.type == rt::Index) {
            lastCell = nullptr; // lookup aids, rebuilt by readers
        } else if (r.type == rt::MergedCells) {
            need(r.data, 2);
            const int n = u16(r.data, 0);
            need(r.data, 2 + 8 * qsizetype(n));
            for (int i = 0; i < n; ++i) {
                const qsizetype at = 2 + 8 * i;
                MergedRange m{u16(r.data, at), u16(r.data, at + 2), u16(r.data, at + 4), u16(r.data, at + 6)};
                if (m.firstRow <= m.lastRow && m.firstColumn <= m.lastColumn)
                    m_merged.push_back(m);
            }
            if (m_mergedPos == size_t(-1)) {
                m_mergedPos = m_records.size();
                m_records.push_back(std::move(r));
            }
        } else {
            if (r.type == rt::Dimensions)
                dimensionsPos = m_records.size();
            else if (r.type == rt::Window2 && windowPos == size_t(-1))
                windowPos = m_records.size();
            m_records.push_back(std::move(r));
            lastCell = nullptr;
        }
    }
    if (cellPos == size_t(-1))
        cellPos = dimensionsPos != size_t(-1) ? dimensionsPos + 1
                  : windowPos != size_t(-1)   ? windowPos
                                              : (m_records.empty() ? 0 : m_records.size() - 1);
    m_cellPos = cellPos;
}

int Sheet::lastRow() const
{
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it)
        if (!it->second.cells.empty())
            return it->first;
    return -1;
}

int Sheet::lastColumn() const
{
    int last = -1;
    for (const auto &[r, row] : m_rows)
        if (!row.cells.empty())
            last = std::max(last, row.cells.rbegin()->first);
    return last;
}

const Cell *Sheet::cell(int row, int column) const
{
    const auto r = m_rows.find(row);
    if (r == m_rows.end())
        return nullptr;
    const auto c = r->second.cells.find(column);
    return c == r->second.cells.end() ? nullptr : &c->second;
}

void Sheet::setCell(int row, int column, quint16 type, const QByteArray &value)
{
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns)
        throw Error(
            QStringLiteral("Celula (%1, %2) este in afara foii de calcul.").arg(row + 1).arg(column + 1));
    Cell &c = m_rows[row].cells[column];
    const quint16 xf = c.data.size() >= 6 ? c.xf() : 15;
    c = Cell{type, cellHead(row, column, xf) + value, {}};
    m_changed = true;
}

bool Sheet::setCellFormat(int row, int column, quint16 xf)
{
    auto r = m_rows.find(row);
    if (r == m_rows.end())
        return false;
    auto c = r->second.cells.find(column);
    if (c == r->second.cells.end() || c->second.data.size() < 6)
        return false;
    set16(c->second.data, 4, xf);
    m_changed = true;
    return true;
}

void Sheet::insertRowCopies(int first, int last, int destination, int count)
{
    if (count <= 0)
        return;
    if (first < 0 || last < first || destination < 0 || last >= kMaxRows || destination >= kMaxRows)
        throw Error(QStringLiteral("Randurile %1-%2 nu pot fi copiate la randul %3.")
                        .arg(first + 1)
                        .arg(last + 1)
                        .arg(destination + 1));
    const qint64 height = last - first + 1;
    const qint64 shift = height * count;
    const int lastNow = std::max(lastRow(), m_rows.empty() ? -1 : m_rows.rbegin()->first);
    if (std::max<qint64>(lastNow + (lastNow >= destination ? shift : 0), destination + shift - 1) >= kMaxRows)
        throw Error(QStringLiteral("Foaia de calcul nu poate avea mai mult de %1 de randuri.").arg(kMaxRows));

    std::vector<std::pair<int, Row>> block;
    for (auto it = m_rows.lower_bound(first); it != m_rows.end() && it->first <= last; ++it)
        block.emplace_back(it->first - first, it->second);

    std::map<int, Row> moved;
    for (auto &[r, row] : m_rows)
        moved.emplace_hint(moved.end(), r >= destination ? int(r + shift) : r, std::move(row));
    for (int k = 0; k < count; ++k)
        for (const auto &[offset, row] : block)
            moved[int(destination + k * height + offset)] = row;
    m_rows = std::move(moved);

    std::vector<MergedRange> merged, stretched;
    std::vector<MergedRange> copied; // areas inside the copied rows
    for (MergedRange m : m_merged) {
        const MergedRange before = m;
        const bool inBlock = m.firstRow >= first && m.lastRow <= last;
        if (m.firstRow >= destination) {
            m.firstRow += int(shift);
            m.lastRow += int(shift);
        } else if (m.lastRow >= destination) {
            m.lastRow += int(shift); // the copies land inside the area
            stretched.push_back(m);
            merged.push_back(m);
            continue;
        }
        if (inBlock)
            copied.push_back(before);
        merged.push_back(m);
    }
    for (int k = 0; k < count; ++k)
        for (const MergedRange &m : copied) {
            const int top = int(destination + k * height + (m.firstRow - first));
            const MergedRange c{top, top + (m.lastRow - m.firstRow), m.firstColumn, m.lastColumn};
            const bool overlaps = std::any_of(stretched.begin(), stretched.end(), [&](const MergedRange &s) {
                return c.firstRow <= s.lastRow && s.firstRow <= c.lastRow && c.firstColumn <= s.lastColumn &&
                       s.firstColumn <= c.lastColumn;
            });
            if (!overlaps)
                merged.push_back(c);
        }
    m_merged = std::move(merged);
    m_changed = true;
}

int Sheet::labelSstCount() const
{
    int n = 0;
    for (const auto &[r, row] : m_rows)
        for (const auto &[c, cell] : row.cells)
            n += cell.type == rt::LabelSst;
    return n;
}

QByteArray Sheet::write(const QByteArray &original) const
{
    if (!m_changed)
        return original;
    QByteArray out;
    out.reserve(original.size() + qsizetype(m_rows.size()) * 128);
    for (size_t i = 0; i <= m_records.size(); ++i) {
        if (i == m_cellPos)
            writeCells(out);
        if (i == m_records.size())
            break;
        const Record &r = m_records[i];
        if (r.type == rt::Dimensions) {
            const int lastR = lastRow(), lastC = lastColumn();
            int firstR = -1, firstC = kMaxColumns;
            for (const auto &[row, cells] : m_rows)
                if (!cells.cells.empty()) {
                    if (firstR < 0)
                        firstR = row;
                    firstC = std::min(firstC, cells.cells.begin()->first);
                }
            QByteArray d;
            add32(d, quint32(lastR < 0 ? 0 : firstR));
            add32(d, quint32(lastR + 1));
            add16(d, quint16(lastR < 0 ? 0 : firstC));
            add16(d, quint16(lastC + 1));
            add16(d, 0);
            appendRecord(out, r.type, d);
        } else if (i == m_mergedPos) {
            for (size_t at = 0; at < m_merged.size(); at += kMergedPerRecord) {
                const size_t n = std::min<size_t>(kMergedPerRecord, m_merged.size() - at);
                QByteArray d;
                add16(d, quint16(n));
                for (size_t k = at; k < at + n; ++k) {
                    add16(d, quint16(m_merged[k].firstRow));
                    add16(d, quint16(m_merged[k].lastRow));
                    add16(d, quint16(m_merged[k].firstColumn));
                    add16(d, quint16(m_merged[k].lastColumn));
                }
                appendRecord(out, rt::MergedCells, d);
            }
        } else {
            appendRecord(out, r.type, r.data);
        }
    }
    return out;
}

void Sheet::writeCells(QByteArray &out) const
{
    // Blocks of 32 rows: their ROW records, then their cells.
    auto it = m_rows.begin();
    while (it != m_rows.end()) {
        auto blockEnd = it;
        for (int n = 0; n < 32 && blockEnd != m_rows.end(); ++n)
            ++blockEnd;
        for (auto r = it; r != blockEnd; ++r) {
            const Row &row = r->second;
            if (row.rowRecord.isEmpty() && row.cells.empty())
                continue;
            QByteArray d = row.rowRecord;
            if (d.isEmpty()) { // default height and format
                d = QByteArray(16, '\0');
                set16(d, 6, 0x00FF);
                set32(d, 12, 0x000F0100);
            }
            set16(d, 0, quint16(r->first));
            if (!row.cells.empty()) {
                set16(d, 2, quint16(row.cells.begin()->first));
                set16(d, 4, quint16(row.cells.rbegin()->first + 1));
            }
            appendRecord(out, rt::Row, d);
        }
        for (auto r = it; r != blockEnd; ++r)
            for (const auto &[column, cell] : r->second.cells) {
                QByteArray d = cell.data;
                set16(d, 0, quint16(r->first));
                set16(d, 2, quint16(column));
                appendRecord(out, cell.type, d);
                for (const Record &x : cell.extra)
                    appendRecord(out, x.type, x.data);
            }
        it = blockEnd;
    }
}

} // namespace kovara::biff
