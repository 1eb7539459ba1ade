#include "cli/CnpCheck.h"

#include "shell/CNP.h"

namespace kovara::cli {

qint64 listWrongCnps(const dbf::Table &table, QTextStream &out)
{
    struct Column
    {
        const char *name;
        bool required; // the applicant's code must be filled; a child's only when given
        int index = -1;
    };
    Column columns[] = {{"CNP", true}, {"CNP1", false}, {"CNP2", false}, {"CNP3", false}};
    const int idIndex = table.fieldIndex("IDCERERE");
    if (idIndex < 0)
        return 0;
    for (Column &c : columns)
        c.index = table.fieldIndex(c.name);

    const dbf::Field &idField = table.fields().at(idIndex);
    qint64 listed = 0;
    const int length = table.recordLength();
    QByteArray record;
    dbf::scanRecords(table, [&](qint64, qint64 count, const char *block) {
        for (qint64 i = 0; i < count; ++i) {
            record = QByteArray(block + i * length, length);
            if (table.isDeleted(record))
                continue;
            for (const Column &c : columns) {
                if (c.index < 0)
                    continue;
                const dbf::Field &field = table.fields().at(c.index);
                const QVariant code = dbf::decodeField(field, dbf::fieldBytes(field, record));
                const QString text = code.isNull() ? QString() : code.toString();
                if (!storedCnpWrong(text, c.required))
                    continue;
                const QVariant id = dbf::decodeField(idField, dbf::fieldBytes(idField, record));
                out << "  IDCERERE " << (id.isNull() ? QStringLiteral("?") : id.toString()) << ": " << c.name
                    << " gresit: \"" << text.trimmed() << "\"\n";
                ++listed;
            }
        }
    });
    return listed;
}

} // namespace kovara::cli
