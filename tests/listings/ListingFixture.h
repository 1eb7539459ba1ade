#pragma once

// A data folder with a request table and the municipality constants, for
// the listings.

#include "TestSupport.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"
#include "listings/Listings.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>

namespace kovara::test {

class ListingData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(dataDir());
        Database db;
        db.createTable(requests(), RequestTableColumns());
        writeAll(QDir(dataDir()).filePath("Kovara.ini"),
                 "[CONSTANTE]\r\nPRIMARIA=Sacele\r\nLOCALIT=Sacele\r\nJUDET=BRASOV\r\nPRIMAR=Ion Primaru\r\n"
                 "SECRETAR=Ana Secretaru\r\nDIRECTOR=Dan Directoru\r\nINTOCMIT=Eva Intocmitu\r\n");
    }
    void TearDown() override { Database::shared().detachAll(); }

    QString dataDir() const { return scratch.file("Data"); }
    QString requests() const { return QDir(dataDir()).filePath("Cereri.dbf"); }
    QString workTable(const QString &name) const { return scratch.file(name + ".dbf"); }
    ListingSource source() const { return DataFolderListingSource(dataDir()); }

    // A request: column -> value; IDCERERE numbered from 1.
    void add(QVariantMap values)
    {
        values.insert("IDCERERE", ++m_id);
        Database db;
        db.appendRow(requests(), values);
    }

    ScratchDir scratch;

private:
    qint64 m_id = 0;
};

} // namespace kovara::test
