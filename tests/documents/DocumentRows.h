#pragma once

// A scratch program folder with a request table, and rows for the
// disposition and statistics tests.

#include "TestSupport.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <QVariantMap>

namespace kovara::test {

struct DocRow
{
    int nr = 1;
    QString tip = QStringLiteral("3");
    int nrdisp = 0;
    QDate datadisp;
    QString subsemn = QStringLiteral("POPESCU MARIA");
    QString cnp = QStringLiteral("2850101123458");
    QStringList children = {QStringLiteral("POPESCU ANA")};
    QStringList codes = {QStringLiteral("5200312123455")};
    double cuantum = 150;
    QString calitate = QStringLiteral("mama");
};

class DocumentFolder
{
public:
    // amountDecimals: CUANTUM with decimals, as some offices' older tables have.
    explicit DocumentFolder(int amountDecimals = 0)
    {
        Database::shared().detachAll();
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        QList<dbf::FieldDef> columns = RequestTableColumns();
        for (dbf::FieldDef &f : columns)
            if (f.name == "CUANTUM" && amountDecimals > 0) {
                f.length = 10;
                f.decimals = amountDecimals;
            }
        Database::shared().createTable(QDir(DataDir()).filePath(QStringLiteral("Cereri.dbf")), columns);
    }
    ~DocumentFolder() { Database::shared().detachAll(); }

    QString table() const { return RequestTablePath(); }

    void add(const DocRow &r)
    {
        QVariantMap v{{"IDCERERE", ++m_id},
                      {"DINDATA", QDate(2026, 1, 5)},
                      {"NR", r.nr},
                      {"TIP", r.tip},
                      {"SUBSEMN", r.subsemn},
                      {"CALITATE", r.calitate},
                      {"CNP", r.cnp},
                      {"CUANTUM", r.cuantum},
                      {"ALCATE", QStringLiteral("primul")},
                      {"CNSERIA", QStringLiteral("N")},
                      {"CNNR", QStringLiteral("998877")},
                      {"CNELIB", QStringLiteral("PRIMARIA SACELE")},
                      {"NRDISP", r.nrdisp},
                      {"PTLUNA", QStringLiteral("martie.2026")},
                      {"NRCOPII", int(r.children.size())},
                      {"HANDI", QStringLiteral("NU")}};
        if (r.datadisp.isValid())
            v.insert("DATADISP", r.datadisp);
        for (int i = 0; i < r.children.size(); ++i) {
            v.insert(QStringLiteral("COPIL%1").arg(i + 1), r.children[i]);
            v.insert(QStringLiteral("CNP%1").arg(i + 1), r.codes.value(i));
        }
        Database::shared().appendRow(table(), v);
    }

    ScratchDir scratch;

private:
    int m_id = 0;
};

} // namespace kovara::test
