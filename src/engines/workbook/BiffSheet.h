#pragma once

// One worksheet of a BIFF8 workbook: its records kept as read, except the
// cell table (ROW and cell records) and the merged areas, which are held as
// rows of cells and ranges so that cells can be written and rows copied.
// A sheet left unchanged is written back byte for byte.

#include "engines/workbook/BiffRecords.h"

#include <map>
#include <vector>

namespace kovara::biff {

struct MergedRange // rows and columns from 0, inclusive
{
    int firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    bool operator==(const MergedRange &) const = default;
};

struct Cell
{
    quint16 type = 0;
    QByteArray data;           // the record's data, row and column included
    std::vector<Record> extra; // records that belong to a formula (STRING, ARRAY, ...)
    quint16 xf() const { return data.size() >= 6 ? u16(data, 4) : 15; }
};

struct Row
{
    QByteArray rowRecord;      // the ROW record's data; empty when there was none
    std::map<int, Cell> cells; // by column
};

class Sheet
{
public:
    // The records of the worksheet's substream, from its BOF to its EOF.
    void parse(std::vector<Record> records);

    bool changed() const { return m_changed; }

    // Rows and columns from 0; -1 when the sheet has no cell.
    int lastRow() const;
    int lastColumn() const;

    const Cell *cell(int row, int column) const;
    // Replaces the cell's value, keeping its format (the default format
    // when the cell did not exist).
    void setCell(int row, int column, quint16 type, const QByteArray &value);

    // Gives an existing cell the format `xf`; false when there is no cell.
    bool setCellFormat(int row, int column, quint16 xf);

    // Inserts `count` copies of rows first..last at row `destination`,
    // moving the rows from there down.
    void insertRowCopies(int first, int last, int destination, int count);

    const std::vector<MergedRange> &merged() const { return m_merged; }
    int labelSstCount() const;

    // The substream's bytes (`original` when nothing changed).
    QByteArray write(const QByteArray &original) const;

private:
    void writeCells(QByteArray &out) const;

    std::vector<Record> m_records; // every other record, in order
    size_t m_cellPos = 0;          // where the cell table goes among them
    size_t m_mergedPos = size_t(-1);
    std::map<int, Row> m_rows;
    std::vector<MergedRange> m_merged;
    bool m_changed = false;
};

} // namespace kovara::biff
