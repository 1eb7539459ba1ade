#pragma once

// A small, plausible data folder for the listings: requests of every kind
// in March 2010 (newborn allowances paid for "martie.2010"), and the
// municipality constants.

#include "TestSupport.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>

namespace kovara::test {

inline void writeSampleDataFolder(const QString &dataDir, int requests = 60)
{
    static const char *const surnames[] = {"POPESCU",  "IONESCU", "MUREŞAN", "ŞERBAN",   "BĂLAN",
                                           "STĂNESCU", "NEAGU",   "MATEI",   "GHEORGHE", "RĂDULESCU"};
    static const char *const given[] = {"MARIA", "ELENA",  "IOANA", "ANDREEA",
                                        "ION",   "VASILE", "MIHAI", "FLORIN"};
    static const char *const kinds[] = {"A", "I", "S", "AI", "AS", "3", "4"};
    QDir().mkpath(dataDir);
    const QString path = QDir(dataDir).filePath("Cereri.dbf");
    Database db;
    db.createTable(path, RequestTableColumns());
    for (int i = 0; i < requests; ++i) {
        const QString surname = QString::fromUtf8(surnames[i % 10]);
        const QDate day = QDate(2010, 3, 1).addDays(i % 31);
        const QString tip = kinds[i % 7];
        const int children = tip == "4" ? 1 + i % 3 : (tip > "4" ? 1 + i % 2 : 1);
        QVariantMap r{
            {"IDCERERE", i + 1},
            {"DINDATA", day},
            {"NR", 100 + i},
            {"TIP", tip},
            {"SUBSEMN", surname + ' ' + given[i % 8]},
            {"CALITATE", "parinte natural"},
            {"CNP", QString("2%1").arg(800101100000LL + i * 7919LL)},
            {"BISERIA", "BV"},
            {"BINR", QString::number(300000 + i * 37)},
            {"ADRESA",
             QString("Str. Unirii nr. %1, bl. %2, ap. %3").arg(i + 1).arg(i % 9 + 1).arg(i % 40 + 1)},
            {"JUDADR", "BRASOV"},
            {"CUANTUM", tip == "3"   ? 204
                        : tip == "4" ? 150 * children
                                     : 0},
            {"ALCATE", "primul"},
            {"NRCOPII", children},
            {"HANDI", i % 5 == 0 ? "DA" : "NU"}};
        for (int c = 1; c <= children; ++c) {
            r.insert(QString("COPIL%1").arg(c), surname + ' ' + given[(i + c) % 8]);
            r.insert(QString("CNP%1").arg(c), QString("6%1").arg(100301100000LL + i * 131LL + c));
        }
        if (tip == "3" || tip == "4") {
            r.insert("NRDISP", 500 + i);
            r.insert("DATADISP", day.addDays(1));
            r.insert("PTLUNA", "martie.2010");
        }
        db.appendRow(path, r);
    }
    writeAll(QDir(dataDir).filePath("Kovara.ini"),
             "[CONSTANTE]\r\nPRIMARIA=Sacele\r\nLOCALIT=Sacele\r\nJUDET=BRASOV\r\nPRIMAR=Ion Popa\r\n"
             "SECRETAR=Ana Dumitru\r\nDIRECTOR=Dan Marinescu\r\nINTOCMIT=Eva Constantin\r\n");
}

} // namespace kovara::test
