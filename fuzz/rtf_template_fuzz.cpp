// Reads arbitrary bytes as a document template: the structure check and the
// placeholder check, the request form made from it (whole-file mode, through
// the documents' own check), and a document of line mode with two records
// of two copies, into a scratch folder. The last byte may lower the engine's
// document limit, so that documents are also given up half-way.
//
// Findings besides crashes and sanitizer reports: an exception other than
// kovara::Error; a form written although the check refused its template; a
// structure fault the documents' check lets through; a document whose size
// differs from the size the engine announced; a document left at its
// destination after the engine refused it.
#include "base/Error.h"
#include "documents/RequestForm.h"
#include "documents/TemplateCheck.h"
#include "engines/rtf/RtfPlaceholders.h"
#include "engines/rtf/RtfReplace.h"
#include "engines/rtf/RtfStructure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace kovara;

namespace {

const RowFields kForm{{"SUBSEMN", "POPESCU {MARIA} IOANA"},
                      {"CNP", "2800101123456"},
                      {"ADRESA", QString::fromUtf8("Str. Lungă \\ nr. 5")},
                      {"COPIL1", ""},
                      {"BINR", "123456"}};

const QList<RtfRecord> kRecords{
    {{"[NR]", "12"}, {"[SOLICITANT]", QString::fromUtf8("Şerban Ţuţea")}, {"[nume]", ""}, {"[CNP]", "[NR]"}},
    {{"[NR]", ""}, {"[JUDET]", "a{b}\\c"}, {"[SOLICITANT]", "x"}, {"[SOLICITANT]", "y"}}};

qint64 sizeOf(const QString &path)
{
    return QFileInfo(path).size();
}

void removeOutputs(const QString &dir)
{
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        if (name != QLatin1String("Cerere.rtf"))
            QFile::remove(QDir(dir).filePath(name));
}

// Line mode as the dispositions use it; the engine alone, whatever the checks say.
void lineMode(const QString &source, const QString &destination)
{
    RtfReplace rtf;
    rtf.setSource(source);
    rtf.setDestination(destination);
    const qint64 announced = rtf.documentBytes(kRecords, 2);
    bool finished = false;
    try {
        if (!rtf.beginDocument()) {
            if (announced >= 0 && rtf.beginFailure() != RtfReplace::BeginFailure::DocumentUnwritable)
                std::abort(); // the size was announced for a template the engine cannot use
            return;
        }
        for (qsizetype i = 0; i < kRecords.size(); ++i) {
            if (i > 0)
                rtf.appendPageBreak();
            for (const auto &[key, value] : kRecords[i])
                rtf.addPair(key, value);
            rtf.appendCopies(2);
        }
        rtf.endDocument();
        finished = true;
    } catch (const Error &) {
    }
    if (finished != (announced <= RtfReplace::documentLimit()))
        std::abort(); // refused within the limit, or written past it
    if (finished ? sizeOf(destination) != announced : QFileInfo::exists(destination))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir root;
    const QString dir = root.path();
    const QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString tmpl = QDir(dir).filePath(QStringLiteral("Cerere.rtf"));
    const QString form = QDir(dir).filePath(QStringLiteral("form.rtf"));
    removeOutputs(dir);
    QFile f(tmpl);
    if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size())
        return 0;
    f.close();
    RtfReplace::setDocumentLimit(size > 0 && data[size - 1] % 4 == 0 ? 64 + 16 * qint64(data[0]) : 0);

    const RtfStructureFault fault = CheckRtfStructure(rtf);
    if (fault.ok() != RtfStructureFaultText(fault).isEmpty())
        std::abort();
    (void)BrokenPlaceholders(rtf);
    const QString refusal = BrokenTemplateText(QStringLiteral("Cerere"), tmpl);
    if (!fault.ok() && refusal.isEmpty())
        std::abort(); // a broken template let through

    // The form, through the documents' own function.
    bool written = false;
    try {
        WriteRequestForm(dir, kForm, form);
        written = true;
    } catch (const Error &) {
    }
    if (written != QFileInfo::exists(form) || (written && !refusal.isEmpty()))
        std::abort();
    if (written) {
        RtfReplace whole;
        whole.setSource(tmpl);
        AddRequestFormPairs(whole, kForm);
        if (whole.wholeFileBytes() != sizeOf(form))
            std::abort();
    }

    lineMode(tmpl, QDir(dir).filePath(QStringLiteral("lines.rtf")));
    RtfReplace::setDocumentLimit(0);
    return 0;
}
