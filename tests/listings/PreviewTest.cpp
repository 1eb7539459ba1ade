// The preview window of a listing: maximized, the zoom of its layout, the
// pages the engine made, and "Salveaza PDF..." writing those same pages.

#include "PdfWords.h"
#include "SampleData.h"
#include "listings/Listings.h"
#include "shell/MesajRules.h"
#include "shell/ui/ListingRun.h"
#include "shell/ui/TestSeam.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::writeSampleDataFolder(scratch.file("Data"), 200);
        seam::activate();
    }
    void TearDown() override
    {
        seam::deactivate();
        Database::shared().detachAll();
    }
    ListingSource source() const { return DataFolderListingSource(scratch.file("Data")); }

    test::ScratchDir scratch;
};

TEST_F(Preview, ShowsThePagesMaximizedWithTheLayoutsZoom)
{
    const struct
    {
        const char *name;
        report::ReportDocument doc;
        QPrintPreviewWidget::ZoomMode zoom;
    } cases[] = {
        {"B2", BordereauListing(source(), false, QDate(2010, 3, 1), QDate(2010, 3, 31)),
         QPrintPreviewWidget::CustomZoom},
        {"S1", NewbornPayrollListing(source(), QDate(2010, 3, 1), QDate(2010, 3, 31)),
         QPrintPreviewWidget::CustomZoom},
        {"C4", CentralizerListing(source(), QDate(2010, 3, 1), QDate(2010, 3, 31)),
         QPrintPreviewWidget::FitToWidth},
        {"B3", MinistryListing(source(), 3, 2010), QPrintPreviewWidget::FitToWidth},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ReportPreview preview(c.doc, ProgramPreviewServices());
        preview.show();
        QApplication::processEvents();
        EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
        ASSERT_NE(preview.previewWidget(), nullptr);
        EXPECT_EQ(preview.previewWidget()->zoomMode(), c.zoom);
        if (c.zoom == QPrintPreviewWidget::CustomZoom) {
            EXPECT_DOUBLE_EQ(preview.previewWidget()->zoomFactor(), 1.0);
        }
        EXPECT_EQ(preview.previewWidget()->pageCount(), int(c.doc.pages.size()));
        EXPECT_EQ(preview.previewWidget()->orientation(), c.doc.orientation == report::Orientation::Landscape
                                                              ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
        preview.close();
    }
}

TEST_F(Preview, SavesTheSamePagesAsAPdf)
{
    const report::ReportDocument doc =
        BordereauListing(source(), false, QDate(2010, 3, 1), QDate(2010, 3, 31));
    ASSERT_GE(doc.pages.size(), 2u);
    ReportPreview preview(doc, ProgramPreviewServices());
    preview.show();
    QApplication::processEvents();
    ASSERT_NE(preview.saveAsPdfAction(), nullptr);
    EXPECT_EQ(preview.saveAsPdfAction()->text(), "Salveaza PDF...");

    seam::pushChoice(""); // cancelled: nothing written
    preview.saveAsPdfAction()->trigger();
    const QString pdf = scratch.file("borderou.pdf");
    seam::pushChoice(pdf);
    preview.saveAsPdfAction()->trigger();
    ASSERT_EQ(seam::chooserCalls().size(), 2);
    EXPECT_EQ(seam::chooserCalls()[0].kind, "save");
    EXPECT_TRUE(seam::errorsShown().isEmpty());

    const auto pages = test::readPdf(pdf);
    ASSERT_EQ(pages.size(), doc.pages.size());
    for (const auto &page : pages)
        EXPECT_EQ(page.count("Nr.crt."), 1); // the column header on every page
    preview.close();
}

} // namespace

namespace {

// An existing file (an earlier PDF, a backup archive) is replaced only after
// DA to the question, NU being its default; after NU it is untouched.
TEST_F(Preview, SavingOverAnExistingFileAsksFirst)
{
    const report::ReportDocument doc =
        BordereauListing(source(), false, QDate(2010, 3, 1), QDate(2010, 3, 31));
    ReportPreview preview(doc, ProgramPreviewServices());
    preview.show();
    QApplication::processEvents();
    const QString victim = scratch.file("victim.kov");
    test::writeAll(victim, "an archive");
    seam::pushChoice(victim);
    seam::pushMesajAnswer(ResNu);
    preview.saveAsPdfAction()->trigger();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].text,
              QStringLiteral("Vreti sa inlocuiti fisierul %1?").arg(QDir::toNativeSeparators(victim)));
    EXPECT_EQ(seam::mesajCalls()[0].defaultButton, BtnNu);
    EXPECT_EQ(test::readAll(victim), "an archive");

    seam::pushChoice(victim);
    seam::pushMesajAnswer(ResDa);
    preview.saveAsPdfAction()->trigger();
    EXPECT_EQ(test::readPdf(victim).size(), doc.pages.size());
    preview.close();
}

// "Tipareste" prints the pages and leaves the preview open: a second copy
// needs no new run.
TEST_F(Preview, PrintingLeavesThePreviewOpen)
{
    const report::ReportDocument doc =
        BordereauListing(source(), false, QDate(2010, 3, 1), QDate(2010, 3, 31));
    PreviewServices services = ProgramPreviewServices();
    int asked = 0;
    QString output;
    services.choosePrinter = [&](QPrinter *printer, QWidget *) {
        output = scratch.file(QStringLiteral("tiparit%1.pdf").arg(++asked));
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        return true;
    };
    ReportPreview preview(doc, services);
    preview.show();
    QApplication::processEvents();
    auto *print = preview.findChild<QAction *>(QStringLiteral("printAction"));
    ASSERT_NE(print, nullptr);
    for (int copy = 1; copy <= 2; ++copy) {
        print->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(preview.isVisible()) << copy;
        EXPECT_EQ(asked, copy);
        EXPECT_EQ(test::readPdf(output).size(), doc.pages.size()) << copy;
    }
    preview.close();
}

} // namespace
