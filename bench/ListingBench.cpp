// The newborn payroll over 10,000 requests: query and pages, the PDF file,
// the preview's first page, and the peak memory of the process.
// Targets: PDF within 3 s, first preview page within 1 s, under 150 MB.

#include "SyntheticCereri.h"
#include "data/Settings.h"
#include "engines/report/ReportRender.h"
#include "engines/report/ui/ReportPreview.h"
#include "listings/Listings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <cstdio>

using namespace kovara;

namespace {

long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Data")));
    // About one request in seven is a newborn allowance: 70,000 requests
    // of one year give some 10,000 payroll lines.
    bench::writeSyntheticCereri(dir.filePath(QStringLiteral("Data/Cereri.dbf")), 70000, 1);
    const ListingSource source = DataFolderListingSource(dir.filePath(QStringLiteral("Data")));
    const QDate start(2006, 1, 1), end(2006, 12, 31);

    QElapsedTimer t;
    t.start();
    report::ReportDocument doc = NewbornPayrollListing(source, start, end);
    const qint64 pagesMs = t.elapsed();
    const QString pdf = dir.filePath(QStringLiteral("stat.pdf"));
    report::WritePdf(doc, pdf);
    const qint64 pdfMs = t.elapsed();
    std::printf("payroll: %d rows, %zu pages; query and pages %lld ms; PDF written at %lld ms (%.1f MB)\n",
                doc.rows, doc.pages.size(), pagesMs, pdfMs, QFileInfo(pdf).size() / 1e6);

    // The preview as the menu entry opens it: listing, pages, first page shown.
    t.restart();
    ReportPreview preview(NewbornPayrollListing(source, start, end));
    const qint64 builtMs = t.elapsed();
    preview.show();
    while (preview.pagesPainted() == 0 && t.elapsed() < 30000)
        app.processEvents();
    preview.previewWidget()->grab(); // the first page drawn on screen
    const qint64 shownMs = t.elapsed();
    std::printf("preview: listing ready at %lld ms, first page shown at %lld ms (%d pages)\n", builtMs,
                shownMs, preview.previewWidget()->pageCount());
    preview.close();
    std::printf("peak memory (VmHWM): %.1f MB\n", statusKb("VmHWM:") / 1024.0);
    return 0;
}
