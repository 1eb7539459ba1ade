// kovara-cli document dispozitii and document statistica: the documents of
// the report menu, made by the same functions as the menu entries.

#include "base/FileNames.h"
#include "base/Paths.h"
#include "cli/Commands.h"
#include "data/Settings.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/DocumentRefusal.h"
#include "documents/SemesterStatistics.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/SelectionChecks.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace kovara::cli {
namespace {

// Takes "-o FILE" (and "--copies N" where allowed) out of the words.
struct Options
{
    QString output;
    int copies = 1;
    QStringList words;
};

bool parseOptions(const QStringList &args, bool copiesAllowed, Options &o, QTextStream &err)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("-o") && i + 1 < args.size()) {
            o.output = QFileInfo(args[++i]).absoluteFilePath();
        } else if (copiesAllowed && a == QLatin1String("--copies") && i + 1 < args.size()) {
            bool ok = false;
            o.copies = args[++i].toInt(&ok);
            if (!ok || o.copies < 1 || o.copies > 9) {
                err << "Numarul de exemplare trebuie sa fie intre 1 si 9.\n";
                return false;
            }
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1 && !a.at(1).isDigit()) {
            err << "Optiune necunoscuta: " << a << "\n";
            return false;
        } else {
            o.words << a;
        }
    }
    if (o.output.isEmpty()) {
        err << "Lipseste fisierul de iesire (-o FISIER.rtf).\n";
        return false;
    }
    return true;
}

bool wholeNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// A message of the windows, its line breaks (CR, CR LF) as the terminal's.
QString onTerminal(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The data folder of --data with the program folder; none (said) when the
// folder has no request table.
std::optional<Workspace> dataFolder(const Context &ctx)
{
    const Workspace ws = FolderWorkspace(ctx.dataDir, ProgramDir());
    if (QFileInfo::exists(ws.requestTablePath()))
        return ws;
    ctx.err << "Nu exista tabela Cereri.dbf in dosarul " << QDir::toNativeSeparators(ctx.dataDir) << ".\n";
    return std::nullopt;
}

} // namespace

int dispositionsDocument(const Context &ctx, QStringList words)
{
    Options o;
    if (!parseOptions(words, true, o, ctx.err))
        return 2;
    int first = 0, last = 0;
    const QString kind = o.words.value(0);
    if (o.words.size() != 3 || (kind != QLatin1String("nn") && kind != QLatin1String("trusou")) ||
        !wholeNumber(o.words[1], first) || !wholeNumber(o.words[2], last)) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] document dispozitii nn|trusou PRIMUL ULTIMUL "
                   "[--copies N] -o FISIER.rtf\n";
        return 2;
    }
    // The range dialog's own check: numbers from 1, not reversed.
    const SelectionProblem range = CheckDispositionRange(first, last);
    if (!range.ok()) {
        ctx.err << range.text << "\n";
        return 1;
    }
    const std::optional<Workspace> ws = dataFolder(ctx);
    if (!ws)
        return 1;
    DispositionRun run;
    run.kind = kind == QLatin1String("trusou") ? DispositionKind::Layette : DispositionKind::NewbornAllowance;
    run.first = first;
    run.last = last;
    run.copies = o.copies;
    run.output = o.output;
    run.workspace = *ws;
    try {
        const int count = WriteDispositions(run);
        ctx.out << count << (count == 1 ? " dispozitie" : " dispozitii") << " in " << o.copies
                << (o.copies == 1 ? " exemplar" : " exemplare") << ": " << QDir::toNativeSeparators(o.output)
                << "\n";
    } catch (const DocumentRefusal &refusal) {
        ctx.err << onTerminal(refusal.message()) << "\n";
        return 1;
    }
    return 0;
}

int statisticsDocument(const Context &ctx, QStringList words)
{
    Options o;
    if (!parseOptions(words, false, o, ctx.err))
        return 2;
    int semester = 0, year = 0;
    if (o.words.size() != 2 || !wholeNumber(o.words[0], semester) || (semester != 1 && semester != 2) ||
        !wholeNumber(o.words[1], year) || year < 1900 || year > 9999) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] document statistica 1|2 AN -o FISIER.rtf\n";
        return 2;
    }
    const std::optional<Workspace> ws = dataFolder(ctx);
    if (!ws)
        return 1;
    StatisticsRun run;
    run.semester = semester;
    run.year = year;
    run.output = o.output;
    run.workspace = *ws;
    try {
        const QString written = WriteStatistics(run);
        ctx.out << "Situatia statistica, semestrul " << semester << " " << year << ": "
                << QDir::toNativeSeparators(written) << "\n";
    } catch (const DocumentRefusal &refusal) {
        ctx.err << onTerminal(refusal.message()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace kovara::cli
