#include "base/Paths.h"
#include "data/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A data folder whose Kovara.ini has about 1,000 lines: 50 sections of 18
// keys, with comments and blank lines between them.
class LargeSettings
{
public:
    LargeSettings()
    {
        kovara::setProgramDir(m_dir.path());
        QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
        QByteArray bytes;
        for (int s = 0; s < 50; ++s) {
            bytes +=
                "; sectiunea " + QByteArray::number(s) + "\r\n[SECTIUNE" + QByteArray::number(s) + "]\r\n";
            for (int k = 0; k < 18; ++k)
                bytes += "Cheie" + QByteArray::number(k) + " = valoare \xBA\xFE " +
                         QByteArray::number(s * k) + "\r\n";
            bytes += "\r\n";
        }
        QFile file(kovara::SettingsPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};

void BM_ReadSettingLastKeyOf1000Lines(benchmark::State &state)
{
    LargeSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            kovara::ReadSetting(QStringLiteral("SECTIUNE49"), QStringLiteral("CHEIE17")));
}
BENCHMARK(BM_ReadSettingLastKeyOf1000Lines)->Unit(benchmark::kMicrosecond);

void BM_ReadSettingAbsentKeyOf1000Lines(benchmark::State &state)
{
    LargeSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(kovara::ReadSetting(QStringLiteral("VAR"), QStringLiteral("CUANTUM")));
}
BENCHMARK(BM_ReadSettingAbsentKeyOf1000Lines)->Unit(benchmark::kMicrosecond);

void BM_WriteSettingOf1000Lines(benchmark::State &state)
{
    LargeSettings settings;
    int n = 0;
    for (auto _ : state)
        kovara::WriteSetting(QStringLiteral("SECTIUNE25"), QStringLiteral("CHEIE9"), QString::number(++n));
}
BENCHMARK(BM_WriteSettingOf1000Lines)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
