#pragma once

// The workbook engine: reads an .xls workbook (a BIFF8 "Workbook" stream in a
// compound file), reads and writes the cells of its worksheets, copies rows
// with their formats and merged areas, and saves it under a new name. What
// it does not need to understand passes through unchanged: a workbook saved
// without a change has the same Workbook stream, byte for byte.
//
// Rows and columns are counted from 1. Failures throw kovara::Error with a
// message that names the file.

#include "engines/workbook/BiffSheet.h"

#include <QString>
#include <memory>
#include <vector>

namespace kovara {

// The rows a sheet of the .xls (BIFF8) format can hold.
constexpr int kBiffSheetRows = 65536;

struct WorkbookValue
{
    enum class Kind { Empty, Text, Number, DateTime, Boolean, Error };
    Kind kind = Kind::Empty;
    QString text;      // Text and Error
    double number = 0; // Number, DateTime (the day number) and Boolean (1 or 0)

    // The value as text: numbers without needless decimals, dates
    // "dd.MM.yyyy" (with the time when there is one), TRUE or FALSE.
    QString toText() const;
};

class BiffWorkbook
{
public:
    BiffWorkbook();
    ~BiffWorkbook();
    BiffWorkbook(const BiffWorkbook &) = delete;
    BiffWorkbook &operator=(const BiffWorkbook &) = delete;

    // Reads a workbook file; a workbook already open is closed first.
    void OpenWorkbook(const QString &path);
    // The same from the bytes of a file; `fileName` names it in messages.
    void openBytes(const QByteArray &file, const QString &fileName);
    // A bare Workbook stream, without its compound file.
    void openStream(const QByteArray &stream, const QString &fileName);
    bool isOpen() const;

    int sheetCount() const;
    QString sheetName(int sheet) const;
    // Sheet n (1 = the first) becomes the one the cell operations act on.
    void SelectSheet(int sheet);

    // The last row / column holding a cell; 0 on a sheet without cells.
    int LastRow() const;
    int LastColumn() const;
    WorkbookValue CellValue(int row, int column) const;
    // Text (an empty text leaves a blank cell), a whole number or a number;
    // the cell keeps its format.
    void SetCellValue(int row, int column, const QString &text);
    void SetCellValue(int row, int column, qint32 value);
    void SetCellValue(int row, int column, double value);
    // The cell's text is drawn smaller when it does not fit its column
    // (the format's shrink-to-fit flag, on a copy of the cell's format so
    // that other cells keep theirs). Nothing for a cell that does not exist.
    void ShrinkToFit(int row, int column);
    // Inserts `count` copies of rows firstRow..lastRow (contents, formats,
    // heights) from `destinationRow` on, moving the rows below down; merged
    // areas move, stretch or are copied with their rows. A count of 0 or
    // less inserts nothing.
    void InsertRowCopies(int firstRow, int lastRow, int destinationRow, int count);
    // The merged areas of the current sheet (rows and columns from 0).
    std::vector<biff::MergedRange> mergedRanges() const;

    // The Workbook stream and the whole file as they would be saved.
    QByteArray workbookStream() const;
    QByteArray fileBytes() const;
    // Writes the workbook to a new file (never replacing an existing one),
    // completely or not at all.
    void SaveWorkbookAs(const QString &path);
    void CloseWorkbook();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The message of every operation tried with no workbook open.
QString NoOpenWorkbookText();

} // namespace kovara
