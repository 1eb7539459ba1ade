// kovara-cli listing: the printed listings written to a PDF file, through
// the same operations as the report menu's entries.

#include "base/Dates.h"
#include "base/Error.h"
#include "cli/Commands.h"
#include "engines/report/ReportRender.h"
#include "listings/Listings.h"
#include "shell/Formats.h"
#include "shell/SelectionChecks.h"
#include "shell/TextHelpers.h"

#include <QDir>

namespace kovara::cli {
namespace {

const char *const kListingUsage =
    "Folosire: kovara-cli [--data DOSAR] listing TIP DE_LA PANA_LA -o FISIER.pdf\n"
    "          kovara-cli [--data DOSAR] listing ministru LUNA.AN -o FISIER.pdf\n"
    "  TIP: borderou, borderou-handicap, stat-nn, stat-trusou, centralizator\n"
    "  datele ca zz.ll.aaaa (01.03.2010), luna ca iulie.2007\n";

QDate dateArgument(const QString &text)
{
    const QDate d = ParseDate(text);
    if (!d.isValid())
        throw Error(QStringLiteral("Data \"%1\" nu este de forma zz.ll.aaaa.").arg(text));
    return d;
}

} // namespace

int listingCommand(const Context &ctx)
{
    QStringList args = ctx.args;
    QString output;
    const qsizetype o = args.indexOf(QStringLiteral("-o"));
    if (o >= 0 && o + 1 < args.size()) {
        output = args.at(o + 1);
        args.remove(o, 2);
    }
    if (output.isEmpty() || args.isEmpty()) {
        ctx.err << kListingUsage;
        return 2;
    }
    const QString kind = args.takeFirst();
    const ListingSource source = DataFolderListingSource(ctx.dataDir);
    report::ReportDocument doc;
    if (kind == QLatin1String("ministru")) {
        int month = 0, year = 0;
        if (args.size() != 1 || !ParseMonthPaid(args.first(), month, year)) {
            ctx.err << "Luna se scrie ca numele lunii, punct si anul (iulie.2007).\n" << kListingUsage;
            return 2;
        }
        doc = MinistryListing(source, month, year);
    } else {
        if (args.size() != 2) {
            ctx.err << kListingUsage;
            return 2;
        }
        const QDate start = dateArgument(args.at(0));
        const QDate end = dateArgument(args.at(1));
        const SelectionProblem problem = CheckPeriod(start, end);
        if (!problem.ok()) {
            ctx.err << problem.text << "\n";
            return 1;
        }
        if (kind == QLatin1String("borderou") || kind == QLatin1String("borderou-handicap"))
            doc = BordereauListing(source, kind.endsWith(QLatin1String("handicap")), start, end);
        else if (kind == QLatin1String("stat-nn"))
            doc = NewbornPayrollListing(source, start, end);
        else if (kind == QLatin1String("stat-trusou"))
            doc = LayettePayrollListing(source, start, end);
        else if (kind == QLatin1String("centralizator"))
            doc = CentralizerListing(source, start, end);
        else {
            ctx.err << "Listare necunoscuta: " << kind << "\n" << kListingUsage;
            return 2;
        }
    }
    report::WritePdf(doc, output);
    ctx.out << QDir::toNativeSeparators(QDir(output).absolutePath()) << ": pagini " << doc.pages.size()
            << ", randuri " << doc.rows << ".\n";
    return 0;
}

} // namespace kovara::cli
