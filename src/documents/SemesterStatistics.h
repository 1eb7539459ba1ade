#pragma once

// The semester statistics of the layettes: how many children, boys and
// girls, and the total amount of the layette requests whose dispositions are
// dated in a semester, filled into the template Statistic.rtf that the
// installation supplies.

#include "documents/Dispositions.h"

#include <QDate>
#include <QString>

namespace kovara {

// First semester 1 January to 30 June, second 1 July to 31 December.
struct Semester
{
    QDate from;
    QDate to;
};
Semester SemesterBounds(int semester, int year);

struct SemesterFigures
{
    qint64 children = 0;
    qint64 totalTenThousandths = 0; // the amounts added as currency (4 decimals)
    int boys = 0;
    int girls = 0;
};

// An amount in ten-thousandths as the document writes it: no thousands
// separator, "." before the decimals, decimals only when there are any
// ("300", "300.5").
QString CurrencyText(qint64 tenThousandths);

// Counts the layette requests (type "4") with DATADISP in the semester:
// children the sum of NRCOPII, total the sum of CUANTUM; each child code of
// exactly 13 characters counts as a boy or a girl by the sex rule of the
// identity code (first digit 1, 5, 7 or 9 a boy).
SemesterFigures CountSemester(const Workspace &ws, int semester, int year);

// The placeholders of Statistic.rtf, in order.
PlaceholderValues StatisticsValues(const QString &townHall, int semester, int year, const SemesterFigures &f);

QString StatisticsTitle();               // "Statistica"
QString StatisticsTemplateMissingText(); // "Nu exista fisierul model Statistic.rtf!\rActualizati programul!"
QString StatisticsNoFreeNameText(const QString &programDir);

// Statistic.rtf of the data folder (found without regard to letter case).
QString StatisticsTemplate(const QString &dataDir);

struct StatisticsRun
{
    int semester = 1;
    int year = 0;
    QString output;      // the document; empty: the first free of 0.rtf .. 99.rtf of the program folder
    Workspace workspace; // the requests, the template, the program folder and PRIMARIA
};

// Counts and writes the document; returns its path. A missing template and
// no free output name stop with DocumentRefusal, before anything is written.
QString WriteStatistics(const StatisticsRun &run);

} // namespace kovara
