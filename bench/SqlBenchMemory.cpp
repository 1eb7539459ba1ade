// Peak memory of the year list query, in a process of its own: the
// synthetic table is written (or found) by a first run, then measured.
// Target: at most 64 MB for the year list whatever the table's size.

#include "SyntheticCereri.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QProcess>
#include <cstdio>

using namespace kovara;

namespace {

long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // bench_sql_memory [ROWS ...]: tables of 200,000 and 800,000 requests
    // unless other sizes are given.
    bool sizesOnly = true;
    QList<int> sizes;
    for (const QString &arg : app.arguments().mid(1)) {
        bool ok = false;
        sizes << arg.toInt(&ok);
        sizesOnly = sizesOnly && ok && sizes.last() > 0;
    }
    if (sizesOnly) {
        if (sizes.isEmpty())
            sizes = {200000, 800000};
        for (int rows : sizes) {
            const QString path = bench::cachedSyntheticCereri(rows);
            std::printf("%d requests:\n", rows);
            std::fflush(stdout);
            for (const char *what : {"year", "all"}) {
                QProcess child;
                child.setProcessChannelMode(QProcess::ForwardedChannels);
                child.start(app.applicationFilePath(), {path, QString::fromLatin1(what)});
                child.waitForFinished(-1);
            }
        }
        return 0;
    }
    const long before = statusKb("VmHWM:");
    Database db;
    Query q(db);
    const QString t = RequestTableIn(db, app.arguments().at(1));
    if (app.arguments().value(2) == QLatin1String("all"))
        q.open(QStringLiteral("SELECT * FROM %1 ORDER BY SUBSEMN").arg(t));
    else
        q.open(QStringLiteral(
                   "SELECT * FROM %1 WHERE DINDATA >= ? AND DINDATA < ? AND TIP > ? ORDER BY IDCERERE")
                   .arg(t),
               {QDate(2015, 1, 1), QDate(2016, 1, 1), "4"});
    const long after = statusKb("VmHWM:");
    std::printf("%s query: %d rows, rows kept %.1f MB, peak memory (VmHWM) %.1f MB (%.1f MB at start)\n",
                qPrintable(app.arguments().value(2)), q.rowCount(), double(q.storageBytes()) / 1e6,
                after / 1024.0, before / 1024.0);
    return 0;
}
