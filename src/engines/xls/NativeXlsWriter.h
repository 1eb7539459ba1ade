#pragma once

// Small one-sheet workbooks in the record-based spreadsheet format (BIFF),
// written straight from code: the records are appended to a buffer in the
// order of the calls and the buffer goes to the file in one step.
//
// The file is a plain sequence of records (no compound-document wrapper):
// BOF, DIMENSIONS, optionally CODEPAGE, then fonts, header and footer,
// column widths, margins and cells as the caller writes them, then EOF.
// Every workbook the program writes starts with the same 24 bytes (BOF and
// DIMENSIONS of the default version) and ends with 0A 00 00 00.

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>

namespace kovara {

enum class BiffVersion { Biff2, Biff3, Biff4, Biff5 };
enum class MoveAfterEnter { None, Up, Down, Left, Right };
enum class XlsAlignment { General, Left, Right, Center, Fill, MultiPlan };

// Border sides of a cell, combined with |.
enum XlsBorder : std::uint8_t { BorderTop = 1, BorderBottom = 2, BorderLeft = 4, BorderRight = 8 };
constexpr std::uint8_t AllBorders = BorderTop | BorderBottom | BorderLeft | BorderRight;

// What a BOOLERR cell shows.
enum class XlsCellValue { True, False, Null, Div0, Value, Ref, Name, Num, NA };

struct XlsFont
{
    QString name;
    int size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

class NativeXlsWriter
{
public:
    static constexpr int LastRow = 65535;
    static constexpr int LastColumn = 256;

    NativeXlsWriter(); // Open, with BOF and DIMENSIONS in the buffer

    // The version chooses the numbers and lengths of BOF and DIMENSIONS;
    // changing it starts a new workbook.
    BiffVersion biff() const { return m_biff; }
    void setBiff(BiffVersion version);

    // Declares the code page of the texts in a CODEPAGE record right after
    // DIMENSIONS (0: no record). Kept across workbooks; takes effect at the
    // next beginWorkbook().
    int codePage() const { return m_codePage; }
    void setCodePage(int codePage) { m_codePage = codePage; }

    // An extension other than ".xls" (any case) is replaced by ".XLS", a
    // missing one is added.
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &name);

    // The cursor, 1-based. Row accepts 1..65535, column 1..256; other
    // values are ignored.
    int row() const { return m_row; }
    int column() const { return m_column; }
    void setRow(int row);
    void setColumn(int column);

    // Accepted when not greater than the number of fonts added.
    int activeFont() const { return m_activeFont; }
    void setActiveFont(int font);

    XlsAlignment alignment = XlsAlignment::General;
    std::uint8_t borders = 0;
    bool shading = false;
    bool hidden = false;
    bool locked = true;
    MoveAfterEnter moveAfterEnter = MoveAfterEnter::Right;

    static QString version() { return QStringLiteral("1.24"); }

    bool isOpen() const { return m_open; }
    int fontCount() const { return m_fonts; }
    const QByteArray &buffer() const { return m_buffer; }

    void beginWorkbook();
    void endWorkbook();
    // Writes the whole buffer to fileName(), replacing the file only once
    // it is complete; the buffer stays. Fails with kovara::Error.
    void saveToFile() const;

    // Ignored when `font` is null or four fonts were already added.
    void addFont(const XlsFont *font);
    void addFont(const XlsFont &font) { addFont(&font); }
    void setHeaderText(const QByteArray &text);
    void setFooterText(const QByteArray &text);
    void setColumnsWidth(int first, int last, int width);
    void setColumnWidth(int column, int width) { setColumnsWidth(column, column, width); }
    void setLeftMargin(double inches);
    void setRightMargin(double inches);
    void setTopMargin(double inches);
    void setBottomMargin(double inches);

    // Cells at the cursor; the cursor then moves as moveAfterEnter says.
    void writeBlank();
    // An INTEGER cell when the value fits its 16 bits (0..65535); any other
    // whole number is written as a NUMBER cell rather than wrapped.
    void writeInteger(qint64 value);
    void writeNumber(double value);
    // Windows-1250 bytes of the text (see writeBytes).
    void writeText(const QString &text);
    // The bytes up to the first zero byte, at most 255 of them.
    void writeBytes(const QByteArray &text);
    void writeBoolean(bool value);
    void writeError(XlsCellValue value);
    // The record matching the value's type; nothing for an unknown type.
    void writeVariant(const QVariant &value);

    // The same after setRow(row) and setColumn(column).
    void writeBlank(int row, int column);
    void writeInteger(int row, int column, qint64 value);
    void writeNumber(int row, int column, double value);
    void writeText(int row, int column, const QString &text);
    void writeBoolean(int row, int column, bool value);
    void writeError(int row, int column, XlsCellValue value);
    void writeVariant(int row, int column, const QVariant &value);

private:
    void header(quint16 record, quint16 length);
    void cellStart(quint16 record, quint16 length);
    void moveCursor();
    void putU8(std::uint8_t v) { m_buffer.append(char(v)); }
    void putU16(quint16 v);
    void putDouble(double v);
    void boolErr(std::uint8_t value, std::uint8_t kind);
    void textRecord(quint16 record, int extra, const QByteArray &text);
    void margin(quint16 record, double inches);
    void moveTo(int row, int column);

    QByteArray m_buffer;
    BiffVersion m_biff = BiffVersion::Biff5;
    int m_codePage = 0;
    QString m_fileName;
    int m_row = 1;
    int m_column = 1;
    int m_activeFont = 0;
    int m_fonts = 0;
    bool m_open = false;
};

} // namespace kovara
