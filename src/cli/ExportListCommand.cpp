// kovara-cli export lista: the requests the list window shows for a kind and
// a year, in its order, written from the carried template like its
// "Exporta tabelul" command.

#include "base/Error.h"
#include "base/Paths.h"
#include "cli/Commands.h"
#include "data/Workspace.h"
#include "engines/dbf/Query.h"
#include "exports/RequestListExport.h"
#include "requests/RequestList.h"

#include <QDir>
#include <QFileInfo>

namespace kovara::cli {
namespace {

const char *const kListUsage =
    "Folosire: kovara-cli [--data DOSAR] export lista TIP AN [--sort COLOANA] -o FISIER.xls\n"
    "  TIP: 1 alocatie de stat / indemnizatie / stimulent, 2 alocatie nou-nascuti, 3 trusou\n";

int usage(const Context &ctx, const QString &problem)
{
    ctx.err << problem << "\n" << kListUsage;
    return 2;
}

} // namespace

int exportListCommand(const Context &ctx)
{
    QStringList args = ctx.args;
    if (args.isEmpty() || args.takeFirst() != QLatin1String("lista"))
        return usage(ctx, QStringLiteral("Exportul cunoscut aici este: export lista."));
    QString sort, output;
    QStringList positional;
    while (!args.isEmpty()) {
        const QString word = args.takeFirst();
        if ((word == QLatin1String("--sort") || word == QLatin1String("-o")) && args.isEmpty())
            return usage(ctx, QStringLiteral("Lipseste valoarea dupa %1.").arg(word));
        if (word == QLatin1String("--sort"))
            sort = args.takeFirst();
        else if (word == QLatin1String("-o"))
            output = args.takeFirst();
        else
            positional << word;
    }
    bool kindOk = false, yearOk = false;
    const int kind = positional.value(0).toInt(&kindOk);
    const int year = positional.value(1).toInt(&yearOk);
    if (positional.size() != 2 || !kindOk || kind < 1 || kind > 3)
        return usage(ctx, QStringLiteral("Tipul cererilor trebuie sa fie 1, 2 sau 3."));
    if (!yearOk || year < 1900 || year > 9999)
        return usage(ctx, QStringLiteral("Anul %1 nu este valid.").arg(positional.value(1)));
    if (output.isEmpty())
        return usage(ctx, QStringLiteral("Lipseste fisierul rezultat (-o FISIER.xls)."));
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    Query list(ws->database());
    OpenRequestList(list, ws->requestTable(), year, kind, sort);
    ExportRequestListTo(list, QDir(output).absolutePath());
    ctx.out << "Au fost exportate " << list.rowCount() << " cereri in "
            << QDir::toNativeSeparators(QDir(output).absolutePath()) << ".\n";
    return 0;
}

} // namespace kovara::cli
