// 1,000 newborn allowance dispositions and 1,000 layette dispositions, two
// copies each, into one document, from the models the program carries.
// Counters: dispositions, bytes of the document.
//
//   bench_dispositions [--keep DIR]   keeps the data folder and documents in DIR
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/Models.h"
#include "engines/dbf/SqlEngine.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kovara;

namespace {

const char *const kNames[] = {"POPESCU MARIA", "ŞERBAN ŢINCA", "BĂLAN ELENA", "MUREŞAN ANA", "ŢURCANU IOANA"};

QString g_folder;

// A valid code from its first twelve digits.
QString code(const QString &first12)
{
    static const int key[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (first12.at(i).unicode() - '0') * key[i];
    const int check = sum % 11 == 10 ? 1 : sum % 11;
    return first12 + QString::number(check);
}

void prepareFolder(const QString &programDir)
{
    setProgramDir(programDir);
    QDir().mkpath(DataDir());
    WriteSettings("CONSTANTE", {{"PRIMARIA", "SĂCELE"},
                                {"LOCALIT", "Săcele"},
                                {"JUDET", "BRASOV"},
                                {"PRIMAR", "Ştefan Ţăranu"},
                                {"AVIZAT", "Ana Pop"}});
    LoadConstants();
    CreateRequestTable();
    ExtractModels(DataDir());
    const int year = QDate::currentDate().year();
    const QDate dispDate(year, 1, 1);
    Database &db = Database::shared();
    int id = 0;
    for (const char *tip : {"3", "4"}) {
        for (int n = 1; n <= 1000; ++n) {
            const QString name = QString::fromUtf8(kNames[n % 5]);
            const int children = tip[0] == '4' ? n % 3 + 1 : 1;
            QVariantMap v{
                {"IDCERERE", ++id},
                {"DINDATA", dispDate},
                {"NR", 1001 - n},
                {"TIP", tip},
                {"SUBSEMN", name},
                {"CALITATE", "părinte natural"},
                {"CNP",
                 code(QStringLiteral("%1850101%2").arg(n % 2 ? 2 : 8).arg(n % 100000, 5, 10, QChar(u'0')))},
                {"CUANTUM", tip[0] == '3' ? 204 : 150},
                {"ALCATE", "primul"},
                {"CNSERIA", "N"},
                {"CNNR", QString::number(100000 + n)},
                {"CNELIB", "Primăria Săcele"},
                {"NRDISP", n},
                {"DATADISP", dispDate.addDays(n % 300)},
                {"PTLUNA", "martie." + QString::number(year)},
                {"NRCOPII", children},
                {"HANDI", "NU"}};
            for (int c = 1; c <= children; ++c) {
                v.insert(QStringLiteral("COPIL%1").arg(c), QStringLiteral("ŢURCANU ŞTEFAN %1").arg(c));
                v.insert(QStringLiteral("CNP%1").arg(c),
                         code(QStringLiteral("%1%2")
                                  .arg(c % 2 ? 5 : 6)
                                  .arg(QStringLiteral("2503121234%1").arg(c))));
            }
            db.appendRow(RequestTablePath(), v);
        }
    }
}

void Dispositions(benchmark::State &state, DispositionKind kind)
{
    DispositionRun run;
    run.kind = kind;
    run.first = 1;
    run.last = 1000;
    run.copies = 2;
    run.workspace = ProgramWorkspace();
    run.output =
        QDir(ProgramDir()).filePath(kind == DispositionKind::Layette ? "Trusou.rtf" : "NouNascuti.rtf");
    int count = 0;
    for (auto _ : state)
        count = WriteDispositions(run);
    state.counters["dispositions"] = count;
    state.counters["bytes"] = double(QFileInfo(run.output).size());
}

} // namespace

BENCHMARK_CAPTURE(Dispositions, newborn_1000x2, DispositionKind::NewbornAllowance)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Dispositions, layette_1000x2, DispositionKind::Layette)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    QString folder = scratch.path();
    QStringList args = app.arguments();
    const qsizetype keep = args.indexOf("--keep");
    if (keep > 0 && keep + 1 < args.size())
        folder = QDir(args[keep + 1]).absolutePath();
    prepareFolder(folder);
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i)
        if (keep <= 0 || (i != keep && i != keep + 1))
            rest.push_back(argv[i]);
    int n = int(rest.size());
    benchmark::Initialize(&n, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
