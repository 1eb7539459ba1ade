// kovara-cli: the companion of the office's IT person.
#include "base/Paths.h"
#include "cli/Commands.h"
#include "data/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

using namespace kovara;

namespace {

const char *const kUsage =
    "Folosire: kovara-cli [--data DOSAR] COMANDA ...\n"
    "  sql \"SELECT ...\"      ruleaza o interogare (doar citire) si scrie randurile ca CSV\n"
    "  check                 verifica tabelele din dosarul de date\n"
    "  backup FISIER.kov     salveaza dosarul de date intr-o arhiva\n"
    "  verify FISIER.kov     verifica o arhiva\n"
    "  restore FISIER.kov    restaureaza dosarul de date dintr-o arhiva\n"
    "  document cerere IDCERERE -o FISIER.rtf   scrie cererea completata\n"
    "  document dispozitii nn|trusou PRIMUL ULTIMUL [--copies N] -o FISIER.rtf\n"
    "                        scrie dispozitiile din anul curent cu numerele intre PRIMUL si ULTIMUL\n"
    "  document statistica 1|2 AN -o FISIER.rtf   scrie situatia statistica a trusourilor pe semestru\n"
    "  templates             verifica marcajele din modelele de documente\n"
    "Dosarul de date implicit: Data, langa program.\n";

struct Command
{
    const char *name;
    int (*run)(const cli::Context &);
};

const Command kCommands[] = {
    {"sql", cli::sqlCommand},       {"check", cli::checkCommand},     {"backup", cli::backupCommand},
    {"verify", cli::verifyCommand}, {"restore", cli::restoreCommand},
    {"document", cli::documentCommand},
    {"templates", cli::templatesCommand},
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList words = app.arguments().mid(1);
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
