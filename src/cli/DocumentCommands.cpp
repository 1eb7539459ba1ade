// kovara-cli document and templates: the documents of the program written
// without windows, through the same operations as the menus, and a check of
// the templates of the data folder.

#include "base/Error.h"
#include "base/Paths.h"
#include "cli/Commands.h"
#include "data/Workspace.h"
#include "documents/RequestForm.h"
#include "documents/TemplateCheck.h"

#include <QDir>
#include <QFileInfo>

namespace kovara::cli {
namespace {

// Takes "-o FILE" out of the words; the empty text when absent.
QString takeOutput(QStringList &words)
{
    const qsizetype at = words.indexOf(QStringLiteral("-o"));
    if (at < 0 || at + 1 >= words.size())
        return {};
    const QString file = words.at(at + 1);
    words.remove(at, 2);
    return QFileInfo(file).absoluteFilePath();
}

// document cerere IDCERERE -o FILE.rtf
int requestFormDocument(const Context &ctx, QStringList words)
{
    const QString output = takeOutput(words);
    bool ok = false;
    const qint64 id = words.size() == 1 ? words.first().toLongLong(&ok) : 0;
    if (!ok || output.isEmpty()) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] document cerere IDCERERE -o FISIER.rtf\n";
        return 2;
    }
    const std::optional<Workspace> ws = openDataFolder(ctx);
    if (!ws)
        return 1;
    WriteRequestForm(ws->dataDir, RequestFields(*ws, id), output);
    ctx.out << "Cererea " << id << " a fost scrisa in " << QDir::toNativeSeparators(output) << ".\n";
    return 0;
}

struct DocumentKind
{
    const char *name;
    int (*run)(const Context &, QStringList);
};

const DocumentKind kDocuments[] = {
    {"cerere", requestFormDocument},
    {"dispozitii", dispositionsDocument},
    {"statistica", statisticsDocument},
};

QString joined(const QStringList &keys)
{
    return keys.isEmpty() ? QStringLiteral("-") : keys.join(u' ');
}

} // namespace

int documentCommand(const Context &ctx)
{
    QStringList words = ctx.args;
    const QString kind = words.isEmpty() ? QString() : words.takeFirst();
    for (const DocumentKind &d : kDocuments)
        if (kind == QLatin1String(d.name))
            return d.run(ctx, words);
    ctx.err << "Document necunoscut: " << kind << "\n";
    return 2;
}

int templatesCommand(const Context &ctx)
{
    if (!dataFolderExists(ctx))
        return 1;
    bool sound = true;
    for (const TemplateReport &r : CheckDataTemplates(ctx.dataDir)) {
        ctx.out << QFileInfo(r.path).fileName() << " (" << QDir::toNativeSeparators(r.path) << ")\n";
        if (!r.present) {
            ctx.out << "  lipseste fisierul\n";
            sound = false;
            continue;
        }
        if (r.tooLarge) {
            ctx.out << "  stricat: " << r.fault << "\n";
            sound = false;
            continue;
        }
        ctx.out << "  intacte: " << joined(r.intact) << "\n";
        ctx.out << "  lipsa:   " << joined(r.missing) << "\n";
        QStringList broken;
        for (const BrokenPlaceholder &b : r.broken)
            broken << (b.count > 1 ? QStringLiteral("%1 (de %2 ori)").arg(b.key).arg(b.count) : b.key);
        ctx.out << "  rupte:   " << joined(broken) << "\n";
        if (!r.fault.isEmpty())
            ctx.out << "  stricat: " << r.fault << "\n";
        sound = sound && r.ok();
    }
    return sound ? 0 : 1;
}

} // namespace kovara::cli
