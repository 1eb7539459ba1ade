// kovara-cli: the companion of the office's IT person.
#include "base/Error.h"
#include "base/Paths.h"
#include "cli/Commands.h"
#include "engines/archive/Archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace kovara;

namespace {

const char *const kUsage =
    "Folosire: kovara-cli [--data DOSAR] COMANDA ...\n"
    "  sql [--timeout SECUNDE] \"SELECT ...\"\n"
    "                        ruleaza o interogare (doar citire, implicit cel mult 30 de secunde)\n"
    "                        si scrie randurile ca CSV\n"
    "  check                 verifica tabelele din dosarul de date\n"
    "  repair FISIER.dbf     repara un tabel deteriorat (dupa o copie a lui)\n"
    "  backup FISIER.kov     salveaza dosarul de date intr-o arhiva\n"
    "  verify FISIER.kov     verifica o arhiva\n"
    "  restore FISIER.kov    restaureaza dosarul de date dintr-o arhiva\n"
    "  export centralizator DE_LA PANA_LA -o FISIER.xls | export ministru LUNA.AN -o FISIER.xls\n"
    "  finance nn|trusou DE_LA PANA_LA -o DOSAR\n"
    "  treasury DE_LA PANA_LA --transfer D --takeover D --payment D -o DOSAR\n"
    "  finance-list FISIER.dbf nn|trusou DE_LA PANA_LA -o FISIER.pdf\n"
    "  annex2 FISIER.dbf --transfer D -o FISIER.pdf|FISIER.xls\n"
    "  annex3 FISIER.dbf --transfer D -o FISIER.rtf\n"
    "  document cerere IDCERERE -o FISIER.rtf   scrie cererea completata\n"
    "  document dispozitii nn|trusou PRIMUL ULTIMUL [--copies N] -o FISIER.rtf\n"
    "                        scrie dispozitiile din anul curent cu numerele intre PRIMUL si ULTIMUL\n"
    "  document statistica 1|2 AN -o FISIER.rtf   scrie situatia statistica a trusourilor pe semestru\n"
    "  templates             verifica marcajele din modelele de documente\n"
    "  listing TIP DE_LA PANA_LA -o FISIER.pdf   scrie o listare (borderou, borderou-handicap,\n"
    "                        stat-nn, stat-trusou, centralizator) in PDF\n"
    "  listing ministru LUNA.AN -o FISIER.pdf     raportarea lunara (iulie.2007) in PDF\n"
    "  export lista TIP AN [--sort COLOANA] -o FISIER.xls\n"
    "                        exporta cererile unui tip si an, ca fereastra Cereri\n"
    "Dosarul de date implicit: Data, langa program.\n";

struct Command
{
    const char *name;
    int (*run)(const cli::Context &);
    bool paints = false; // needs fonts and painting: a GUI application, offscreen
};

const Command kCommands[] = {
    {"sql", cli::sqlCommand},
    {"check", cli::checkCommand},
    {"backup", cli::backupCommand},
    {"verify", cli::verifyCommand},
    {"restore", cli::restoreCommand},
    {"repair", cli::repairCommand},
    {"document", cli::documentCommand},
    {"templates", cli::templatesCommand},
    {"listing", cli::listingCommand, true},
    {"export", cli::exportCommand},
    {"finance", cli::financeCommand},
    {"finance-list", cli::financeListCommand, true},
    {"treasury", cli::treasuryCommand},
    {"annex2", cli::annex2Command, true},
    {"annex3", cli::annex3Command},
};

// The command named on the command line, before any application object
// exists (the options before it are skipped).
const Command *commandOf(int argc, char **argv)
{
    int i = 1;
    while (i < argc && std::strncmp(argv[i], "--", 2) == 0)
        i += std::strcmp(argv[i], "--data") == 0 ? 2 : 1;
    if (i >= argc)
        return nullptr;
    for (const Command &c : kCommands)
        if (std::strcmp(argv[i], c.name) == 0)
            return &c;
    return nullptr;
}

// Painting commands run without a window: on the offscreen platform unless
// the caller chose one.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    const Command *command = commandOf(argc, argv);
    if (command && command->paints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList words = app->arguments().mid(1);
    QString dataDir;
    while (!words.isEmpty() && words.first().startsWith(QLatin1String("--"))) {
        const QString opt = words.takeFirst();
        if (opt == QLatin1String("--data") && !words.isEmpty()) {
            dataDir = QDir(words.takeFirst()).absolutePath();
        } else if (opt == QLatin1String("--help")) {
            out << kUsage;
            return 0;
        } else {
            err << "Optiune necunoscuta: " << opt << "\n" << kUsage;
            return 2;
        }
    }
    if (words.isEmpty()) {
        err << kUsage;
        return 2;
    }
    if (dataDir.isEmpty())
        dataDir = DataDir();

    const QString name = words.takeFirst();
    for (const Command &c : kCommands) {
        if (name == QLatin1String(c.name)) {
            cli::Context ctx{dataDir, words, out, err};
            try {
                // A restore cut short is finished before the folder is used.
                FinishInterruptedRestore(dataDir);
                return c.run(ctx);
            } catch (const Error &e) {
                err << e.message() << "\n";
                return 1;
            }
        }
    }
    err << "Comanda necunoscuta: " << name << "\n" << kUsage;
    return 2;
}
