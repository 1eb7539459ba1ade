#pragma once

// A program folder whose request table holds the requests a test gives, and
// the export of a year's list read back by xlrd.

#include "TestSupport.h"
#include "XlsReader.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>

namespace kovara::test {

struct Request
{
    qint64 id;
    QDate date;
    qint64 nr;
    QString tip;
    QString subsemn;
    QString cnp;
    QString copil;
    QString cnpCopil;
    qint64 nrdisp = 0;
    QDate datadisp = {};
};

class ListExportData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Database::shared().detachAll();
        setProgramDir(scratch.path());
        setDataDir(QString());
        QDir().mkpath(DataDir());
        CreateRequestTable();
    }
    void TearDown() override
    {
        Database::shared().detachAll();
        setDataDir(QString());
    }

    void add(const Request &r)
    {
        QVariantMap row{{"IDCERERE", r.id},  {"DINDATA", r.date},    {"NR", r.nr},
                        {"TIP", r.tip},      {"SUBSEMN", r.subsemn}, {"CNP", r.cnp},
                        {"COPIL1", r.copil}, {"CNP1", r.cnpCopil},   {"NRDISP", r.nrdisp},
                        {"HANDI", "NU"}};
        if (r.datadisp.isValid())
            row.insert("DATADISP", r.datadisp);
        Database::shared().appendRow(RequestTablePath(), row);
    }
    // `count` newborn requests of 2024 (identifiers from 1), the even ones
    // numbered; in one transaction (one journal for the table, not one per row).
    void addMany(int count)
    {
        Transaction rows(Database::shared());
        for (int i = 1; i <= count; ++i)
            add(Request{i, QDate(2024, 1, 1).addDays(i % 366), i, "3",
                        QStringLiteral("SOLICITANT %1").arg(count - i, 5, 10, QLatin1Char('0')),
                        QStringLiteral("2%1").arg(800101000000LL + i), QStringLiteral("COPIL %1").arg(i),
                        QStringLiteral("5%1").arg(240101000000LL + i), i % 2 ? 0 : i,
                        i % 2 ? QDate() : QDate(2024, 12, 1)});
        rows.commit();
    }

    ScratchDir scratch;
};

} // namespace kovara::test
