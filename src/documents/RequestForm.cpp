#include "documents/RequestForm.h"
#include "base/FileNames.h"

#include "shell/OpenDocument.h"

#include "base/Error.h"
#include "data/RequestTable.h"
#include "documents/DocumentRefusal.h"
#include "documents/Models.h"
#include "documents/TemplateCheck.h"
#include "documents/TemplateCommands.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "engines/rtf/RtfReplace.h"
#include "requests/RequestList.h"
#include "shell/TextHelpers.h"

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

QString formTemplate(const QString &dataDir)
{
    const QString path = TemplatePath(dataDir, QStringLiteral("Cerere"));
    if (!QFileInfo::exists(path))
        ExtractModels(dataDir);
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
        if (name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']')))
            continue; // no placeholder can name such a column
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

void WriteRequestForm(const QString &dataDir, const RowFields &fields, const QString &destination)
{
    const QString source = formTemplate(dataDir);
    if (const QString broken = BrokenTemplateText(QStringLiteral("Cerere"), source); !broken.isEmpty())
        throw DocumentRefusal(MissingFormTitle(), broken);
    RtfReplace rtf;
    rtf.setSource(source);
    rtf.setDestination(destination);
    rtf.clearPairs();
    AddRequestFormPairs(rtf, fields);
    if (const QString tooLarge = DocumentSizeText(rtf.wholeFileBytes(), ManyFieldsCure(source));
        !tooLarge.isEmpty())
        throw DocumentRefusal(MissingFormTitle(), tooLarge);
    rtf.writeWholeFile();
}

QString ListRequestForm(const QString &dataDir, const RowFields &fields)
{
    const QString id = fieldText(fields, QStringLiteral("IDCERERE"));
    const QString document = RequestDocumentPath(id.toLongLong());
    const QString destination = findFileNoCase(document);
    if (!QFileInfo::exists(destination))
        WriteRequestForm(dataDir, fields, destination);
    OpenDocument(QFileInfo(destination).absoluteFilePath(), QFileInfo(destination).absolutePath());
    return destination;
}

RowFields RequestFields(const Workspace &ws, qint64 id)
{
    Query row(ws.database());
    row.open(QStringLiteral("SELECT * FROM %1 WHERE IDCERERE = ?").arg(ws.requestTable()), {id});
    if (row.isEmpty())
        throw Error(QStringLiteral("Cererea cu numarul de identificare %1 nu exista.").arg(id));
    row.first();
    const RowFields fields = CurrentRowFields(row);
    row.close();
    return fields;
}

} // namespace kovara
