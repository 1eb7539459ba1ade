// Damaged request tables: the startup changes nothing and says what is
// wrong; `kovara-cli check` reports the damage; `repair` keeps every whole
// record and refuses what it cannot mend without guessing.

#include "DbfTestSupport.h"
#include "TestSupport.h"
#include "app/StartupWork.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class RecordingView : public StartupView
{
public:
    QStringList failures;
    void processEvents() override {}
    void resetProgress() override {}
    void setCaptions() override {}
    void setStatus(const QString &) override {}
    void stepProgress(int) override {}
    void showFailure(const QString &message) override { failures << message; }
    void finish() override {}
};

void putCount(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[4 + i] = char((v >> (8 * i)) & 0xFF);
}

struct Damage
{
    const char *what;
    std::function<void(QByteArray &, int header, int length)> apply;
    const char *says;     // part of the startup's message and of check's report
    qint64 repairedCount; // records after repair; -1: repair refuses
    StartupOutcome startup;
};

constexpr int kRecords = 200;
constexpr int kDeletedEvery = 25; // 8 deleted records, 4 of them among the last 100

QList<Damage> damages()
{
    return {
        // A writer that crashed before updating the header: 100 records
        // (96 live) beyond the header's count.
        {"count below the file", [](QByteArray &b, int, int) { putCount(b, kRecords - 100); },
         "mai contine 100 inregistrari intregi", kRecords, StartupOutcome::Stopped},
        {"header one byte too long",
         [](QByteArray &b, int header, int) {
             b[8] = char((header + 1) & 0xFF);
             b[9] = char((header + 1) >> 8);
         },
         "cu un octet mai mare", -1, StartupOutcome::Stopped},
        {"half a record after the last one",
         [](QByteArray &b, int, int length) { b.append(QByteArray(length / 2, 'x')); }, "octeti in plus",
         kRecords, StartupOutcome::Stopped},
        {"no end mark but a stray byte", [](QByteArray &b, int, int) { b[b.size() - 1] = 'Q'; },
         "in loc de marcajul de sfarsit", kRecords, StartupOutcome::Stopped},
        {"a record with a wrong deletion flag",
         [](QByteArray &b, int header, int length) { b[header + 7 * length] = 'X'; },
         "semnul de stergere gresit", kRecords, StartupOutcome::Stopped},
        // A table cut short: the header counts records the file does not
        // hold whole; repair keeps every whole record.
        {"header counts more than the file holds", [](QByteArray &b, int, int) { putCount(b, kRecords + 5); },
         "trunchiat", kRecords, StartupOutcome::Stopped},
        {"the file ends in the middle of a record",
         [](QByteArray &b, int, int length) { b.chop(1 + length / 2); }, "trunchiat", kRecords - 1,
         StartupOutcome::Stopped},
    };
}

class DamagedTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        setRegistryPath(scratch.file(QStringLiteral("registry.ini")));
        QDir().mkpath(DataDir());
        sound = writeWideTable(table(), kRecords, kDeletedEvery);
        auto t = dbf::Table::open(table());
        header = t->headerLength();
        length = t->recordLength();
    }
    void TearDown() override { Database::shared().detachAll(); }

    QString table() const { return QDir(DataDir()).filePath(QStringLiteral("Cereri.dbf")); }

    QString cli(const QStringList &args, int &exitCode) const
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(qEnvironmentVariable("KOVARA_BIN_DIR") + QStringLiteral("/kovara-cli"), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        exitCode = p.exitCode();
        return QString::fromUtf8(p.readAll());
    }

    ScratchDir scratch;
    QByteArray sound;
    int header = 0, length = 0;
};

TEST_F(DamagedTable, StartupChangesNothingAndSaysWhy)
{
    for (const Damage &d : damages()) {
        SCOPED_TRACE(d.what);
        QByteArray bytes = sound;
        d.apply(bytes, header, length);
        writeAll(table(), bytes);
        QFile::remove(SettingsPath());
        RecordingView view;
        EXPECT_EQ(RunStartupWork(DefaultStartupSteps(), view, nullptr), d.startup);
        Database::shared().detachAll();
        EXPECT_EQ(readAll(table()), bytes) << "the damaged table was written";
        ASSERT_EQ(view.failures.size(), 1);
        const QString message = view.failures.first();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(table()))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(d.says))) << message.toStdString();
        // The message says what can be done: repair, or a backup when a
        // repair would have to guess.
        EXPECT_EQ(message.contains(QLatin1String("kovara-cli repair")), d.repairedCount >= 0)
            << message.toStdString();
        EXPECT_EQ(message.contains(QLatin1String("Restaurati dosarul de date dintr-o salvare")),
                  d.repairedCount < 0)
            << message.toStdString();
        if (d.repairedCount >= 0) {
            EXPECT_TRUE(message.contains(QLatin1String("Nu a fost modificat nimic")))
                << message.toStdString();
            EXPECT_FALSE(QFile::exists(SettingsPath())) << "no version stamped over a damaged table";
        }
        // kovara-cli check reports the same damage and fails.
        int code = 0;
        const QString report = cli({QStringLiteral("--data"), DataDir(), QStringLiteral("check")}, code);
        EXPECT_EQ(code, 1) << report.toStdString();
        EXPECT_TRUE(report.contains(QLatin1String(d.says)) ||
                    (d.repairedCount < 0 && report.contains(QLatin1String("GRESEALA"))))
            << report.toStdString();
    }
}

TEST_F(DamagedTable, RepairKeepsEveryWholeRecordOrRefuses)
{
    for (const Damage &d : damages()) {
        SCOPED_TRACE(d.what);
        for (const QString &name : QDir(DataDir()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(QDir(DataDir()).filePath(name));
        QByteArray bytes = sound;
        d.apply(bytes, header, length);
        writeAll(table(), bytes);
        int code = 0;
        const QString out = cli({QStringLiteral("repair"), table()}, code);
        if (d.repairedCount < 0) {
            EXPECT_NE(code, 0) << out.toStdString();
            EXPECT_TRUE(out.contains(QLatin1String("nu poate fi reparat"))) << out.toStdString();
            EXPECT_EQ(readAll(table()), bytes);
            continue;
        }
        ASSERT_EQ(code, 0) << out.toStdString();
        // The damaged file is kept beside the table, as it was.
        EXPECT_EQ(readAll(table() + QStringLiteral(".inainte-de-reparare")), bytes);
        auto t = dbf::Table::open(table(), dbf::Mode::ReadWrite); // sound again
        ASSERT_EQ(t->recordCount(), d.repairedCount);
        // Every whole record is there, as it was in the sound table.
        for (qint64 i = 0; i < t->recordCount(); ++i) {
            QByteArray was = sound.mid(header + i * length, length);
            const QByteArray now = t->readRecord(i);
            if (now.at(0) != was.at(0) && was.at(0) == ' ')
                was[0] = now.at(0); // a wrong flag is kept as not deleted
            ASSERT_EQ(now, was) << "record " << i;
        }
        qint64 live = 0;
        for (qint64 i = 100; i < t->recordCount(); ++i)
            live += t->isDeleted(t->readRecord(i)) ? 0 : 1;
        if (QByteArray(d.what) == "count below the file") {
            EXPECT_EQ(live, 96) << "the 96 requests beyond the header's count come back";
        }
        EXPECT_EQ(readAll(table()).back(), '\x1a');
        t.reset();
        // Repairing a sound table changes nothing.
        const QByteArray repaired = readAll(table());
        cli({QStringLiteral("repair"), table()}, code);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(readAll(table()), repaired);
    }
}

// A wrong flag far from both ends: every writer refuses the table (an
// UPDATE, an INSERT, a pack), and nothing is written.
TEST_F(DamagedTable, AWrongFlagInTheMiddleStopsEveryWriter)
{
    QByteArray bytes = sound;
    bytes[header + (kRecords / 2) * length] = 'X';
    writeAll(table(), bytes);
    Database &db = Database::shared();
    const QString t = db.table(table());
    const QString statements[] = {
        QStringLiteral("UPDATE %1 SET CUANTUM = 7 WHERE IDCERERE = 3").arg(t),
        QStringLiteral("INSERT INTO %1 (IDCERERE) VALUES (9999)").arg(t),
    };
    for (const QString &sql : statements) {
        SCOPED_TRACE(sql.toStdString());
        try {
            db.exec(sql);
            ADD_FAILURE() << "the statement ran";
        } catch (const Error &e) {
            EXPECT_TRUE(
                e.message().contains(QLatin1String("inregistrarea a 101-a are semnul de stergere gresit")))
                << e.message().toStdString();
        }
        EXPECT_EQ(readAll(table()), bytes);
    }
    db.detachAll();
    EXPECT_THROW(dbf::Table::open(table(), dbf::Mode::ReadWrite), dbf::DamagedTable);
    EXPECT_THROW(db.packTable(table()), dbf::DamagedTable);
    EXPECT_EQ(readAll(table()), bytes);
    EXPECT_NO_THROW(dbf::Table::open(table(), dbf::Mode::ReadOnly)); // readers still read it
}

// A column the program needs, of another kind: the start stops, check says
// which, and nothing is written.
TEST_F(DamagedTable, AColumnOfTheWrongKindIsNamed)
{
    QFile::remove(table());
    dbf::Table::create(table(), {{"IDCERERE", 'N', 10, 0},
                                 {"DINDATA", 'D', 8, 0},
                                 {"NR", 'C', 9, 0},
                                 {"TIP", 'C', 3, 0},
                                 {"SUBSEMN", 'C', 32, 0},
                                 {"HANDI", 'C', 2, 0}});
    const QByteArray bytes = readAll(table());
    RecordingView view;
    EXPECT_EQ(RunStartupWork(DefaultStartupSteps(), view, nullptr), StartupOutcome::Stopped);
    Database::shared().detachAll();
    ASSERT_EQ(view.failures.size(), 1);
    EXPECT_TRUE(view.failures.first().contains(
        QLatin1String("coloana NR are tipul C (text), programul are nevoie de N (numar)")))
        << view.failures.first().toStdString();
    EXPECT_EQ(readAll(table()), bytes);
    int code = 0;
    const QString report = cli({QStringLiteral("--data"), DataDir(), QStringLiteral("check")}, code);
    EXPECT_EQ(code, 1) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("coloana NR are tipul C (text)"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("lipseste coloana CNP"))) << report.toStdString();
}

TEST_F(DamagedTable, CheckFailsOnAFolderNamedLikeATable)
{
    QFile::remove(table());
    QDir().mkpath(table());
    int code = 0;
    const QString report = cli({QStringLiteral("--data"), DataDir(), QStringLiteral("check")}, code);
    EXPECT_EQ(code, 1) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("este un dosar"))) << report.toStdString();
}

} // namespace
