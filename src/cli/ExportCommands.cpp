// kovara-cli export centralizator|ministru, finance and treasury: the
// workbooks and the dBase files handed to the ministry, the finance office
// and the treasury, through the same operations as the report menu.

#include "base/Paths.h"
#include "cli/Commands.h"
#include "data/Settings.h"
#include "engines/report/ReportRender.h"
#include "exports/FinanceFile.h"
#include "exports/ReportListings.h"
#include "exports/TreasuryAnnex3.h"
#include "exports/TreasuryFile.h"
#include "exports/Workbooks.h"
#include "shell/Formats.h"
#include "shell/SelectionChecks.h"
#include "shell/TextHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <optional>

namespace kovara::cli {
namespace {

// The words of a command: positional ones, and the values of --options.
struct Words
{
    QStringList positional;
    QMap<QString, QString> options;
    QString problem;
};

Words split(QStringList args, const QStringList &valueOptions)
{
    Words w;
    while (!args.isEmpty()) {
        const QString word = args.takeFirst();
        if (valueOptions.contains(word)) {
            if (args.isEmpty()) {
                w.problem = QStringLiteral("Lipseste valoarea dupa %1.").arg(word);
                return w;
            }
            w.options[word] = args.takeFirst();
        } else if (word.startsWith(QLatin1String("--"))) {
            w.problem = QStringLiteral("Optiune necunoscuta: %1.").arg(word);
            return w;
        } else {
            w.positional << word;
        }
    }
    return w;
}

// dd.MM.yyyy, as the program writes dates, or yyyy-MM-dd.
QDate dateArgument(const QString &text)
{
    QDate d = ParseDate(text);
    if (!d.isValid())
        d = QDate::fromString(text, Qt::ISODate);
    return d;
}

int usage(const Context &ctx, const QString &problem, const char *usageText)
{
    ctx.err << problem << "\n" << usageText;
    return 2;
}

// The workbook named by -o, its folder made when missing.
QString outputFile(const QString &given)
{
    const QString path = QDir(given).absolutePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString plain(QString text)
{
    return text.replace(LineBreak(), QStringLiteral("\n"));
}

// The period check of the selection dialog: a refusal is written with the
// command's title, as the dialog shows it, and nothing is touched.
bool periodAccepted(const Context &ctx, const QString &title, const QDate &from, const QDate &to)
{
    const SelectionProblem problem = CheckPeriod(from, to);
    if (problem.ok())
        return true;
    ctx.err << title << ": " << problem.text << "\n";
    return false;
}

// Runs an operation; a refusal is written with its title, exit code 1.
template <typename F> int guarded(const Context &ctx, F run)
{
    try {
        return run();
    } catch (const ReportRefusal &r) {
        ctx.err << r.title() << ": " << plain(r.message()) << "\n";
        return 1;
    }
}

const char *const kExportUsage =
    "Folosire: kovara-cli [--data DOSAR] export lista TIP AN [--sort COLOANA] -o FISIER.xls\n"
    "          kovara-cli [--data DOSAR] export centralizator DE_LA PANA_LA -o FISIER.xls\n"
    "          kovara-cli [--data DOSAR] export ministru LUNA.AN -o FISIER.xls\n"
    "  datele ca zz.ll.aaaa; LUNA ca nume (iulie) sau numar (7)\n";

int exportCentralizer(const Context &ctx, const Workspace &ws, const Words &w)
{
    const QDate from = dateArgument(w.positional.value(1)), to = dateArgument(w.positional.value(2));
    if (w.positional.size() != 3 || !from.isValid() || !to.isValid())
        return usage(ctx, QStringLiteral("Perioada trebuie data ca doua date zz.ll.aaaa."), kExportUsage);
    if (!periodAccepted(ctx, QStringLiteral("Export Centralizator"), from, to))
        return 1;
    return guarded(ctx, [&] {
        const QString file = ExportCentralizer(ws, from, to, outputFile(w.options.value("-o")));
        ctx.out << "Centralizatorul a fost scris in " << QDir::toNativeSeparators(file) << ".\n";
        return 0;
    });
}

int exportMinistry(const Context &ctx, const Workspace &ws, const Words &w)
{
    const QString given = w.positional.value(1);
    const qsizetype dot = given.lastIndexOf(QLatin1Char('.'));
    const QString monthText = given.left(dot).toLower();
    bool yearOk = false, numberOk = false;
    const int year = given.mid(dot + 1).toInt(&yearOk);
    int month = monthText.toInt(&numberOk);
    if (!numberOk)
        month = int(MonthNames().indexOf(monthText)) + 1;
    if (w.positional.size() != 2 || dot < 0 || !yearOk || month < 1 || month > 12)
        return usage(ctx, QStringLiteral("Luna trebuie data ca LUNA.AN (iulie.2007 sau 7.2007)."),
                     kExportUsage);
    return guarded(ctx, [&] {
        const QString file = ExportMinistry(ws, month, year, outputFile(w.options.value("-o")));
        ctx.out << "Raportarea pentru " << MonthName(month) << "." << year << " a fost scrisa in "
                << QDir::toNativeSeparators(file) << ".\n";
        return 0;
    });
}

const char *const kFinanceUsage =
    "Folosire: kovara-cli [--data DOSAR] finance nn|trusou DE_LA PANA_LA -o DOSAR\n";

const char *const kTreasuryUsage = "Folosire: kovara-cli [--data DOSAR] treasury DE_LA PANA_LA --transfer "
                                   "DATA --takeover DATA --payment DATA -o "
                                   "DOSAR\n";

const char *const kAnnexUsage =
    "Folosire: kovara-cli [--data DOSAR] annex2 FISIER.dbf --transfer DATA -o FISIER.pdf|FISIER.xls\n"
    "          kovara-cli [--data DOSAR] annex3 FISIER.dbf --transfer DATA -o FISIER.rtf\n";

const char *const kFinanceListUsage =
    "Folosire: kovara-cli [--data DOSAR] finance-list FISIER.dbf nn|trusou DE_LA PANA_LA -o FISIER.pdf\n";

void reportOutcome(const Context &ctx, const ReportOutcome &o)
{
    ctx.out << plain(o.text) << "\n";
}

} // namespace

int exportCommand(const Context &ctx)
{
    if (ctx.args.value(0) == QLatin1String("lista"))
        return exportListCommand(ctx);
    const Words w = split(ctx.args, {QStringLiteral("-o")});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kExportUsage);
    const QString kind = w.positional.value(0);
    if (kind != QLatin1String("centralizator") && kind != QLatin1String("ministru"))
        return usage(ctx, QStringLiteral("Exporturi: lista, centralizator, ministru."), kExportUsage);
    if (!w.options.contains("-o"))
        return usage(ctx, QStringLiteral("Lipseste fisierul rezultat (-o FISIER.xls)."), kExportUsage);
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    return kind == QLatin1String("centralizator") ? exportCentralizer(ctx, *ws, w)
                                                  : exportMinistry(ctx, *ws, w);
}

int financeCommand(const Context &ctx)
{
    const Words w = split(ctx.args, {QStringLiteral("-o")});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kFinanceUsage);
    const QString kindText = w.positional.value(0);
    const QDate from = dateArgument(w.positional.value(1)), to = dateArgument(w.positional.value(2));
    if (w.positional.size() != 3 || (kindText != QLatin1String("nn") && kindText != QLatin1String("trusou")))
        return usage(ctx, QStringLiteral("Alegeti nn (alocatii nou-nascuti) sau trusou si perioada."),
                     kFinanceUsage);
    if (!from.isValid() || !to.isValid())
        return usage(ctx, QStringLiteral("Perioada trebuie data ca doua date zz.ll.aaaa."), kFinanceUsage);
    if (!w.options.contains("-o"))
        return usage(ctx, QStringLiteral("Lipseste dosarul ales (-o DOSAR)."), kFinanceUsage);
    if (!periodAccepted(ctx, QStringLiteral("Raport Finante"), from, to))
        return 1;
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    const FinanceKind kind =
        kindText == QLatin1String("trusou") ? FinanceKind::Layette : FinanceKind::NewbornAllowance;
    return guarded(ctx, [&] {
        const QString folder =
            QDir(w.options.value("-o")).absolutePath() + QLatin1Char('/') + FinanceSubfolder(kind);
        reportOutcome(ctx, CreateFinanceFile(*ws, folder, FinanceSelection(kind, from, to)));
        return 0;
    });
}

int treasuryCommand(const Context &ctx)
{
    const Words w = split(ctx.args, {"--transfer", "--takeover", "--payment", "-o"});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kTreasuryUsage);
    TreasuryDates d;
    d.from = dateArgument(w.positional.value(0));
    d.to = dateArgument(w.positional.value(1));
    d.transfer = dateArgument(w.options.value("--transfer"));
    d.takeover = dateArgument(w.options.value("--takeover"));
    d.payment = dateArgument(w.options.value("--payment"));
    if (w.positional.size() != 2 || !d.from.isValid() || !d.to.isValid() || !d.transfer.isValid() ||
        !d.takeover.isValid() || !d.payment.isValid())
        return usage(ctx, QStringLiteral("Perioada si cele trei date trebuie date ca zz.ll.aaaa."),
                     kTreasuryUsage);
    if (!w.options.contains("-o"))
        return usage(ctx, QStringLiteral("Lipseste dosarul ales (-o DOSAR)."), kTreasuryUsage);
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    return guarded(ctx, [&] {
        reportOutcome(ctx, CreateTreasuryFile(*ws, QDir(w.options.value("-o")).absolutePath(), d));
        return 0;
    });
}

int annex2Command(const Context &ctx)
{
    const Words w = split(ctx.args, {"--transfer", "-o"});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kAnnexUsage);
    const QDate transfer = dateArgument(w.options.value("--transfer"));
    const QString output = w.options.value("-o");
    if (w.positional.size() != 1 || !transfer.isValid())
        return usage(ctx,
                     QStringLiteral("Dati fisierul trezoreriei si data virarii (--transfer zz.ll.aaaa)."),
                     kAnnexUsage);
    const bool pdf = output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!pdf && !output.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return usage(ctx, QStringLiteral("Anexa 2 se scrie ca FISIER.pdf (listare) sau FISIER.xls."),
                     kAnnexUsage);
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    return guarded(ctx, [&] {
        const QString file = QDir(w.positional.first()).absolutePath();
        QString written;
        if (pdf) {
            written = outputFile(output);
            report::WritePdf(Annex2ListingDocument(*ws, file, transfer), written);
        } else {
            written = ExportAnnex2(*ws, file, transfer, outputFile(output));
        }
        ctx.out << "Anexa 2 a fost scrisa in " << QDir::toNativeSeparators(written) << ".\n";
        return 0;
    });
}

int annex3Command(const Context &ctx)
{
    const Words w = split(ctx.args, {"--transfer", "-o"});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kAnnexUsage);
    const QDate transfer = dateArgument(w.options.value("--transfer"));
    const QString output = w.options.value("-o");
    if (w.positional.size() != 1 || !transfer.isValid() ||
        !output.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        return usage(ctx, QStringLiteral("Dati fisierul trezoreriei, data virarii si -o FISIER.rtf."),
                     kAnnexUsage);
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    return guarded(ctx, [&] {
        const QString written =
            MakeTreasuryAnnex3(*ws, QDir(w.positional.first()).absolutePath(), transfer, outputFile(output));
        ctx.out << "Anexa 3 a fost scrisa in " << QDir::toNativeSeparators(written) << ".\n";
        return 0;
    });
}

int financeListCommand(const Context &ctx)
{
    const Words w = split(ctx.args, {QStringLiteral("-o")});
    if (!w.problem.isEmpty())
        return usage(ctx, w.problem, kFinanceListUsage);
    const QString kindText = w.positional.value(1);
    const QDate from = dateArgument(w.positional.value(2)), to = dateArgument(w.positional.value(3));
    const QString output = w.options.value("-o");
    if (w.positional.size() != 4 ||
        (kindText != QLatin1String("nn") && kindText != QLatin1String("trusou")) || !from.isValid() ||
        !to.isValid() || !output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return usage(ctx, QStringLiteral("Dati fisierul, nn sau trusou, perioada si -o FISIER.pdf."),
                     kFinanceListUsage);
    if (!periodAccepted(ctx, QStringLiteral("Listare DBF Finante"), from, to))
        return 1;
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    const FinanceKind kind =
        kindText == QLatin1String("trusou") ? FinanceKind::Layette : FinanceKind::NewbornAllowance;
    return guarded(ctx, [&] {
        const QString written = outputFile(output);
        report::WritePdf(
            FinanceListingDocument(*ws, QDir(w.positional.first()).absolutePath(), kind, from, to), written);
        ctx.out << "Listarea a fost scrisa in " << QDir::toNativeSeparators(written) << ".\n";
        return 0;
    });
}

} // namespace kovara::cli
