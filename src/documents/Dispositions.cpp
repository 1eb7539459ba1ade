#include "documents/Dispositions.h"

#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "documents/DocumentRefusal.h"
#include "documents/Models.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/CNP.h"
#include "shell/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace kovara {
namespace {

QString typeOf(DispositionKind kind)
{
    return kind == DispositionKind::Layette ? LayetteTip() : NewbornTip();
}

// Every letter of a constant in capitals (the templates print them so).
QString capitals(const QString &text)
{
    return text.toUpper();
}

// The disposition date text of a row; empty when the row has none.
QString dateTextOf(const Query &row, const QString &column)
{
    const QDate d = row.date(column);
    return d.isValid() ? DayMonthYearText(d) : QString();
}

} // namespace

QString ChildrenPhrase(const QStringList &names, const QStringList &codes)
{
    QString phrase = names.size() == 1 ? QStringLiteral("al copilului ") : QStringLiteral("a copiilor ");
    phrase += QLatin1Char(' ');
    for (qsizetype i = 0; i < names.size(); ++i)
        phrase += names[i] + QStringLiteral(", CNP ") + codes.value(i) + QStringLiteral(", ");
    return phrase;
}

QString CapacityBeforeChildren(const QString &calitate)
{
    static const QStringList endings{QStringLiteral(" al copilului"), QStringLiteral(" a copilului"),
                                     QStringLiteral(" al copiilor"), QStringLiteral(" a copiilor")};
    const QString text = calitate.trimmed();
    for (const QString &ending : endings)
        if (text.endsWith(ending, Qt::CaseInsensitive))
            return text.chopped(ending.size()).trimmed();
    return calitate;
}

ApplicantWords ApplicantSexWords(const QString &cnp)
{
    if (Sex(cnp.trimmed()) == QLatin1String("feminin"))
        return {QStringLiteral("numita"), QStringLiteral("doamnei")};
    return {QStringLiteral("numitul"), QStringLiteral("domnului")};
}

QString DispositionsTitle()
{
    return QStringLiteral("Listare Dispozitii");
}

QString NoDispositionText(int first, int last)
{
    return QStringLiteral("Nu exista nici o dispozitie cu numarul intre %1 si %2.").arg(first).arg(last);
}

QString CannotWriteText()
{
    return QStringLiteral("Nu pot scrie pe harddisk!");
}

QString LayetteTemplateMissingText(const QString &path)
{
    return QStringLiteral("Lipseste fisierul ") + QDir::toNativeSeparators(path) +
           QStringLiteral("\r\nSalvati datele si reinstalati programul!");
}

QString DispositionTemplate(const QString &dataDir, DispositionKind kind)
{
    return TemplatePath(dataDir,
                        kind == DispositionKind::Layette ? QStringLiteral("Disp4") : QStringLiteral("Disp3"));
}

PlaceholderValues DispositionValues(DispositionKind kind, const Query &row, const MunicipalityConstants &c)
{
    const QString dataAzi = dateTextOf(row, QStringLiteral("DATADISP"));
    if (kind == DispositionKind::NewbornAllowance) {
        const QString child = row.text(QStringLiteral("CNP1"));
        return {
            {QStringLiteral("[JUDET]"), capitals(c.JUDET)},
            {QStringLiteral("[LOCALITATE]"), capitals(c.LOCALIT)},
            {QStringLiteral("[PRIMAR]"), capitals(c.PRIMAR)},
            {QStringLiteral("[PRIMARIA]"), capitals(c.PRIMARIA)},
            {QStringLiteral("[SOLICITANT]"), row.text(QStringLiteral("SUBSEMN"))},
            {QStringLiteral("[NRCERERE]"), row.text(QStringLiteral("NR"))},
            {QStringLiteral("[DATACERERE]"), row.text(QStringLiteral("DINDATA"))},
            {QStringLiteral("[CUANTUM]"), row.text(QStringLiteral("CUANTUM"))},
            {QStringLiteral("[ALCATELEA]"), row.text(QStringLiteral("ALCATE"))},
            {QStringLiteral("[COPIL]"), row.text(QStringLiteral("COPIL1"))},
            {QStringLiteral("[DATAN]"), CnpBirthDate(child)},
            {QStringLiteral("[CNSERIA]"), row.text(QStringLiteral("CNSERIA"))},
            {QStringLiteral("[CNNR]"), row.text(QStringLiteral("CNNR"))},
            {QStringLiteral("[CNELIB]"), row.text(QStringLiteral("CNELIB"))},
            {QStringLiteral("[NR]"), row.text(QStringLiteral("NRDISP"))},
            {QStringLiteral("[PTLUNA]"), row.text(QStringLiteral("PTLUNA"))},
            {QStringLiteral("[DATAAZI]"), dataAzi},
        };
    }
    // The request table holds three children at most.
    const int count = int(std::clamp<qint64>(row.integer(QStringLiteral("NRCOPII")), 0, 3));
    QStringList names, codes;
    for (int i = 1; i <= count; ++i) {
        names << row.text(QStringLiteral("COPIL%1").arg(i));
        codes << row.text(QStringLiteral("CNP%1").arg(i));
    }
    const QString applicant = row.text(QStringLiteral("CNP"));
    const ApplicantWords words = ApplicantSexWords(applicant);
    return {
        {QStringLiteral("[JUDET]"), c.JUDET},
        {QStringLiteral("[PRIMARIA]"), capitals(c.PRIMARIA)},
        {QStringLiteral("[LEGALITATE]"), capitals(c.AVIZAT)},
        {QStringLiteral("[NR]"), row.text(QStringLiteral("NRDISP"))},
        {QStringLiteral("[NUMIT]"), words.numit},
        {QStringLiteral("[SOLICITANT]"), row.text(QStringLiteral("SUBSEMN"))},
        {QStringLiteral("[CNP]"), applicant},
        {QStringLiteral("[CALITATE]"), CapacityBeforeChildren(row.text(QStringLiteral("CALITATE")))},
        {QStringLiteral("[COPII]"), ChildrenPhrase(names, codes)},
        {QStringLiteral("[DNEI]"), words.dnei},
        {QStringLiteral("[LOCALITATE]"), capitals(c.LOCALIT)},
        {QStringLiteral("[PRIMAR]"), capitals(c.PRIMAR)},
        {QStringLiteral("[NRCERERE]"), row.text(QStringLiteral("NR"))},
        {QStringLiteral("[DATACERERE]"), row.text(QStringLiteral("DINDATA"))},
        {QStringLiteral("[DATAAZI]"), dataAzi},
    };
}

QList<PlaceholderValues> DispositionValueSets(const DispositionRun &run)
{
    Query q(run.workspace.database());
    q.open(QStringLiteral("SELECT * FROM %1 WHERE TIP = ? AND NRDISP >= ? AND NRDISP <= ? AND DATADISP >= ? "
                          "ORDER BY NR")
               .arg(run.workspace.requestTable()),
           {typeOf(run.kind), run.first, run.last, QDate(run.year, 1, 1)});
    if (q.isEmpty())
        throw DocumentRefusal(DispositionsTitle(), NoDispositionText(run.first, run.last));
    QList<PlaceholderValues> sets;
    sets.reserve(q.rowCount());
    for (q.first(); !q.eof(); q.next())
        sets.append(DispositionValues(run.kind, q, run.workspace.constants));
    return sets;
}

} // namespace kovara
