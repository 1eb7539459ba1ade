#include "documents/RequestForm.h"

#include "app/TextHelpers.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/RequestTable.h"
#include "data/SqlEngine.h"
#include "documents/Models.h"
#include "documents/RtfReplace.h"
#include "requests/RequestList.h"

#include <QFileInfo>

namespace kovara {
namespace {

QString fieldText(const RowFields &fields, const QString &name)
{
    for (const auto &[column, text] : fields)
        if (column.compare(name, Qt::CaseInsensitive) == 0)
            return text;
    return {};
}

QString formTemplate()
{
    const QString path = TemplatePath(QStringLiteral("Cerere"));
    if (!QFileInfo::exists(path))
        ExtractModels();
    return path;
}

} // namespace

RowFields CurrentRowFields(const Query &row)
{
    RowFields fields;
    for (const QString &column : row.columnNames())
        fields.append({column.toUpper(), row.isNull(column) ? QString() : row.text(column)});
    return fields;
}

void AddRequestFormPairs(RtfReplace &rtf, const RowFields &fields)
{
    for (const auto &[column, text] : fields) {
        const QString name = column.toUpper();
        rtf.addPair(QLatin1Char('[') + name + QLatin1Char(']'), text);
        if (name == QLatin1String("SUBSEMN")) {
            rtf.addPair(QStringLiteral("[NUME]"), FirstWord(text));
            rtf.addPair(QStringLiteral("[PRENUME]"), RestWords(text));
        } else if (name.startsWith(QLatin1String("COPIL"))) {
            const QChar digit = name.size() > 5 ? name.at(5) : QChar();
            const QString n = digit.isDigit() ? QString(digit) : QStringLiteral("1");
            rtf.addPair(QStringLiteral("[NUME") + n + QLatin1Char(']'), FirstWord(text));
            rtf.addPair(QStringLiteral("[PRENUME") + n + QLatin1Char(']'), RestWords(text));
        }
    }
}

void WriteRequestForm(const RowFields &fields, const QString &destination)
{
    RtfReplace rtf;
    rtf.setSource(formTemplate());
    rtf.setDestination(destination);
    rtf.clearPairs();
    AddRequestFormPairs(rtf, fields);
    rtf.writeWholeFile();
}

QString ListRequestForm(const RowFields &fields)
{
    const QString id = fieldText(fields, QStringLiteral("IDCERERE"));
    const QString document = RequestDocumentPath(id.toLongLong());
    RtfReplace rtf;
    rtf.setDestination(findFileNoCase(document));
    if (!QFileInfo::exists(rtf.destination()))
        WriteRequestForm(fields, rtf.destination());
    rtf.openDocument();
    return rtf.destination();
}

RowFields RequestFields(qint64 id)
{
    Query row;
    row.open(QStringLiteral("SELECT * FROM %1 WHERE IDCERERE = ?").arg(RequestTable()), {id});
    if (row.isEmpty())
        throw Error(QStringLiteral("Cererea cu numarul de identificare %1 nu exista.").arg(id));
    row.first();
    const RowFields fields = CurrentRowFields(row);
    row.close();
    return fields;
}

} // namespace kovara
