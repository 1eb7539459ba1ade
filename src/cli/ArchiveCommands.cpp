// backup, verify and restore: the archive commands of kovara-cli.
#include "cli/Commands.h"
#include "data/TableBackup.h"
#include "engines/archive/Archive.h"

#include <QDir>

namespace kovara::cli {
namespace {

// The archive named on the command line, or an empty text after the usage
// message when it is missing.
QString archiveArgument(const Context &ctx, const char *command)
{
    if (ctx.args.size() != 1) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] " << command << " FISIER.kov\n";
        return {};
    }
    return QDir(ctx.args.first()).absolutePath();
}

} // namespace

int backupCommand(const Context &ctx)
{
    const QString archive = archiveArgument(ctx, "backup");
    if (archive.isEmpty())
        return 2;
    QStringList links;
    // Each table is saved whole: a running change is waited for.
    const QStringList files = WithoutTableJournals(listDataFiles(ctx.dataDir, archive, &links));
    CompressFiles(files, archive, {}, TableReadHold([&ctx](const QString &path) {
                      ctx.err << WaitingForTableText(path) << "\n";
                      ctx.err.flush();
                  }));
    const int count = int(files.size());
    for (const QString &name : std::as_const(links))
        ctx.out << "Nu a fost salvat " << name << ": nu este un fisier obisnuit (legatura sau altceva).\n";
    if (count == 0)
        ctx.out << "Dosarul de date " << QDir::toNativeSeparators(ctx.dataDir)
                << " nu contine fisiere de salvat; nu s-a scris nicio arhiva.\n";
    else
        ctx.out << "Salvare incheiata cu succes: " << count << " fisiere in "
                << QDir::toNativeSeparators(archive) << ".\n";
    return 0;
}

int verifyCommand(const Context &ctx)
{
    const QString archive = archiveArgument(ctx, "verify");
    if (archive.isEmpty())
        return 2;
    // Each entry is listed once found sound, so a damaged archive still
    // shows how far it reads.
    qint64 total = 0;
    const QList<ArchiveEntry> entries = VerifyArchive(archive, {}, [&](const ArchiveEntry &e) {
        ctx.out << "Data\\" << e.name << "\t" << e.size << "\n";
        ctx.out.flush();
        total += e.size;
    });
    ctx.out << "Arhiva este corecta: " << entries.size() << " fisiere, " << total << " octeti.\n";
    return 0;
}

int restoreCommand(const Context &ctx)
{
    const QString archive = archiveArgument(ctx, "restore");
    if (archive.isEmpty())
        return 2;
    const QList<ArchiveEntry> entries = restoreDataDir(archive, ctx.dataDir);
    ctx.out << "Restaurare incheiata cu succes: " << entries.size() << " fisiere in "
            << QDir::toNativeSeparators(ctx.dataDir) << ".\n";
    return 0;
}

} // namespace kovara::cli
