#include "documents/TemplateCheck.h"

#include "documents/Models.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace kovara {
namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

QStringList TemplatePlaceholders(const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("cerere"))
        return {"[NUME]", "[PRENUME]", "[CNP]", "[BISERIA]", "[BINR]", "[ADRESA]"};
    if (n == QLatin1String("disp3"))
        return {"[JUDET]",      "[LOCALITATE]", "[PRIMAR]",    "[PRIMARIA]", "[SOLICITANT]", "[NRCERERE]",
                "[DATACERERE]", "[CUANTUM]",    "[ALCATELEA]", "[COPIL]",    "[DATAN]",      "[CNSERIA]",
                "[CNNR]",       "[CNELIB]",     "[NR]",        "[PTLUNA]",   "[DATAAZI]"};
    if (n == QLatin1String("disp4"))
        return {"[JUDET]",      "[PRIMARIA]", "[LEGALITATE]", "[NR]",         "[NUMIT]",
                "[SOLICITANT]", "[CNP]",      "[CALITATE]",   "[COPII]",      "[DNEI]",
                "[LOCALITATE]", "[PRIMAR]",   "[NRCERERE]",   "[DATACERERE]", "[DATAAZI]"};
    if (n == QLatin1String("anx3"))
        return {"[CODJUD]", "[DENUMJUD]", "[CODUNIT]", "[DENUMUNIT]", "[NR]", "[SUMA]", "[DATA]"};
    if (n == QLatin1String("statistic"))
        return {"[LOCALITATE]", "[SEMESTRU]", "[ANUL]", "[NRCOPII]", "[TOTAL]", "[MASC]", "[FEM]"};
    return {};
}

QByteArray VisibleText(const QByteArray &rtf)
{
    QByteArray out;
    out.reserve(rtf.size() / 2);
    const qsizetype n = rtf.size();
    int skip = 0; // fallback characters still to leave out after "\uN"
    for (qsizetype i = 0; i < n; ++i) {
        const char c = rtf[i];
        if (c == '{' || c == '}' || c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            if (skip > 0)
                --skip;
            else
                out += c;
            continue;
        }
        if (i + 1 >= n)
            break;
        const char next = rtf[i + 1];
        if (next == '\'') { // "\'xx": one character of the code page
            if (skip > 0)
                --skip;
            else {
                const QByteArray hex = QByteArray::fromHex(rtf.mid(i + 2, 2));
                out += hex.isEmpty() ? '?' : hex.at(0);
            }
            i += 3;
            continue;
        }
        if (!isLetter(next)) { // "\{", "\}", "\\", "\~" ...
            if (next == '{' || next == '}' || next == '\\')
                out += next;
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && isLetter(rtf[j]))
            ++j;
        const QByteArray word = rtf.mid(i + 1, j - i - 1);
        const qsizetype numberStart = j;
        if (j < n && (rtf[j] == '-' || isDigit(rtf[j])))
            ++j;
        while (j < n && isDigit(rtf[j]))
            ++j;
        if (word == "u" && j > numberStart)
            skip = 1;
        if (word == "par" || word == "line" || word == "tab" || word == "cell")
            out += ' ';
        if (j < n && rtf[j] == ' ')
            ++j; // the delimiter belongs to the control word
        i = j - 1;
    }
    return out;
}

TemplateReport CheckTemplate(const QString &name, const QByteArray &rtf)
{
    TemplateReport report;
    report.name = name;
    const QByteArray upper = rtf.toUpper();
    const QByteArray visible = VisibleText(rtf).toUpper();
    for (const QString &key : TemplatePlaceholders(name)) {
        const QByteArray k = key.toLatin1();
        if (upper.contains(k))
            report.intact.append(key);
        else if (!visible.contains(k))
            report.missing.append(key);
    }
    // Every bracketed word the reader shows that the file does not hold as
    // one run is broken, expected or not.
    static const QRegularExpression bracketed(QStringLiteral(R"(\[[A-Z][A-Z0-9]*\])"));
    QSet<QString> seen;
    auto it = bracketed.globalMatch(QString::fromLatin1(visible));
    while (it.hasNext()) {
        const QString key = it.next().captured(0);
        if (seen.contains(key) || upper.contains(key.toLatin1()))
            continue;
        seen.insert(key);
        report.broken.append(key);
    }
    return report;
}

QList<TemplateReport> CheckDataTemplates(const QString &dataDir)
{
    QList<TemplateReport> reports;
    QStringList names = ModelNames();
    names.move(names.indexOf(QStringLiteral("Cerere")), 0);
    names.append(QStringLiteral("Statistic"));
    for (const QString &name : names) {
        const QString path = TemplatePath(dataDir, name);
        QFile file(path);
        TemplateReport report;
        if (file.open(QIODevice::ReadOnly)) {
            report = CheckTemplate(name, file.readAll());
        } else {
            report.name = name;
            report.present = false;
            report.missing = TemplatePlaceholders(name);
        }
        report.path = path;
        reports.append(report);
    }
    return reports;
}

} // namespace kovara
