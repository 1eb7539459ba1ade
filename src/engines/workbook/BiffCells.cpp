// The workbook engine's cell operations on the current sheet.

#include "engines/workbook/BiffWorkbookImpl.h"

#include "base/Error.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace kovara {

using namespace biff;

namespace {

constexpr int kMaxTextLength = 32767;

QString numberText(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

} // namespace

QString WorkbookValue::toText() const
{
    switch (kind) {
    case Kind::Empty:
        return QString();
    case Kind::Text:
    case Kind::Error:
        return text;
    case Kind::Boolean:
        return number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Number:
        return numberText(number);
    case Kind::DateTime: {
        if (!std::isfinite(number) || number < 0 || number > 2958466)
            return numberText(number);
        const qint64 days = qint64(std::floor(number));
        const QDate day = QDate(1899, 12, 30).addDays(days);
        const int seconds = int(std::lround((number - double(days)) * 86400.0));
        if (seconds == 0)
            return day.toString(QStringLiteral("dd.MM.yyyy"));
        return QDateTime(day, QTime(0, 0)).addSecs(seconds).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    }
    return QString();
}

int BiffWorkbook::LastRow() const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    return d->sheet().lastRow() + 1;
}

int BiffWorkbook::LastColumn() const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    return d->sheet().lastColumn() + 1;
}

WorkbookValue BiffWorkbook::CellValue(int row, int column) const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    WorkbookValue v;
    const Cell *c = d->sheet().cell(row - 1, column - 1);
    if (!c)
        return v;
    const QByteArray &data = c->data;
    const quint16 xf = c->xf();
    const bool date = xf < d->dateXf.size() && d->dateXf[xf];
    auto number = [&](double n) {
        v.kind = date ? WorkbookValue::Kind::DateTime : WorkbookValue::Kind::Number;
        v.number = d->dates1904 && date ? n + 1462 : n;
    };
    try {
        switch (c->type) {
        case rt::Number:
            need(data, 14);
            number(f64(data, 6));
            break;
        case rt::Rk:
            need(data, 10);
            number(rkValue(u32(data, 6)));
            break;
        case rt::LabelSst: {
            need(data, 10);
            const quint32 index = u32(data, 6);
            v.kind = WorkbookValue::Kind::Text;
            if (index < quint32(d->sst.count()))
                v.text = d->sst.text(int(index));
            break;
        }
        case rt::Label:
        case rt::Rstring:
            v.kind = WorkbookValue::Kind::Text;
            v.text = readUnicodeString(data, 6);
            break;
        case rt::BoolErr:
            need(data, 8);
            if (data[7]) {
                v.kind = WorkbookValue::Kind::Error;
                v.text = QStringLiteral("#ERR%1").arg(quint8(data[6]));
            } else {
                v.kind = WorkbookValue::Kind::Boolean;
                v.number = data[6] ? 1 : 0;
            }
            break;
        case rt::Formula:
            need(data, 14);
            if (u16(data, 12) != 0xFFFF) {
                number(f64(data, 6));
            } else if (data[6] == 0) {
                v.kind = WorkbookValue::Kind::Text;
                for (const Record &x : c->extra)
                    if (x.type == rt::String)
                        v.text = readUnicodeString(x.data, 0);
            } else if (data[6] == 1) {
                v.kind = WorkbookValue::Kind::Boolean;
                v.number = data[8] ? 1 : 0;
            } else if (data[6] == 2) {
                v.kind = WorkbookValue::Kind::Error;
                v.text = QStringLiteral("#ERR%1").arg(quint8(data[8]));
            }
            break;
        default:
            break;
        }
    } catch (const Damaged &) {
        d->damaged();
    }
    return v;
}

void BiffWorkbook::SetCellValue(int row, int column, const QString &text)
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    if (text.isEmpty()) {
        d->sheet().setCell(row - 1, column - 1, rt::Blank, QByteArray());
        return;
    }
    if (text.size() > kMaxTextLength)
        throw Error(QStringLiteral("Textul pentru celula (%1, %2) are peste %3 de caractere.")
                        .arg(row)
                        .arg(column)
                        .arg(kMaxTextLength));
    QByteArray value(4, '\0');
    d->sheet().setCell(row - 1, column - 1, rt::LabelSst, value); // refuses a position off the sheet
    set32(value, 0, quint32(d->sst.add(text)));
    d->sheet().setCell(row - 1, column - 1, rt::LabelSst, value);
}

void BiffWorkbook::SetCellValue(int row, int column, qint32 value)
{
    SetCellValue(row, column, double(value));
}

void BiffWorkbook::SetCellValue(int row, int column, double value)
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    QByteArray data;
    quint32 rk = 0;
    if (std::isfinite(value) && std::fabs(value) < 1e9 && value == std::floor(value) &&
        rkFromInteger(qint64(value), rk)) {
        add32(data, rk);
        d->sheet().setCell(row - 1, column - 1, rt::Rk, data);
    } else {
        addF64(data, value);
        d->sheet().setCell(row - 1, column - 1, rt::Number, data);
    }
}

void BiffWorkbook::InsertRowCopies(int firstRow, int lastRow, int destinationRow, int count)
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    if (count <= 0)
        return;
    d->sheet().insertRowCopies(firstRow - 1, lastRow - 1, destinationRow - 1, count);
}

std::vector<MergedRange> BiffWorkbook::mergedRanges() const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    return d->sheet().merged();
}

} // namespace kovara

namespace kovara {

void BiffWorkbook::ShrinkToFit(int row, int column)
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    const Cell *cell = d->sheet().cell(row - 1, column - 1);
    if (!cell || cell->data.size() < 6)
        return;
    const quint16 xf = cell->xf();
    if (xf >= d->xfRecords.size())
        return;
    // BIFF8 XF: byte 6 holds the alignment with wrapping (bit 3), byte 8
    // the indent (bits 0-3) and shrink-to-fit (bit 4); byte 9's bit 4 says
    // a cell format sets its own alignment. A wrapped text is never shrunk
    // (it takes more lines of the fixed height instead), so wrapping goes.
    constexpr int kAlignByte = 6, kShrinkByte = 8, kUsedByte = 9;
    constexpr char kWrap = 0x08, kShrink = 0x10, kOwnAlignment = 0x10;
    const Record &own = d->globals[d->xfRecords[xf]];
    if (own.data.size() < 10 || (own.data[kShrinkByte] & kShrink))
        return;
    auto known = d->shrunkXf.find(xf);
    if (known == d->shrunkXf.end()) {
        // A workbook holds at most 4050 formats; past that the text keeps its own.
        if (d->xfRecords.size() >= 4050)
            return;
        Record copy = own;
        copy.data[kAlignByte] = char(copy.data[kAlignByte] & ~kWrap);
        copy.data[kShrinkByte] = char(copy.data[kShrinkByte] | kShrink);
        copy.data[kUsedByte] = char(copy.data[kUsedByte] | kOwnAlignment);
        const size_t at = d->xfRecords.back() + 1; // formats stay together, in order
        d->globals.insert(d->globals.begin() + qsizetype(at), std::move(copy));
        auto moved = [at](size_t &index) {
            if (index != size_t(-1) && index >= at)
                ++index;
        };
        moved(d->sstIndex);
        moved(d->sstEnd);
        moved(d->extSstIndex);
        for (Impl::SheetEntry &e : d->sheets)
            moved(e.boundSheet);
        const quint16 added = quint16(d->xfRecords.size());
        d->xfRecords.push_back(at);
        d->dateXf.push_back(xf < d->dateXf.size() && d->dateXf[xf]);
        d->globalsChanged = true;
        known = d->shrunkXf.emplace(xf, added).first;
    }
    d->sheet().setCellFormat(row - 1, column - 1, known->second);
}

} // namespace kovara
