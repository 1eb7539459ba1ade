#include "listings/ListingPreview.h"

#include "app/Choosers.h"
#include "app/ErrorDisplay.h"
#include "listings/ReportRender.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace kovara {

ListingPreview::ListingPreview(report::ReportDocument doc, QWidget *parent)
    : QPrintPreviewDialog(parent), m_doc(std::move(doc))
{
    setObjectName(QStringLiteral("ListingPreview"));
    setWindowTitle(m_doc.title.isEmpty() ? QStringLiteral("Previzualizare") : m_doc.title);
    setWindowState(Qt::WindowMaximized);
    if (QPrinter *p = printer()) {
        p->setFullPage(true);
        p->setPageLayout(report::PageLayoutOf(m_doc));
        p->setDocName(m_doc.title);
    }
    m_preview = findChild<QPrintPreviewWidget *>();
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ListingPreview::paintPages);

    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        m_savePdf = bar->addAction(QStringLiteral("Salveaza PDF..."));
        m_savePdf->setObjectName(QStringLiteral("savePdfAction"));
        m_savePdf->setToolTip(QStringLiteral("Salveaza listarea ca fisier PDF"));
        m_savePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(m_savePdf, &QAction::triggered, this, &ListingPreview::saveAsPdf);
    }
    if (m_preview) {
        m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
        if (m_doc.zoom == report::Zoom::PageWidth)
            m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
        else {
            m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
            m_preview->setZoomFactor(1.0);
        }
    }
}

void ListingPreview::paintPages(QPrinter *target)
{
    // The printer the user picked may have its own margins: the pages are
    // placed from the paper's corner all the same.
    target->setFullPage(true);
    target->setPageLayout(report::PageLayoutOf(m_doc));
    RunCommand([&] { report::PaintDocument(m_doc, target); });
    m_painted = int(m_doc.pages.size());
}

void ListingPreview::saveAsPdf()
{
    const QString path = ChooseSaveFile(this, QStringLiteral("Salveaza listarea"),
                                        QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    RunCommand([&] { report::WritePdf(m_doc, path); });
}

void ShowListingPreview(QWidget *parent, const report::ReportDocument &doc)
{
    ListingPreview preview(doc, parent);
    preview.exec();
}

} // namespace kovara
