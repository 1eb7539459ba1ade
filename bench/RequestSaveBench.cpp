// Saving a request in the editor over the 200,000-request synthetic table:
// every check with both duplicate checks on the open lookup query (target
// <= 100 ms), opening the lookup query when the editor opens, and the
// applicant lookup.

#include "SyntheticCereri.h"
#include "base/Paths.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/RequestChecks.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace kovara;

namespace {

void prepareData()
{
    static bool done = false;
    if (done)
        return;
    const QString program = QDir::temp().filePath(QStringLiteral("kovara-bench/requestsave"));
    QDir().mkpath(program + QStringLiteral("/Data"));
    setProgramDir(program);
    QFile::remove(DataDir() + QStringLiteral("/Cereri.dbf"));
    QFile::copy(bench::cachedSyntheticCereri(), DataDir() + QStringLiteral("/Cereri.dbf"));
    done = true;
}

QString cnp(const QString &first12)
{
    static const int key[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (first12.at(i).unicode() - '0') * key[i];
    const int check = sum % 11 == 10 ? 1 : sum % 11;
    return first12 + QString::number(check);
}

// A kind-1 request with three children.
RequestInput input()
{
    RequestInput in;
    in.CerereNr = QStringLiteral("123456");
    in.CerereData = QDate::currentDate();
    in.CNPSubsemnat = cnp(QStringLiteral("180010112345"));
    in.Subsemnat = QStringLiteral("POPESCU  ION");
    in.AdresaSubsemnat = QStringLiteral("Str. Lunga nr. 4");
    in.JudetSubsemnat = QStringLiteral("BRASOV");
    in.Alocatie = true;
    in.Copil1 = QStringLiteral("POPESCU ANA"), in.CNP1 = cnp(QStringLiteral("515010112301"));
    in.Copil2 = QStringLiteral("POPESCU DAN"), in.CNP2 = cnp(QStringLiteral("515010112302"));
    in.Copil3 = QStringLiteral("POPESCU EVA"), in.CNP3 = cnp(QStringLiteral("615010112303"));
    return in;
}

void BM_SaveChecks(benchmark::State &state)
{
    prepareData();
    Query lookup;
    OpenLookup(lookup);
    for (auto _ : state) {
        RequestInput in = input();
        benchmark::DoNotOptimize(CheckCommon(in));
        benchmark::DoNotOptimize(DuplicateNumber(lookup, 1, in.CerereNr, QDate::currentDate(), 0));
        benchmark::DoNotOptimize(CheckPage(1, in));
        benchmark::DoNotOptimize(ChildrenElsewhere(lookup, 1, in, 0));
    }
    state.counters["rows"] = lookup.rowCount();
}
BENCHMARK(BM_SaveChecks)->Unit(benchmark::kMillisecond);

void BM_OpenLookup(benchmark::State &state)
{
    prepareData();
    for (auto _ : state) {
        Database::shared().detachAll();
        Query lookup;
        OpenLookup(lookup);
        benchmark::DoNotOptimize(lookup.rowCount());
    }
}
BENCHMARK(BM_OpenLookup)->Unit(benchmark::kMillisecond);

// Leaving the applicant's code field: the applicant's latest request.
void BM_ApplicantLookup(benchmark::State &state)
{
    prepareData();
    const QString code = cnp(QStringLiteral("180010112345"));
    for (auto _ : state)
        benchmark::DoNotOptimize(LatestRequestOf(code));
}
BENCHMARK(BM_ApplicantLookup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
