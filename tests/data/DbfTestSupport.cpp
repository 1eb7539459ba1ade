#include "DbfTestSupport.h"

#include "TestSupport.h"

#include <QDate>

namespace kovara::test {

QList<dbf::FieldDef> sampleFields()
{
    return {
        {"NAME", 'C', 12, 0}, {"NR", 'N', 6, 0}, {"SUMA", 'N', 9, 2}, {"DATA", 'D', 8, 0}, {"OK", 'L', 1, 0}};
}

quint32 headerCount(const QByteArray &file)
{
    const auto *u = reinterpret_cast<const unsigned char *>(file.constData());
    return quint32(u[4]) | quint32(u[5]) << 8 | quint32(u[6]) << 16 | quint32(u[7]) << 24;
}

int headerLength(const QByteArray &file)
{
    return static_cast<unsigned char>(file[8]) | static_cast<unsigned char>(file[9]) << 8;
}

int recordLength(const QByteArray &file)
{
    return static_cast<unsigned char>(file[10]) | static_cast<unsigned char>(file[11]) << 8;
}

void makeTable(const QString &path, const QList<dbf::FieldDef> &fields, const QList<QVariantList> &rows)
{
    dbf::Table::create(path, fields);
    auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    for (QVariantList values : rows) {
        const bool deleted = !values.isEmpty() && values.first() == QVariant(QStringLiteral("*"));
        if (deleted)
            values.removeFirst();
        QByteArray record = table->blankRecord();
        for (int i = 0; i < values.size(); ++i)
            dbf::encodeField(table->fields().at(i), values.at(i), record);
        const qint64 recno = table->appendRecord(record);
        if (deleted)
            table->setDeleted(recno, true);
    }
}

QByteArray writeWideTable(const QString &path, int count, int deletedEvery)
{
    const QList<dbf::FieldDef> fields = {
        {"IDCERERE", 'N', 10, 0}, {"DINDATA", 'D', 8, 0}, {"SUBSEMN", 'C', 32, 0}, {"ADRESA", 'C', 60, 0},
        {"CNP", 'C', 13, 0},      {"NOTE1", 'C', 254, 0}, {"NOTE2", 'C', 80, 0},   {"CUANTUM", 'N', 6, 0}};
    dbf::Table::create(path, fields);
    QByteArray bytes = readAll(path);
    bytes.chop(1); // the end mark of the empty table
    {
        auto table = dbf::Table::open(path);
        const QList<dbf::Field> &f = table->fields();
        QByteArray record = table->blankRecord();
        bytes.reserve(bytes.size() + qsizetype(count) * record.size() + 1);
        for (int i = 0; i < count; ++i) {
            record[0] = deletedEvery > 0 && i % deletedEvery == deletedEvery - 1 ? '*' : ' ';
            dbf::encodeField(f[0], i + 1, record);
            dbf::encodeField(f[1], QDate(2010, 1, 1).addDays(i % 5000), record);
            dbf::encodeField(f[2], QStringLiteral("POPESCU ŞTEFAN %1").arg(i), record);
            dbf::encodeField(f[3], QStringLiteral("Str. Ţepeş Vodă nr. %1").arg(i % 300), record);
            dbf::encodeField(f[4], QStringLiteral("1850517%1").arg(i % 1000000, 6, 10, QLatin1Char('0')),
                             record);
            dbf::encodeField(f[5], QString(i % 200, QLatin1Char('x')), record);
            dbf::encodeField(f[7], i % 1000, record);
            bytes += record;
        }
    }
    bytes += '\x1a';
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char((quint32(count) >> (8 * i)) & 0xFF);
    writeAll(path, bytes);
    return bytes;
}

} // namespace kovara::test
