// Navigation, record filters and locate of Query.

#include "base/Error.h"
#include "base/Win1250.h"
#include "engines/dbf/DbfCodec.h"
#include "engines/dbf/Query.h"

#include <QDate>

namespace kovara {
namespace {

// A filter value in the forms a cell is compared with.
struct Operand
{
    int column = -1;
    Filter::Op op = Filter::Op::Equal;
    bool null = false;
    QByteArray text; // UTF-8, comma-below letters as in the files
    bool numeric = false;
    double number = 0;
};

Operand compile(const Filter::Condition &c, int column, bool isDate)
{
    Operand o;
    o.column = column;
    o.op = c.op;
    o.null = !c.value.isValid() || c.value.isNull();
    QString text;
    if (c.value.typeId() == QMetaType::QDate) {
        text = c.value.toDate().toString(Qt::ISODate);
    } else {
        text = withCedillas(c.value.toString());
        if (isDate) { // a date typed as dd.MM.yyyy compares with the ISO text
            const QByteArray b = text.trimmed().toLatin1();
            int ymd = 0;
            if (sqlcodec::parseIsoDate(b.constData(), int(b.size()), ymd)) {
                char iso[10];
                sqlcodec::formatIsoDate(ymd, iso);
                text = QString::fromLatin1(iso, 10);
            }
        }
    }
    o.text = text.toUtf8();
    // Trailing blanks do not count in a stored text, so neither in the value
    // it is compared with (a prefix keeps them: "POP " is not "POPESCU").
    if (o.op != Filter::Op::BeginsWith)
        while (o.text.endsWith(' '))
            o.text.chop(1);
    switch (c.value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        o.numeric = true;
        o.number = c.value.toDouble();
        break;
    default:
        o.number = text.trimmed().toDouble(&o.numeric);
    }
    return o;
}

} // namespace

void Query::setFilter(const Filter &filter)
{
    for (const auto &group : filter.groups())
        for (const auto &c : group)
            if (m_open && columnIndex(c.column) < 0)
                throw Error(QStringLiteral("Coloana %1 nu exista in rezultat.").arg(c.column));
    m_filter = filter;
    applyFilter();
}

void Query::clearFilter()
{
    m_filter = Filter();
    applyFilter();
}

void Query::applyFilter()
{
    m_visible.clear();
    if (!m_open) {
        moveTo(-1);
        return;
    }
    std::vector<std::vector<Operand>> groups;
    for (const auto &group : m_filter.groups()) {
        std::vector<Operand> ops;
        for (const auto &c : group) {
            const int col = checkedColumn(c.column);
            ops.push_back(compile(c, col, m_isDate[size_t(col)]));
        }
        groups.push_back(std::move(ops));
    }
    auto test = [&](int row, const Operand &o) {
        int length = 0;
        const char *cellBytes = m_store.cell(row, o.column, length);
        const char tag = cellBytes[0];
        if (tag == 1 || tag == 2) { // a number
            if (!o.numeric) {
                if (o.op != Filter::Op::BeginsWith)
                    return o.op == Filter::Op::NotEqual;
                return cell(row, o.column).toString().toUtf8().startsWith(o.text);
            }
            const double v = cell(row, o.column).toDouble();
            switch (o.op) {
            case Filter::Op::Equal:
                return v == o.number;
            case Filter::Op::NotEqual:
                return v != o.number;
            case Filter::Op::GreaterOrEqual:
                return v >= o.number;
            case Filter::Op::LessOrEqual:
                return v <= o.number;
            case Filter::Op::BeginsWith:
                return cell(row, o.column).toString().toUtf8().startsWith(o.text);
            }
        }
        // Text (a null reads as the empty text).
        const char *p = cellBytes + 1;
        int n = tag == 0 ? 0 : length - 1;
        while (n > 0 && p[n - 1] == ' ')
            --n;
        if (o.null)
            return o.op == Filter::Op::Equal ? tag == 0 : o.op == Filter::Op::NotEqual ? tag != 0 : false;
        const QByteArrayView cellText(p, n);
        switch (o.op) {
        case Filter::Op::Equal:
            return cellText == QByteArrayView(o.text);
        case Filter::Op::NotEqual:
            return cellText != QByteArrayView(o.text);
        case Filter::Op::GreaterOrEqual:
            return sqlcodec::compareWin1250(n, p, int(o.text.size()), o.text.constData()) >= 0;
        case Filter::Op::LessOrEqual:
            return sqlcodec::compareWin1250(n, p, int(o.text.size()), o.text.constData()) <= 0;
        case Filter::Op::BeginsWith:
            return cellText.startsWith(QByteArrayView(o.text));
        }
        return false;
    };
    m_visible.reserve(size_t(m_rows));
    for (int row = 0; row < m_rows; ++row) {
        bool pass = groups.empty();
        for (const auto &ops : groups) {
            bool all = true;
            for (const Operand &o : ops)
                if (!test(row, o)) {
                    all = false;
                    break;
                }
            if (all) {
                pass = true;
                break;
            }
        }
        if (pass)
            m_visible.push_back(row);
    }
    first();
}

int Query::rowCount() const
{
    return int(m_visible.size());
}

void Query::moveTo(int pos)
{
    const int count = rowCount();
    if (count == 0) {
        m_pos = -1;
        m_eof = m_bof = true;
        return;
    }
    m_pos = qBound(0, pos, count - 1);
    m_bof = m_eof = false;
}

void Query::first()
{
    moveTo(0);
    m_bof = true;
    m_eof = rowCount() == 0;
}

void Query::last()
{
    moveTo(rowCount() - 1);
    m_eof = true;
    m_bof = rowCount() == 0;
}

void Query::next()
{
    if (m_pos + 1 < rowCount()) {
        ++m_pos;
        m_bof = false;
        m_eof = false;
    } else {
        m_eof = true;
    }
}

void Query::prior()
{
    if (m_pos > 0) {
        --m_pos;
        m_eof = false;
        m_bof = false;
    } else {
        m_bof = true;
    }
}

bool Query::goTo(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    moveTo(row);
    return true;
}

bool Query::locate(const QString &column, const QVariant &value)
{
    const int col = checkedColumn(column);
    const Filter::Condition c{column, Filter::Op::Equal, value};
    const Operand o = compile(c, col, m_isDate[size_t(col)]);
    for (int i = 0; i < rowCount(); ++i) {
        const QVariant v = cell(m_visible[size_t(i)], col);
        bool equal;
        if (v.isNull())
            equal = o.null || o.text.isEmpty();
        else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double)
            equal = o.numeric && v.toDouble() == o.number;
        else
            equal = !o.null && v.toString().toUtf8() == o.text;
        if (equal) {
            moveTo(i);
            return true;
        }
    }
    return false;
}

} // namespace kovara
