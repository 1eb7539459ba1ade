#include "shell/ui/ListingRun.h"

#include "shell/MesajRules.h"
#include "shell/WorkTable.h"
#include "shell/ui/Choosers.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/Resources.h"

#include <QApplication>

namespace kovara {

PreviewServices ProgramPreviewServices()
{
    InitResources();
    PreviewServices services;
    services.choosePdf = [](QWidget *parent) {
        return ChooseSaveFile(parent, QStringLiteral("Salveaza listarea"),
                              QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf"));
    };
    services.run = [](const std::function<void()> &step) { RunCommand(step); };
    services.saveIcon = QIcon(QStringLiteral(":/icons/document-save.png"));
    return services;
}

void ShowReportPreview(QWidget *parent, const report::ReportDocument &doc)
{
    ReportPreview preview(doc, ProgramPreviewServices(), parent);
    preview.exec();
}

void RunListing(const QString &title, const std::function<report::ReportDocument()> &make)
{
    report::ReportDocument doc;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        doc = make();
        QApplication::restoreOverrideCursor();
    } catch (const WorkTableInUse &e) {
        QApplication::restoreOverrideCursor();
        Mesaj(title, e.message(), KindEroare, BtnOk);
        return;
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    ShowReportPreview(QApplication::activeWindow(), doc);
}

} // namespace kovara
