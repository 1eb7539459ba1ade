// Figures of the SQL engine over a synthetic request table of 200,000 rows.
// Targets: the year list <= 150 ms, the full list ordered by name <= 600 ms,
// 1,000 updates by identifier <= 200 ms, pack <= 2x a plain copy.

#include "SyntheticCereri.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace kovara;

namespace {

QString scratchCopy(const QString &from, const QString &name)
{
    const QString to = QDir::temp().filePath(QStringLiteral("kovara-bench/") + name);
    QFile::remove(to);
    QFile::copy(from, to);
    return to;
}

const QString kYearSql = QStringLiteral("SELECT * FROM %1 WHERE DINDATA >= ? AND DINDATA < ? AND TIP > ? "
                                        "ORDER BY IDCERERE");

// The request list of one year and kind, as the list window opens it.
void BM_YearQuery(benchmark::State &state)
{
    Database db;
    const QString t = RequestTableIn(db, bench::cachedSyntheticCereri());
    Query q(db);
    q.open(kYearSql.arg(t), {QDate(2015, 1, 1), QDate(2016, 1, 1), "4"}); // first use builds the index
    for (auto _ : state) {
        q.open(kYearSql.arg(t), {QDate(2015, 1, 1), QDate(2016, 1, 1), "4"});
        q.last();
        benchmark::DoNotOptimize(q.text("SUBSEMN"));
    }
    state.counters["rows"] = q.rowCount();
    state.counters["MB kept"] = double(q.storageBytes()) / 1e6;
}
BENCHMARK(BM_YearQuery)->Unit(benchmark::kMillisecond);

// The same from a new engine each time: the index is built by the query.
void BM_YearQueryFirstOpen(benchmark::State &state)
{
    const QString path = bench::cachedSyntheticCereri();
    int rows = 0;
    for (auto _ : state) {
        Database db;
        Query q(db);
        q.open(kYearSql.arg(RequestTableIn(db, path)), {QDate(2015, 1, 1), QDate(2016, 1, 1), "4"});
        rows = q.rowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_YearQueryFirstOpen)->Unit(benchmark::kMillisecond);

// The year written as an expression: no index, a scan of the whole file.
void BM_YearQueryByExpression(benchmark::State &state)
{
    Database db;
    const QString t = RequestTableIn(db, bench::cachedSyntheticCereri());
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE CAST(strftime('%Y', DINDATA) AS INTEGER) = ? "
                                       "AND TIP = ? ORDER BY NR")
                            .arg(t);
    Query q(db);
    for (auto _ : state) {
        q.open(sql, {2015, "3"});
        benchmark::DoNotOptimize(q.rowCount());
    }
    state.counters["rows"] = q.rowCount();
}
BENCHMARK(BM_YearQueryByExpression)->Unit(benchmark::kMillisecond);

void BM_FullScanOrderBySubsemn(benchmark::State &state)
{
    Database db;
    const QString t = RequestTableIn(db, bench::cachedSyntheticCereri());
    Query q(db);
    for (auto _ : state) {
        q.open(QStringLiteral("SELECT * FROM %1 ORDER BY SUBSEMN").arg(t));
        benchmark::DoNotOptimize(q.rowCount());
    }
    state.counters["rows"] = q.rowCount();
    state.counters["MB kept"] = double(q.storageBytes()) / 1e6;
}
BENCHMARK(BM_FullScanOrderBySubsemn)->Unit(benchmark::kMillisecond);

// For comparison: the same rows in file order.
void BM_FullScanFileOrder(benchmark::State &state)
{
    Database db;
    const QString t = RequestTableIn(db, bench::cachedSyntheticCereri());
    Query q(db);
    for (auto _ : state) {
        q.open(QStringLiteral("SELECT * FROM %1").arg(t));
        benchmark::DoNotOptimize(q.rowCount());
    }
    state.counters["rows"] = q.rowCount();
}
BENCHMARK(BM_FullScanFileOrder)->Unit(benchmark::kMillisecond);

void BM_Updates1000ById(benchmark::State &state)
{
    const QString path = scratchCopy(bench::cachedSyntheticCereri(), QStringLiteral("Updates.dbf"));
    Database db;
    const QString sql = QStringLiteral("UPDATE %1 SET NR = ?, SUBSEMN = ?, HANDI = ? WHERE IDCERERE = ?")
                            .arg(RequestTableIn(db, path));
    db.exec(sql, {1, "X", "NU", 1}); // first use builds the index
    int round = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int id = 1 + (i * 197 + round * 7919) % 200000;
            db.exec(sql, {i, QStringLiteral("POPESCU ION %1").arg(i), "DA", id});
        }
        ++round;
    }
    QFile::remove(path);
}
BENCHMARK(BM_Updates1000ById)->Unit(benchmark::kMillisecond);

// The next request identifier: the counter, checked against the table.
void BM_NextIndexOnFullTable(benchmark::State &state)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("kovara-bench/program"));
    QDir().mkpath(dir + QStringLiteral("/Data"));
    setProgramDir(dir);
    QFile::remove(RequestTablePath());
    QFile::copy(bench::cachedSyntheticCereri(), QDir(DataDir()).filePath(QStringLiteral("Cereri.dbf")));
    for (auto _ : state)
        benchmark::DoNotOptimize(NextIndex(QStringLiteral("IDCERERE")));
}
BENCHMARK(BM_NextIndexOnFullTable)->Unit(benchmark::kMillisecond);

void BM_Pack5PercentDeleted(benchmark::State &state)
{
    const QString source = bench::cachedSyntheticCereri(200000, 20);
    const QString path = QDir::temp().filePath(QStringLiteral("kovara-bench/Pack.dbf"));
    for (auto _ : state) {
        state.PauseTiming();
        scratchCopy(source, QStringLiteral("Pack.dbf"));
        state.ResumeTiming();
        PackTable(path);
    }
    QFile::remove(path);
}
BENCHMARK(BM_Pack5PercentDeleted)->Unit(benchmark::kMillisecond);

void BM_PackNothingDeleted(benchmark::State &state)
{
    const QString path = scratchCopy(bench::cachedSyntheticCereri(), QStringLiteral("PackNone.dbf"));
    for (auto _ : state)
        PackTable(path);
    QFile::remove(path);
}
BENCHMARK(BM_PackNothingDeleted)->Unit(benchmark::kMillisecond);

// What pack is measured against: a plain copy of the same file.
void BM_PlainFileCopy(benchmark::State &state)
{
    const QString source = bench::cachedSyntheticCereri(200000, 20);
    for (auto _ : state)
        scratchCopy(source, QStringLiteral("Copy.dbf"));
    QFile::remove(QDir::temp().filePath(QStringLiteral("kovara-bench/Copy.dbf")));
}
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
