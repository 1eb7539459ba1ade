#pragma once

// A data folder with a request table holding the rows a test gives.

#include "TestSupport.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>

namespace kovara::test {

struct Row
{
    qint64 id;
    QDate date;
    qint64 nr;
    QString tip;
    QString subsemn;
    QString cnp = {};
};

class RequestData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Database::shared().detachAll();
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        CreateRequestTable();
    }
    void TearDown() override { Database::shared().detachAll(); }

    void add(const Row &r)
    {
        Database::shared().appendRow(RequestTablePath(), {{"IDCERERE", r.id},
                                                          {"DINDATA", r.date},
                                                          {"NR", r.nr},
                                                          {"TIP", r.tip},
                                                          {"SUBSEMN", r.subsemn},
                                                          {"CNP", r.cnp},
                                                          {"NRDISP", 0},
                                                          {"DATADISP", r.date},
                                                          {"HANDI", "NU"}});
    }
    void add(std::initializer_list<Row> rows)
    {
        for (const Row &r : rows)
            add(r);
    }

    ScratchDir scratch;
};

} // namespace kovara::test
