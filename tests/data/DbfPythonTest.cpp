// Our tables as an independent reader (dbfread) sees them, and tables
// written by an independent writer as our module reads them.

#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

class DbfPython : public ::testing::Test
{
protected:
    ScratchDir dir;

    void SetUp() override
    {
        QProcess probe;
        probe.start(kPython, {QStringLiteral("-c"), QStringLiteral("import dbfread")});
        KOVARA_NEEDS(probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
                         probe.exitCode() == 0,
                     "python3 with dbfread");
    }

    // Runs a script of tests/data and returns what it printed.
    QString python(const QString &script, const QStringList &args)
    {
        QProcess p;
        p.start(kPython, QStringList{sourcePath(QStringLiteral("tests/data/") + script)} + args);
        const bool finished = p.waitForFinished(60000);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_TRUE(finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            << script.toStdString() << ": " << p.readAllStandardError().toStdString();
        return out;
    }
};

TEST_F(DbfPython, DbfreadReadsOurTable)
{
    const QString path = dir.file(QStringLiteral("noi.dbf"));
    makeTable(path, sampleFields(),
              {
                  {QStringLiteral("ăâîşţ"), 42, 1234.5, QDate(2024, 2, 29), true},
                  {QStringLiteral("Ion Popescu"), -7, -0.25, QDate(1999, 12, 31), false},
                  {QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
                  {QStringLiteral("șț ȘȚ"), 0, 0.0, QDate(2000, 1, 1), QVariant()},
                  {QStringLiteral("*"), QStringLiteral("Şters"), 1, 1.0, QDate(2010, 5, 6), true},
              });
    const QString expected =
        QStringLiteral("language 0xC8\n"
                       "count 5\n"
                       "field NAME C 12 0\n"
                       "field NR N 6 0\n"
                       "field SUMA N 9 2\n"
                       "field DATA D 8 0\n"
                       "field OK L 1 0\n"
                       "record NAME=ăâîşţ | NR=42 | SUMA=1234.5 | DATA=2024-02-29 | OK=True\n"
                       "record NAME=Ion Popescu | NR=-7 | SUMA=-0.25 | DATA=1999-12-31 | OK=False\n"
                       "record NAME= | NR=None | SUMA=None | DATA=None | OK=None\n"
                       "record NAME=şţ ŞŢ | NR=0 | SUMA=0.0 | DATA=2000-01-01 | OK=None\n"
                       "deleted NAME=Şters | NR=1 | SUMA=1.0 | DATA=2010-05-06 | OK=True\n");
    EXPECT_EQ(python(QStringLiteral("dbfread_dump.py"), {path}).toStdString(), expected.toStdString());
}

// What make_legacy_dbf.py says each record holds: a flag and the values.
QList<QStringList> expectedRows(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

QString shown(const dbf::Field &f, const QVariant &v)
{
    if (!v.isValid())
        return {};
    switch (f.type) {
    case 'D':
        return v.toDate().toString(Qt::ISODate);
    case 'C': {
        QString s = v.toString();
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        return s;
    }
    default:
        return v.toString();
    }
}

TEST_F(DbfPython, LegacyTablesReadExactly)
{
    const char *names[] = {"IDCERERE", "DINDATA", "NR",       "TIP",     "SUBSEMN", "CALITATE", "CNP",
                           "BISERIA",  "BINR",    "ADRESA",   "JUDADR",  "COPIL1",  "CNP1",     "COPIL2",
                           "CNP2",     "COPIL3",  "CNP3",     "CUANTUM", "ALCATE",  "CNSERIA",  "CNNR",
                           "CNELIB",   "NRDISP",  "DATADISP", "PTLUNA",  "NRCOPII"};
    for (int language : {0x00, 0x57}) {
        SCOPED_TRACE(language);
        const QString path = dir.file(QStringLiteral("Cereri%1.dbf").arg(language));
        const QString expect = path + QStringLiteral(".txt");
        python(QStringLiteral("make_legacy_dbf.py"),
               {path, QStringLiteral("--rows"), QStringLiteral("60"), QStringLiteral("--deleted"),
                QStringLiteral("7"), QStringLiteral("--language"), QString::number(language),
                QStringLiteral("--seed"), QString::number(language + 3), QStringLiteral("--expect"), expect});
        const QList<QStringList> rows = expectedRows(expect);
        ASSERT_EQ(rows.size(), 60);

        auto table = dbf::Table::open(path);
        EXPECT_EQ(table->language(), language);
        ASSERT_EQ(table->fields().size(), 26);
        for (int i = 0; i < 26; ++i)
            EXPECT_EQ(table->fields()[i].name, names[i]);
        EXPECT_EQ(table->fieldIndex("HANDI"), -1);
        ASSERT_EQ(table->recordCount(), 60);

        const QByteArray file = readAll(path);
        const QByteArray block = table->readRecords(0, 60);
        EXPECT_EQ(block, file.mid(table->headerLength(), 60 * table->recordLength()));
        int deleted = 0;
        for (int r = 0; r < 60; ++r) {
            const QByteArrayView record(block.constData() + r * table->recordLength(), table->recordLength());
            EXPECT_EQ(table->isDeleted(record), rows[r][0] == QLatin1String("*")) << r;
            deleted += table->isDeleted(record) ? 1 : 0;
            for (int i = 0; i < 26; ++i) {
                const dbf::Field &f = table->fields()[i];
                EXPECT_EQ(shown(f, dbf::decodeField(f, dbf::fieldBytes(f, record))), rows[r][i + 1])
                    << "record " << r << " field " << names[i];
            }
        }
        EXPECT_EQ(deleted, 7);
    }
}

TEST_F(DbfPython, UpgradedLegacyTableStillReadsElsewhere)
{
    const QString path = dir.file(QStringLiteral("Cereri.dbf"));
    python(QStringLiteral("make_legacy_dbf.py"), {path, QStringLiteral("--rows"), QStringLiteral("25"),
                                                  QStringLiteral("--deleted"), QStringLiteral("4")});
    const QStringList before = python(QStringLiteral("dbfread_dump.py"), {path}).split(QLatin1Char('\n'));

    dbf::addColumn(path, {"HANDI", 'C', 2, 0});
    QStringList after = python(QStringLiteral("dbfread_dump.py"), {path}).split(QLatin1Char('\n'));
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.takeAt(28), QStringLiteral("field HANDI C 2 0"));
    for (int i = 0; i < before.size(); ++i) {
        QString line = after[i];
        line.remove(QStringLiteral(" | HANDI="));
        EXPECT_EQ(line, before[i]);
    }

    EXPECT_EQ(dbf::pack(path), 4);
    const QStringList packed = python(QStringLiteral("dbfread_dump.py"), {path}).split(QLatin1Char('\n'));
    EXPECT_EQ(packed.filter(QRegularExpression(QStringLiteral("^record "))).size(), 21);
    EXPECT_EQ(packed.filter(QRegularExpression(QStringLiteral("^deleted "))).size(), 0);
    EXPECT_TRUE(packed.contains(QStringLiteral("count 21")));
}

} // namespace
