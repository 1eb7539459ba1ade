// The request form is made in one step from a template of about half a
// megabyte (the size a form saved by a word processor reaches, pictures and
// all); the dispositions stream a short template once per copy.

#include "documents/Models.h"
#include "documents/RequestForm.h"
#include "engines/rtf/RtfReplace.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void save(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

// The request form model grown to 0.5 MB with an embedded picture's hex lines.
QByteArray largeForm()
{
    QByteArray rtf = kovara::ModelBytes("CERERE");
    QByteArray picture = "{\\*\\shppict{\\pict\\pngblip\\picw800\\pich600\r\n";
    for (int line = 0; picture.size() + rtf.size() < 500 * 1024; ++line)
        picture += QByteArray(128, "0123456789abcdef"[line % 16]) + "\r\n";
    picture += "}}\r\n";
    rtf.insert(rtf.lastIndexOf('}'), picture);
    return rtf;
}

kovara::RowFields requestRow()
{
    return {{"IDCERERE", "17"},
            {"DINDATA", "02.03.2026"},
            {"NR", "12"},
            {"TIP", "3"},
            {"SUBSEMN", "POPESCU MARIA"},
            {"CALITATE", "mama"},
            {"CNP", "2800101123456"},
            {"BISERIA", "XZ"},
            {"BINR", "123456"},
            {"ADRESA", "Str. Lunga 5"},
            {"JUDADR", "Cluj"},
            {"COPIL1", "POPESCU ANA"},
            {"CNP1", "6260101123456"},
            {"COPIL2", ""},
            {"CNP2", ""},
            {"COPIL3", ""},
            {"CNP3", ""},
            {"CUANTUM", "150"},
            {"ALCATE", "primul"},
            {"CNSERIA", "N"},
            {"CNNR", "123"},
            {"CNELIB", "Cluj"},
            {"NRDISP", "4"},
            {"DATADISP", "10.03.2026"},
            {"PTLUNA", "martie.2026"},
            {"NRCOPII", "1"},
            {"HANDI", "NU"}};
}

void BM_RequestFormHalfMegabyte(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray form = largeForm();
    save(dir.filePath("Cerere.rtf"), form);
    const kovara::RowFields row = requestRow();
    for (auto _ : state) {
        kovara::RtfReplace rtf;
        rtf.setSource(dir.filePath("Cerere.rtf"));
        rtf.setDestination(dir.filePath("Cerere17.rtf"));
        kovara::AddRequestFormPairs(rtf, row);
        rtf.writeWholeFile();
    }
    state.counters["template_bytes"] = form.size();
}
BENCHMARK(BM_RequestFormHalfMegabyte)->Unit(benchmark::kMillisecond);

void BM_DispositionsThousandTwoCopies(benchmark::State &state)
{
    QTemporaryDir dir;
    save(dir.filePath("Disp3.rtf"), kovara::ModelBytes("DISP3"));
    for (auto _ : state) {
        kovara::RtfReplace rtf;
        rtf.setSource(dir.filePath("Disp3.rtf"));
        rtf.setDestination(dir.filePath("Dispozitie0.rtf"));
        if (!rtf.beginDocument())
            std::abort();
        for (int i = 0; i < 1000; ++i) {
            if (i > 0)
                rtf.appendPageBreak();
            for (const char *key :
                 {"[JUDET]", "[LOCALITATE]", "[PRIMAR]", "[PRIMARIA]", "[SOLICITANT]", "[NRCERERE]",
                  "[DATACERERE]", "[CUANTUM]", "[ALCATELEA]", "[COPIL]", "[DATAN]", "[CNSERIA]", "[CNNR]",
                  "[CNELIB]", "[NR]", "[PTLUNA]", "[DATAAZI]"})
                rtf.addPair(QString::fromLatin1(key), QString::fromUtf8("Valoare ţ ş %1").arg(i));
            rtf.appendCopies(2);
        }
        rtf.endDocument();
    }
}
BENCHMARK(BM_DispositionsThousandTwoCopies)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
