// 1,000 newborn allowance dispositions and 1,000 layette dispositions, two
// copies each, into one document, from the models the program carries.
// Counters: dispositions, bytes of the document.
//
// The template engine next to a plain peer in the same run: the 1,000
// newborn dispositions' values, once read, written by the engine and by
// bench/dispositions_peer.py (str.replace of each placeholder over the
// body, per record). Counters: the peer's time, ours over the peer's, and
// whether both documents are the same bytes.
//
//   bench_dispositions [--keep DIR]   keeps the data folder and documents in DIR
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/Models.h"
#include "engines/dbf/SqlEngine.h"
#include "engines/rtf/RtfReplace.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
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

// What WriteDispositions does once the values are read: size, header,
// records, closing brace.
void writeWithEngine(const QString &source, const QString &output, const QList<PlaceholderValues> &sets)
{
    RtfReplace rtf;
    rtf.setSource(source);
    rtf.setDestination(output);
    if (rtf.documentBytes(sets, 2) < 0 || !rtf.beginDocument())
        std::abort();
    for (qsizetype i = 0; i < sets.size(); ++i) {
        if (i > 0)
            rtf.appendPageBreak();
        for (const auto &[key, value] : sets[i])
            rtf.addPair(key, value);
        rtf.appendCopies(2);
    }
    rtf.endDocument();
}

// The peer's own time for the same document, in seconds.
double writeWithPeer(const QString &source, const QString &values, const QString &output)
{
    QProcess peer;
    peer.start(QStringLiteral("python3"),
               {QStringLiteral(KOVARA_BENCH_DIR "/dispositions_peer.py"), source, values, output});
    if (!peer.waitForFinished(120000) || peer.exitCode() != 0)
        std::abort();
    return peer.readAllStandardOutput().trimmed().toDouble();
}

void EngineAndPeer(benchmark::State &state)
{
    DispositionRun run;
    run.first = 1;
    run.last = 1000;
    run.copies = 2;
    run.workspace = ProgramWorkspace();
    const QList<PlaceholderValues> sets = DispositionValueSets(run);
    QJsonArray records;
    for (const PlaceholderValues &set : sets) {
        QJsonArray record;
        for (const auto &[key, value] : set)
            record.append(QJsonArray{key, value});
        records.append(record);
    }
    const QString values = QDir(ProgramDir()).filePath("values.json");
    QFile json(values);
    if (!json.open(QIODevice::WriteOnly) || json.write(QJsonDocument(records).toJson()) < 0)
        std::abort();
    json.close();
    const QString source = DispositionTemplate(DataDir(), DispositionKind::NewbornAllowance);
    const QString ours = QDir(ProgramDir()).filePath("engine.rtf");
    const QString theirs = QDir(ProgramDir()).filePath("peer.rtf");
    double engine = 0, peer = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        writeWithEngine(source, ours, sets);
        const double t = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(t);
        engine += t;
        peer += writeWithPeer(source, values, theirs);
    }
    QFile a(ours), b(theirs);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    state.counters["peer_ms"] = 1000 * peer / double(state.iterations());
    state.counters["ratio_to_peer"] = engine / peer;
    state.counters["same_bytes"] = a.readAll() == b.readAll() ? 1 : 0;
    state.counters["dispositions"] = double(sets.size());
}

} // namespace

BENCHMARK(EngineAndPeer)
    ->Name("engine_vs_peer/newborn_1000x2")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
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
