// The column lists of CREATE TABLE and ALTER TABLE ... ADD, as dBase fields.

#include "base/Error.h"
#include "engines/dbf/SqlEngine.h"

#include <QRegularExpression>

namespace kovara {
namespace {

QStringList splitTopLevel(const QString &text)
{
    QStringList parts;
    int depth = 0;
    QString current;
    for (QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (c == u',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty() || !parts.isEmpty())
        parts << current.trimmed();
    return parts;
}

dbf::FieldDef parseColumn(const QString &item)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^([A-Za-z_][A-Za-z0-9_]*)\s+([A-Za-z]+)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))?$)"));
    const QRegularExpressionMatch m = re.match(item);
    if (!m.hasMatch())
        throw Error(QStringLiteral("Definitia coloanei \"%1\" nu este corecta.").arg(item));
    dbf::FieldDef f;
    f.name = m.captured(1).toUpper().toLatin1();
    if (f.name.size() > 10)
        throw Error(QStringLiteral("Numele coloanei %1 are mai mult de 10 caractere.").arg(m.captured(1)));
    const QString type = m.captured(2).toUpper();
    const bool hasWidth = !m.captured(3).isEmpty();
    const int width = m.captured(3).toInt();
    const int decimals = m.captured(4).toInt();
    if (type == QLatin1String("CHAR") || type == QLatin1String("CHARACTER") ||
        type == QLatin1String("VARCHAR")) {
        f.type = 'C';
        f.length = hasWidth ? width : 1;
    } else if (type == QLatin1String("DECIMAL") || type == QLatin1String("NUMERIC") ||
               type == QLatin1String("NUMBER")) {
        f.type = 'N';
        f.length = hasWidth ? width : 10;
        f.decimals = decimals;
    } else if (type == QLatin1String("INTEGER") || type == QLatin1String("INT")) {
        f.type = 'N';
        f.length = 11;
    } else if (type == QLatin1String("DATE")) {
        f.type = 'D';
        f.length = 8;
    } else if (type == QLatin1String("LOGICAL") || type == QLatin1String("BOOLEAN")) {
        f.type = 'L';
        f.length = 1;
    } else {
        throw Error(QStringLiteral("Tipul de coloana %1 nu este cunoscut.").arg(m.captured(2)));
    }
    if (f.type == 'C' && (f.length < 1 || f.length > 254))
        throw Error(QStringLiteral("Latimea coloanei %1 trebuie sa fie intre 1 si 254.").arg(m.captured(1)));
    if (f.type == 'N' && (f.length < 1 || f.length > 20 || f.decimals < 0 || f.decimals >= f.length))
        throw Error(QStringLiteral("Marimea coloanei numerice %1 nu este corecta.").arg(m.captured(1)));
    return f;
}

} // namespace

QList<dbf::FieldDef> parseColumnList(const QString &columns)
{
    QString text = columns.trimmed();
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.mid(1, text.size() - 2).trimmed();
    const QStringList items = splitTopLevel(text);
    if (items.isEmpty())
        throw Error(QStringLiteral("Lista de coloane este goala."));
    QList<dbf::FieldDef> fields;
    for (const QString &item : items) {
        const dbf::FieldDef f = parseColumn(item);
        for (const dbf::FieldDef &other : fields)
            if (other.name == f.name)
                throw Error(QStringLiteral("Coloana %1 apare de doua ori.").arg(QString::fromLatin1(f.name)));
        fields << f;
    }
    return fields;
}

} // namespace kovara
