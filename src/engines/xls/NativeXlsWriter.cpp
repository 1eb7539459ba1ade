#include "engines/xls/NativeXlsWriter.h"

#include "base/Dates.h"
#include "base/Error.h"
#include "base/SaveFile.h"
#include "base/Win1250.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace kovara {
namespace {

enum Record : quint16 {
    RecBlank = 0x0001,
    RecInteger = 0x0002,
    RecNumber = 0x0003,
    RecLabel = 0x0004,
    RecBoolErr = 0x0005,
    RecEof = 0x000A,
    RecHeader = 0x0014,
    RecFooter = 0x0015,
    RecColWidth = 0x0024,
    RecLeftMargin = 0x0026,
    RecRightMargin = 0x0027,
    RecTopMargin = 0x0028,
    RecBottomMargin = 0x0029,
    RecFont = 0x0031,
    RecCodePage = 0x0042,
};

constexpr int kCellPrefix = 7; // row, column, three attribute bytes

std::uint8_t alignmentCode(XlsAlignment a)
{
    switch (a) {
    case XlsAlignment::General:
        return 0;
    case XlsAlignment::Left:
        return 1;
    case XlsAlignment::Center:
        return 2;
    case XlsAlignment::Right:
        return 3;
    case XlsAlignment::Fill:
        return 4;
    case XlsAlignment::MultiPlan:
        return 7;
    }
    return 0;
}

// The bytes of a text as the format stores them: up to the first zero
// byte, at most 255.
QByteArray storedText(const QByteArray &text)
{
    QByteArray t = text;
    const qsizetype zero = t.indexOf('\0');
    if (zero >= 0)
        t.truncate(zero);
    if (t.size() > 255)
        t.truncate(255);
    return t;
}

} // namespace

NativeXlsWriter::NativeXlsWriter()
{
    beginWorkbook();
}

void NativeXlsWriter::setBiff(BiffVersion version)
{
    if (version == m_biff)
        return;
    m_biff = version;
    beginWorkbook();
}

void NativeXlsWriter::setFileName(const QString &name)
{
    const QFileInfo fi(name);
    const QString suffix = fi.suffix();
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0) {
        m_fileName = name;
    } else if (suffix.isEmpty()) {
        m_fileName = name + QStringLiteral(".XLS");
    } else {
        m_fileName = name.left(name.size() - suffix.size()) + QStringLiteral("XLS");
    }
}

void NativeXlsWriter::setRow(int row)
{
    if (row >= 1 && row <= LastRow)
        m_row = row;
}

void NativeXlsWriter::setColumn(int column)
{
    if (column >= 1 && column <= LastColumn)
        m_column = column;
}

void NativeXlsWriter::setActiveFont(int font)
{
    if (font >= 0 && font <= m_fonts && font <= 255)
        m_activeFont = font;
}

void NativeXlsWriter::putU16(quint16 v)
{
    m_buffer.append(char(v & 0xFF));
    m_buffer.append(char(v >> 8));
}

void NativeXlsWriter::putDouble(double v)
{
    static_assert(sizeof(double) == 8);
    quint64 bits = 0;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i)
        m_buffer.append(char((bits >> (8 * i)) & 0xFF));
}

void NativeXlsWriter::beginWorkbook()
{
    m_buffer.clear();
    m_open = true;
    m_fonts = 0;
    const bool biff2 = m_biff == BiffVersion::Biff2;
    static const quint16 bof[] = {0x0009, 0x0209, 0x0409, 0x0809};
    // BOF: the version word is 0x0200 whatever the record number says.
    header(bof[int(m_biff)], biff2 ? 4 : 6);
    putU16(0x0200);
    putU16(0x0010); // a worksheet
    if (!biff2)
        putU16(0);
    // DIMENSIONS: always the whole sheet.
    header(biff2 ? 0x0000 : 0x0200, biff2 ? 8 : 10);
    putU16(0);
    putU16(0xFFFF);
    putU16(0);
    putU16(0x0100);
    if (!biff2)
        putU16(0);
    if (m_codePage > 0) {
        header(RecCodePage, 2);
        putU16(quint16(m_codePage));
    }
}

void NativeXlsWriter::endWorkbook()
{
    header(RecEof, 0);
    m_open = false;
}

void NativeXlsWriter::saveToFile() const
{
    QSaveFile file(m_fileName);
    const QString shown = QDir::toNativeSeparators(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Nu pot crea fisierul ") + shown + QStringLiteral(": ") +
                    WriteFailureText(file));
    if (file.write(m_buffer) != m_buffer.size() || !SaveWhole(file))
        throw Error(QStringLiteral("Nu pot scrie fisierul ") + shown + QStringLiteral(": ") +
                    WriteFailureText(file));
}

void NativeXlsWriter::header(quint16 record, quint16 length)
{
    if (!m_open)
        beginWorkbook();
    putU16(record);
    putU16(length);
}

void NativeXlsWriter::addFont(const XlsFont *font)
{
    if (!font || m_fonts >= 4)
        return;
    const QByteArray name = storedText(toWin1250(font->name));
    header(RecFont, quint16(5 + name.size()));
    putU16(quint16(font->size * 20));
    quint16 attributes = 0;
    if (font->bold)
        attributes |= 1;
    if (font->italic)
        attributes |= 2;
    if (font->underline)
        attributes |= 4;
    if (font->strikeOut)
        attributes |= 8;
    putU16(attributes);
    putU8(std::uint8_t(name.size()));
    m_buffer.append(name);
    ++m_fonts;
}

void NativeXlsWriter::textRecord(quint16 record, int extra, const QByteArray &text)
{
    const QByteArray t = storedText(text);
    header(record, quint16(extra + 1 + t.size()));
    putU8(std::uint8_t(t.size()));
    m_buffer.append(t);
}

void NativeXlsWriter::setHeaderText(const QByteArray &text)
{
    textRecord(RecHeader, 0, text);
}

void NativeXlsWriter::setFooterText(const QByteArray &text)
{
    textRecord(RecFooter, 0, text);
}

void NativeXlsWriter::setColumnsWidth(int first, int last, int width)
{
    header(RecColWidth, 4);
    putU8(std::uint8_t(first - 1));
    putU8(std::uint8_t(last - 1));
    putU16(quint16(width * 256));
}

void NativeXlsWriter::margin(quint16 record, double inches)
{
    header(record, 8);
    putDouble(inches);
}

void NativeXlsWriter::setLeftMargin(double inches)
{
    margin(RecLeftMargin, inches);
}
void NativeXlsWriter::setRightMargin(double inches)
{
    margin(RecRightMargin, inches);
}
void NativeXlsWriter::setTopMargin(double inches)
{
    margin(RecTopMargin, inches);
}
void NativeXlsWriter::setBottomMargin(double inches)
{
    margin(RecBottomMargin, inches);
}

void NativeXlsWriter::moveCursor()
{
    switch (moveAfterEnter) {
    case MoveAfterEnter::None:
        break;
    case MoveAfterEnter::Up:
        if (m_row > 1) {
            --m_row;
        } else if (m_column > 1) {
            m_row = LastRow;
            --m_column;
        }
        break;
    case MoveAfterEnter::Down:
        if (m_row < LastRow) {
            ++m_row;
        } else if (m_column < LastColumn) {
            m_row = 1;
            ++m_column;
        }
        break;
    case MoveAfterEnter::Left:
        if (m_column > 1) {
            --m_column;
        } else if (m_row > 1) {
            m_column = LastColumn;
            --m_row;
        }
        break;
    case MoveAfterEnter::Right:
        if (m_column < LastColumn) {
            ++m_column;
        } else if (m_row < LastRow) {
            m_column = 1;
            ++m_row;
        }
        break;
    }
}

void NativeXlsWriter::cellStart(quint16 record, quint16 length)
{
    header(record, length);
    putU16(quint16(m_row - 1));
    putU16(quint16(m_column - 1));
    moveCursor();
    std::uint8_t a0 = 0;
    if (locked)
        a0 |= 0x40;
    if (hidden)
        a0 |= 0x80;
    static const std::uint8_t fontBits[] = {0x00, 0x40, 0x80, 0xC0};
    const std::uint8_t a1 = m_activeFont >= 0 && m_activeFont <= 3 ? fontBits[m_activeFont] : 0;
    std::uint8_t a2 = alignmentCode(alignment);
    if (borders & BorderLeft)
        a2 |= 0x08;
    if (borders & BorderRight)
        a2 |= 0x10;
    if (borders & BorderTop)
        a2 |= 0x20;
    if (borders & BorderBottom)
        a2 |= 0x40;
    if (shading)
        a2 |= 0x80;
    putU8(a0);
    putU8(a1);
    putU8(a2);
}

void NativeXlsWriter::writeBlank()
{
    cellStart(RecBlank, kCellPrefix);
}

void NativeXlsWriter::writeInteger(qint64 value)
{
    if (value < 0 || value > 0xFFFF) {
        writeNumber(double(value));
        return;
    }
    cellStart(RecInteger, kCellPrefix + 2);
    putU16(quint16(value));
}

void NativeXlsWriter::writeNumber(double value)
{
    cellStart(RecNumber, kCellPrefix + 8);
    putDouble(value);
}

void NativeXlsWriter::writeText(const QString &text)
{
    writeBytes(toWin1250(text));
}

void NativeXlsWriter::writeBytes(const QByteArray &text)
{
    const QByteArray t = storedText(text);
    cellStart(RecLabel, quint16(kCellPrefix + 1 + t.size()));
    putU8(std::uint8_t(t.size()));
    m_buffer.append(t);
}

void NativeXlsWriter::boolErr(std::uint8_t value, std::uint8_t kind)
{
    cellStart(RecBoolErr, kCellPrefix + 2);
    putU8(value);
    putU8(kind);
}

void NativeXlsWriter::writeBoolean(bool value)
{
    boolErr(value ? 1 : 0, 0);
}

void NativeXlsWriter::writeError(XlsCellValue value)
{
    switch (value) {
    case XlsCellValue::True:
        return boolErr(1, 0);
    case XlsCellValue::False:
        return boolErr(0, 0);
    case XlsCellValue::Null:
        return boolErr(0x00, 1);
    case XlsCellValue::Div0:
        return boolErr(0x07, 1);
    case XlsCellValue::Value:
        return boolErr(0x0F, 1);
    case XlsCellValue::Ref:
        return boolErr(0x17, 1);
    case XlsCellValue::Name:
        return boolErr(0x1D, 1);
    case XlsCellValue::Num:
        return boolErr(0x24, 1);
    case XlsCellValue::NA:
        return boolErr(0x2A, 1);
    }
}

void NativeXlsWriter::writeVariant(const QVariant &value)
{
    if (!value.isValid()) {
        writeBlank();
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Nullptr:
        writeError(XlsCellValue::Null);
        break;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::UChar:
    case QMetaType::SChar:
    case QMetaType::Char:
        writeInteger(value.toLongLong());
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        writeNumber(value.toDouble());
        break;
    case QMetaType::QDate:
        writeText(FormatDate(value.toDate()));
        break;
    case QMetaType::QDateTime: {
        const QDateTime when = value.toDateTime();
        QString text = FormatDate(when.date());
        if (when.time().msecsSinceStartOfDay() != 0)
            text += QLatin1Char(' ') + when.time().toString(QStringLiteral("HH:mm:ss"));
        writeText(text);
        break;
    }
    case QMetaType::QString:
        writeText(value.toString());
        break;
    case QMetaType::QByteArray:
        writeBytes(value.toByteArray());
        break;
    case QMetaType::Bool:
        writeBoolean(value.toBool());
        break;
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        writeError(XlsCellValue::Value);
        break;
    case QMetaType::QObjectStar:
    case QMetaType::VoidStar:
        writeError(XlsCellValue::NA);
        break;
    default:
        break; // nothing written, the cursor stays
    }
}

void NativeXlsWriter::moveTo(int row, int column)
{
    setRow(row);
    setColumn(column);
}

void NativeXlsWriter::writeBlank(int row, int column)
{
    moveTo(row, column);
    writeBlank();
}

void NativeXlsWriter::writeInteger(int row, int column, qint64 value)
{
    moveTo(row, column);
    writeInteger(value);
}

void NativeXlsWriter::writeNumber(int row, int column, double value)
{
    moveTo(row, column);
    writeNumber(value);
}

void NativeXlsWriter::writeText(int row, int column, const QString &text)
{
    moveTo(row, column);
    writeText(text);
}

void NativeXlsWriter::writeBoolean(int row, int column, bool value)
{
    moveTo(row, column);
    writeBoolean(value);
}

void NativeXlsWriter::writeError(int row, int column, XlsCellValue value)
{
    moveTo(row, column);
    writeError(value);
}

void NativeXlsWriter::writeVariant(int row, int column, const QVariant &value)
{
    moveTo(row, column);
    writeVariant(value);
}

} // namespace kovara
