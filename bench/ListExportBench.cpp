// The request list export of a year of 10,000 synthetic requests: the list opened as the window opens it,
// exported from the carried template, saved. Targets: at most 1 s; peak memory under 100 MB. Prints the
// figures of each phase and of the whole.

#include "SyntheticCereri.h"
#include "base/Paths.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "exports/RequestListExport.h"
#include "requests/RequestList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace kovara;

namespace {

long peakKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir program;
    QDir().mkpath(program.filePath(QStringLiteral("Data")));
    // 10,000 requests of 2006, the three kinds mixed.
    bench::writeSyntheticCereri(program.filePath(QStringLiteral("Data/Cereri.dbf")), 10000, 1);
    setProgramDir(program.path());
    const long startKb = peakKb();

    QElapsedTimer whole, phase;
    whole.start();
    phase.start();
    Query list;
    OpenRequestList(list, 2006, 0, QStringLiteral("SUBSEMN"));
    const qint64 listMs = phase.restart();
    int rows = 0;
    const QString destination =
        ExportRequestList(ProgramDir(), list, ListExportHooks{[&] { ++rows; }, [](const QString &) {}});
    const qint64 exportMs = phase.elapsed();
    std::printf("list of %d requests opened in %lld ms\n", list.rowCount(), listMs);
    std::printf("export (template written, filled, saved) in %lld ms; %s, %lld bytes\n", exportMs,
                qPrintable(QFileInfo(destination).fileName()), QFileInfo(destination).size());
    std::printf("whole: %lld ms (target <= 1000 ms); peak memory (VmHWM) %.1f MB (%.1f MB at start; "
                "target < 100 MB)\n",
                whole.elapsed(), peakKb() / 1024.0, startKb / 1024.0);
    return 0;
}
