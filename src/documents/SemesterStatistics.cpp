#include "documents/SemesterStatistics.h"
#include "base/FileNames.h"

#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/CNP.h"

#include <QDir>
#include <cmath>

namespace kovara {

Semester SemesterBounds(int semester, int year)
{
    if (semester == 2)
        return {QDate(year, 7, 1), QDate(year, 12, 31)};
    return {QDate(year, 1, 1), QDate(year, 6, 30)};
}

QString CurrencyText(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? quint64(-tenThousandths) : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    if (const quint64 fraction = magnitude % 10000) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

SemesterFigures CountSemester(const Workspace &ws, int semester, int year)
{
    const Semester s = SemesterBounds(semester, year);
    Query q(ws.database());
    q.open(QStringLiteral("SELECT CNP1, CNP2, CNP3, CUANTUM, NRCOPII FROM %1 "
                          "WHERE DATADISP >= ? AND DATADISP <= ? AND TIP = ?")
               .arg(ws.requestTable()),
           {s.from, s.to, LayetteTip()});
    SemesterFigures f;
    for (q.first(); !q.eof(); q.next()) {
        f.children += q.integer(QStringLiteral("NRCOPII"));
        f.totalTenThousandths += std::llround(q.amount(QStringLiteral("CUANTUM")) * 10000.0);
        for (const char *column : {"CNP1", "CNP2", "CNP3"}) {
            const QString code = q.text(QString::fromLatin1(column));
            if (code.size() != 13)
                continue;
            if (Sex(code) == QLatin1String("masculin"))
                ++f.boys;
            else
                ++f.girls;
        }
    }
    return f;
}

PlaceholderValues StatisticsValues(const QString &townHall, int semester, int year, const SemesterFigures &f)
{
    return {
        {QStringLiteral("[LOCALITATE]"), townHall},
        {QStringLiteral("[SEMESTRU]"), QString::number(semester)},
        {QStringLiteral("[ANUL]"), QString::number(year)},
        {QStringLiteral("[NRCOPII]"), QString::number(f.children)},
        {QStringLiteral("[TOTAL]"), CurrencyText(f.totalTenThousandths)},
        {QStringLiteral("[MASC]"), QString::number(f.boys)},
        {QStringLiteral("[FEM]"), QString::number(f.girls)},
    };
}

QString StatisticsTitle()
{
    return QStringLiteral("Statistica");
}

QString StatisticsTemplateMissingText()
{
    return QStringLiteral("Nu exista fisierul model Statistic.rtf!\rActualizati programul!");
}

QString StatisticsNoFreeNameText(const QString &programDir)
{
    return QStringLiteral("Nu pot scrie in ") + QDir::toNativeSeparators(programDir) +
           QStringLiteral("!\rSalvati, dezinstalati si reinstalati programul in alta parte!");
}

QString StatisticsTemplate(const QString &dataDir)
{
    return findFileNoCase(QDir(dataDir).filePath(QStringLiteral("Statistic.rtf")));
}

} // namespace kovara
