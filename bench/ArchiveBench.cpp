// Backup and restore of a 100 MB data folder, next to gzip -9, pigz -9 -p 2
// and gzip -d on the same bytes in the same run. Counters: times and sizes
// and their ratios, peak memory; the block size of the parallel compressor.
#include "engines/archive/Archive.h"
#include "engines/archive/ParallelDeflate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

using namespace kovara;

namespace {

const char *const kNames[] = {"POPESCU",  "IONESCU", "POPA", "CONSTANTIN", "STAN",     "DUMITRU",
                              "GHEORGHE", "MATEI",   "RADU", "TUDOR",      "MUNTEANU", "SERBAN"};
const char *const kGiven[] = {"ION", "MARIA", "ELENA", "ANDREI", "ANA", "MIHAI", "IOANA", "GEORGE"};

// A dBase-like table: fixed-width records of names, codes, dates, amounts.
void writeTable(const QString &path, qint64 size)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QRandomGenerator gen(2024);
    QByteArray block;
    qint64 written = 0;
    while (written < size) {
        block.clear();
        for (int r = 0; r < 2000; ++r) {
            QByteArray rec = " ";
            rec += QByteArray::number(100000 + gen.bounded(900000)).leftJustified(10);
            rec += QByteArray(kNames[gen.bounded(12)]).leftJustified(30);
            rec += QByteArray(kGiven[gen.bounded(8)]).leftJustified(30);
            rec += QByteArray::number(1000000000000LL + gen.bounded(999999999) * 1000LL).leftJustified(13);
            rec += QByteArray("Str. ") + kNames[gen.bounded(12)] + " nr. " +
                   QByteArray::number(gen.bounded(300));
            rec = rec.leftJustified(150);
            rec += QByteArray::number(20200101 + gen.bounded(5) * 10000 + gen.bounded(12) * 100 +
                                      gen.bounded(28));
            rec += QByteArray::number(gen.bounded(3) + 1) + (gen.bounded(2) ? "A " : "3 ");
            rec += QByteArray::number(200 + gen.bounded(2000)).rightJustified(12) + ".00";
            block += rec.leftJustified(256);
        }
        const qint64 n = std::min<qint64>(block.size(), size - written);
        f.write(block.constData(), n);
        written += n;
    }
}

struct Folder
{
    QTemporaryDir root;
    QString data = root.filePath(QStringLiteral("Data"));
    QString kov = root.filePath(QStringLiteral("b.kov"));
    QString restored = root.filePath(QStringLiteral("Restaurat"));
    QString gz = root.filePath(QStringLiteral("gz"));
    QString pigz = root.filePath(QStringLiteral("pigz"));

    Folder()
    {
        QDir().mkpath(data);
        QDir().mkpath(gz);
        QDir().mkpath(pigz);
        writeTable(data + QStringLiteral("/Cereri.dbf"), 100LL * 1024 * 1024 - 200 * 1024);
        QFile ini(data + QStringLiteral("/Kovara.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write(
            "[CONSTANTE]\r\nPRIMARIA=Primaria Municipiului\r\nJUDET=Brasov\r\n[INDEX]\r\nIDCERERE=51234\r\n");
        for (const char *name : {"Disp2.rtf", "Disp3.rtf", "Cerere1.rtf", "Cerere2.rtf"}) {
            QFile rtf(data + QLatin1Char('/') + QLatin1String(name));
            rtf.open(QIODevice::WriteOnly);
            for (int i = 0; i < 800; ++i)
                rtf.write("{\\rtf1\\ansi\\deff0 {\\fonttbl{\\f0 Times New Roman;}} \\par Dispozitia nr. "
                          "#NRDISP# \\par}\n");
        }
    }
};

Folder &folder()
{
    static Folder f;
    return f;
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e9;
}

int shell(const QString &command)
{
    return std::system(command.toLocal8Bit().constData());
}

// gzip (or pigz) over the same files, one by one, as the archive holds them.
void gzipAll(const char *options, bool decompress, const char *tool = "gzip")
{
    Folder &f = folder();
    const QString packedDir = QLatin1String(tool) == QLatin1String("pigz") ? f.pigz : f.gz;
    for (const QString &name : QDir(f.data).entryList(QDir::Files)) {
        const QString plain = QStringLiteral("'%1/%2'").arg(decompress ? f.restored : f.data, name);
        const QString packed = QStringLiteral("'%1/%2.gz'").arg(packedDir, name);
        shell(QStringLiteral("%1 %2 -c %3 > %4")
                  .arg(QLatin1String(tool), QLatin1String(options), decompress ? packed : plain,
                       decompress ? plain : packed));
    }
}

double folderMb(const QString &dir)
{
    qint64 bytes = 0;
    for (const QFileInfo &fi : QDir(dir).entryInfoList(QDir::Files))
        bytes += fi.size();
    return double(bytes) / 1048576.0;
}

double peakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

// Processor time of this process, every thread.
double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_Backup(benchmark::State &state)
{
    Folder &f = folder();
    const bool pigz = !QStandardPaths::findExecutable(QStringLiteral("pigz")).isEmpty();
    double ours = 0, oursCpu = 0, gzip = 0, pigzTime = 0;
    for (auto _ : state) {
        const double cpu = cpuSeconds();
        const double t = seconds([&] { backupDataDir(f.data, f.kov); });
        oursCpu += cpuSeconds() - cpu;
        state.SetIterationTime(t);
        ours += t;
        gzip += seconds([] { gzipAll("-9", false); });
        if (pigz)
            pigzTime += seconds([] { gzipAll("-9 -p 2", false, "pigz"); });
    }
    const double n = double(state.iterations());
    const double archiveMb = double(QFile(f.kov).size()) / 1048576.0;
    state.counters["threads"] = archive::deflateThreads();
    state.counters["cpu_s"] = oursCpu / n;
    state.counters["gzip9_s"] = gzip / n;
    state.counters["ratio_to_gzip9"] = ours / gzip;
    state.counters["archive_MB"] = archiveMb;
    state.counters["gzip9_MB"] = folderMb(f.gz);
    state.counters["size_to_gzip9"] = archiveMb / folderMb(f.gz);
    if (pigz) {
        state.counters["pigz_p2_s"] = pigzTime / n;
        state.counters["ratio_to_pigz"] = ours / pigzTime;
        state.counters["pigz_MB"] = folderMb(f.pigz);
        state.counters["size_to_pigz"] = archiveMb / folderMb(f.pigz);
    } else {
        state.SetLabel("pigz missing");
    }
    state.counters["peak_rss_MB"] = peakMb();
    state.SetBytesProcessed(state.iterations() * 100LL * 1024 * 1024);
}

// The parallel compressor alone on the 100 MB table, by block size (KiB):
// time, and size against gzip -9 of the same file.
void BM_BlockSize(benchmark::State &state)
{
    Folder &f = folder();
    const QString table = f.data + QStringLiteral("/Cereri.dbf");
    const QString gz = f.gz + QStringLiteral("/Cereri.dbf.gz");
    if (!QFile::exists(gz))
        gzipAll("-9", false);
    qint64 compressed = 0;
    for (auto _ : state) {
        QFile in(table);
        in.open(QIODevice::ReadOnly);
        compressed = 0;
        archive::ParallelDeflate deflater(archive::deflateThreads(), state.range(0) * 1024);
        state.SetIterationTime(seconds([&] {
            deflater.run(
                in.size(), [&](char *dst, qint64 size) { in.read(dst, size); },
                [&](const char *, qint64 size) { compressed += size; });
        }));
    }
    state.counters["size_to_gzip9"] = double(compressed) / double(QFile(gz).size());
    state.SetBytesProcessed(state.iterations() * QFile(table).size());
}

void BM_Restore(benchmark::State &state)
{
    Folder &f = folder();
    if (!QFile::exists(f.kov))
        backupDataDir(f.data, f.kov);
    gzipAll("-9", false);
    double ours = 0, gzip = 0;
    for (auto _ : state) {
        const double t = seconds([&] { restoreDataDir(f.kov, f.restored); });
        state.SetIterationTime(t);
        ours += t;
        gzip += seconds([] { gzipAll("-d", true); });
    }
    state.counters["gunzip_s"] = gzip / double(state.iterations());
    state.counters["ratio_to_gunzip"] = ours / gzip;
    state.counters["peak_rss_MB"] = peakMb();
    state.SetBytesProcessed(state.iterations() * 100LL * 1024 * 1024);
}

} // namespace

BENCHMARK(BM_Backup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Restore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BlockSize)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Arg(128)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024);
BENCHMARK_MAIN();
