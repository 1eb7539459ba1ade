// The request list and the numbering over the 200,000-request synthetic
// table (KOVARA_BENCH_ROWS sets another size). Targets: opening the list on a year <= 300 ms; a change of
// kind or year, or a sort, <= 200 ms; a search keystroke <= 50 ms; numbering 1,000 requests <= 1 s.

#include "SyntheticCereri.h"
#include "base/Paths.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/Numbering.h"
#include "requests/RequestList.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace kovara;

namespace {

const int kYear = 2025; // the newest year of the synthetic table

// A program folder whose data folder holds a copy of the synthetic table.
void prepareData()
{
    static bool done = false;
    if (done)
        return;
    const QString program = QDir::temp().filePath(QStringLiteral("kovara-bench/requestlist"));
    QDir().mkpath(program + QStringLiteral("/Data"));
    setProgramDir(program);
    QFile::remove(DataDir() + QStringLiteral("/Cereri.dbf"));
    // KOVARA_BENCH_ROWS=800000 measures a county's table.
    const int rows = qEnvironmentVariableIntValue("KOVARA_BENCH_ROWS");
    QFile::copy(bench::cachedSyntheticCereri(rows > 0 ? rows : 200000),
                DataDir() + QStringLiteral("/Cereri.dbf"));
    done = true;
}

// Opening: the year list, then the list of the year on a fresh engine.
void BM_OpenListOnYear(benchmark::State &state)
{
    prepareData();
    int rows = 0;
    for (auto _ : state) {
        Database::shared().detachAll();
        benchmark::DoNotOptimize(RequestYears(kYear));
        Query q;
        OpenRequestList(q, kYear, 0);
        rows = q.rowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenListOnYear)->Unit(benchmark::kMillisecond);

// A change of kind or year on the open list.
void BM_ChangeKindOrYear(benchmark::State &state)
{
    prepareData();
    Query q;
    OpenRequestList(q, kYear, 0);
    int i = 0;
    for (auto _ : state) {
        OpenRequestList(q, kYear - (i % 2), 1 + i % 3);
        ++i;
    }
    state.counters["rows"] = q.rowCount();
}
BENCHMARK(BM_ChangeKindOrYear)->Unit(benchmark::kMillisecond);

// A click on the title "Solicitant": reopen by name and find the request.
void BM_SortByName(benchmark::State &state)
{
    prepareData();
    Query q;
    OpenRequestList(q, kYear, 0);
    const qint64 id = q.integer(QStringLiteral("IDCERERE"));
    for (auto _ : state) {
        OpenRequestList(q, kYear, 0, QStringLiteral("SUBSEMN"));
        q.locate(QStringLiteral("IDCERERE"), id);
    }
    state.counters["rows"] = q.rowCount();
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

// One keystroke in the name box over the year's list of every kind.
void BM_SearchKeystroke(benchmark::State &state)
{
    prepareData();
    Query q;
    OpenRequestList(q, kYear, 0);
    const QString typed[] = {QStringLiteral("P"), QStringLiteral("PO"), QStringLiteral("POP"),
                             QStringLiteral("POPE")};
    int i = 0;
    for (auto _ : state) {
        q.setFilter(RequestSearchFilter(typed[i % 4], QString()));
        q.last();
        ++i;
    }
    state.counters["rows"] = q.rowCount();
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

// Numbering 1,000 newborn-allowance requests.
void BM_Numbering1000(benchmark::State &state)
{
    prepareData();
    NumberingRange r;
    r.kind = 2;
    r.firstNr = 5001;
    r.lastNr = 6000;
    r.fromDate = QDate(2006, 1, 1);
    r.firstDisp = 1;
    r.dispDate = QDate(2025, 6, 1);
    r.month = 6;
    r.year = 2025;
    int count = 0;
    for (auto _ : state)
        count = NumberDispositions(r);
    state.counters["requests"] = count;
}
BENCHMARK(BM_Numbering1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
