#pragma once

// The preview of a listing: the pages drawn by the report engine, shown
// maximized with the zoom the layout asks for; from it the user prints the
// pages or saves them as a PDF file.

#include "listings/ReportPages.h"

#include <QPrintPreviewDialog>

class QPrintPreviewWidget;

namespace kovara {

class ListingPreview : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    ListingPreview(report::ReportDocument doc, QWidget *parent = nullptr);

    QPrintPreviewWidget *previewWidget() const { return m_preview; }
    QAction *saveAsPdfAction() const { return m_savePdf; }
    const report::ReportDocument &document() const { return m_doc; }
    // Pages painted into the preview so far (by the paint requests).
    int pagesPainted() const { return m_painted; }

private:
    void paintPages(QPrinter *printer);
    void saveAsPdf();

    report::ReportDocument m_doc;
    QPrintPreviewWidget *m_preview = nullptr;
    QAction *m_savePdf = nullptr;
    int m_painted = 0;
};

// Shows the preview modally and returns when the user closes it.
void ShowListingPreview(QWidget *parent, const report::ReportDocument &doc);

} // namespace kovara
