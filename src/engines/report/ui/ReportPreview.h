#pragma once

// The preview of a listing: the pages drawn by the report engine, shown
// maximized with the zoom the layout asks for; from it the user prints the
// pages or saves them as a PDF file, as often as needed: printing leaves
// the preview open.

#include "engines/report/ReportPages.h"

#include <QIcon>
#include <QPrintPreviewDialog>

#include <functional>

class QPrintPreviewWidget;
class QPrinter;

namespace kovara {

// What the preview asks of the program around it.
struct PreviewServices
{
    // The name of the PDF file to save (empty: the user cancelled). Without
    // it the preview asks with a plain file dialog.
    std::function<QString(QWidget *parent)> choosePdf;
    // Lets the user pick the printer and copies for `printer` (false: the
    // user cancelled). Without it the preview shows Qt's print dialog.
    std::function<bool(QPrinter *printer, QWidget *parent)> choosePrinter;
    // Runs one step (painting, saving), showing its failure to the user.
    // Without it a failure is shown in a plain message box.
    std::function<void(const std::function<void()> &step)> run;
    QIcon saveIcon;
};

class ReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    explicit ReportPreview(report::ReportDocument doc, PreviewServices services = {},
                           QWidget *parent = nullptr);

    QPrintPreviewWidget *previewWidget() const { return m_preview; }
    QAction *saveAsPdfAction() const { return m_savePdf; }
    const report::ReportDocument &document() const { return m_doc; }
    // Pages painted into the preview so far (by the paint requests).
    int pagesPainted() const { return m_painted; }

    // "Tipareste": the pages go to the printer and the preview stays open,
    // so that a second copy or a PDF needs no new run.
    void printPages();

private:
    void paintPages(QPrinter *printer);
    void saveAsPdf();

    void run(const std::function<void()> &step);

    report::ReportDocument m_doc;
    PreviewServices m_services;
    QPrintPreviewWidget *m_preview = nullptr;
    QAction *m_savePdf = nullptr;
    int m_painted = 0;
};

} // namespace kovara
