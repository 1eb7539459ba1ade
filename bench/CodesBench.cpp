// The CNP check runs over every code of the request table when the data is
// checked; the password encoding once per login.

#include "admin/Password.h"
#include "shell/CNP.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

QStringList sampleCodes()
{
    QStringList codes;
    for (int i = 0; i < 1000; ++i)
        codes << QStringLiteral("1%1%2")
                     .arg(850101 + i % 28, 6, 10, QLatin1Char('0'))
                     .arg(i * 7919 % 1000000, 6, 10, QLatin1Char('0'));
    return codes;
}

void BM_CnpCorect(benchmark::State &state)
{
    const QStringList codes = sampleCodes();
    for (auto _ : state) {
        int correct = 0;
        for (const QString &code : codes)
            correct += kovara::Corect(code) ? 1 : 0;
        benchmark::DoNotOptimize(correct);
    }
    state.SetItemsProcessed(state.iterations() * codes.size());
}
BENCHMARK(BM_CnpCorect);

void BM_CodeazaStr(benchmark::State &state)
{
    const QByteArray password("Parola2026");
    for (auto _ : state)
        benchmark::DoNotOptimize(kovara::CodeazaStr(password));
}
BENCHMARK(BM_CodeazaStr);

} // namespace

BENCHMARK_MAIN();
