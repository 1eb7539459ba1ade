// Pictures of the listings' preview for the documentation: a sample data
// folder, one listing, its preview on screen, photographed with ImageMagick's
// `import`. Usage (under an X server, e.g. xvfb-run):
//   kovara-listing-screens <listing> <file.png>
//   kovara-listing-screens sample <folder>     (writes the sample data folder)
// Listings: borderou, stat-nn, stat-trusou, centralizator, ministru.

#include "SampleData.h"
#include "listings/Listings.h"
#include "shell/Formats.h"
#include "shell/ui/ListingRun.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

using namespace kovara;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString scene = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    ApplyFixedFormats();
    if (scene == QLatin1String("sample")) {
        test::writeSampleDataFolder(file);
        return 0;
    }
    QTemporaryDir dir;
    test::writeSampleDataFolder(dir.filePath(QStringLiteral("Data")));
    const ListingSource source = DataFolderListingSource(dir.filePath(QStringLiteral("Data")));
    const QDate start(2010, 3, 1), end(2010, 3, 31);
    report::ReportDocument doc;
    if (scene == QLatin1String("borderou"))
        doc = BordereauListing(source, false, start, end);
    else if (scene == QLatin1String("stat-nn"))
        doc = NewbornPayrollListing(source, start, end);
    else if (scene == QLatin1String("stat-trusou"))
        doc = LayettePayrollListing(source, start, end);
    else if (scene == QLatin1String("centralizator"))
        doc = CentralizerListing(source, start, end);
    else if (scene == QLatin1String("ministru"))
        doc = MinistryListing(source, 3, 2010);
    else
        return 2;
    QTimer::singleShot(1500, [file] {
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
        QApplication::closeAllWindows();
    });
    ShowReportPreview(nullptr, doc);
    return 0;
}
