#include "engines/report/ui/ReportPreview.h"

#include "engines/report/ReportRender.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace kovara {

ReportPreview::ReportPreview(report::ReportDocument doc, PreviewServices services, QWidget *parent)
    : QPrintPreviewDialog(parent)
    , m_doc(std::move(doc))
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(m_doc.title.isEmpty() ? QStringLiteral("Previzualizare") : m_doc.title);
    // Maximized; the size of the screen as well, for desktops whose window
    // manager does not maximize.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
    if (QPrinter *p = printer()) {
        p->setFullPage(true);
        p->setPageLayout(report::PageLayoutOf(m_doc));
        p->setDocName(m_doc.title);
    }
    m_preview = findChild<QPrintPreviewWidget *>();
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paintPages);

    // Qt's print action closes the dialog once printed; ours prints and
    // stays. It is known by its text, in whatever language Qt shows it.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        action->setObjectName(QStringLiteral("printAction"));
        action->disconnect(this);
        connect(action, &QAction::triggered, this, &ReportPreview::printPages);
        break;
    }
    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        m_savePdf = bar->addAction(m_services.saveIcon, QStringLiteral("Salveaza PDF..."));
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(m_savePdf)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_savePdf->setObjectName(QStringLiteral("savePdfAction"));
        m_savePdf->setToolTip(QStringLiteral("Salveaza listarea ca fisier PDF"));
        m_savePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(m_savePdf, &QAction::triggered, this, &ReportPreview::saveAsPdf);
    }
    if (m_preview) {
        m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
        // Through the dialog's own zoom actions, so that its toolbar agrees.
        auto *fitWidth = findChild<QAction *>(QStringLiteral("fitWidthAction"));
        auto *fitPage = findChild<QAction *>(QStringLiteral("fitPageAction"));
        if (m_doc.zoom == report::Zoom::PageWidth && fitWidth) {
            fitWidth->trigger();
        } else {
            for (QAction *fit : {fitWidth, fitPage})
                if (fit && fit->actionGroup())
                    fit->actionGroup()->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            for (QAction *fit : {fitWidth, fitPage})
                if (fit)
                    fit->setChecked(false);
            m_preview->setZoomMode(m_doc.zoom == report::Zoom::PageWidth ? QPrintPreviewWidget::FitToWidth
                                                                         : QPrintPreviewWidget::CustomZoom);
            if (m_doc.zoom == report::Zoom::Actual)
                m_preview->setZoomFactor(1.0);
        }
    }
}

void ReportPreview::paintPages(QPrinter *target)
{
    // The printer the user picked may have its own margins: the pages are
    // placed from the paper's corner all the same.
    target->setFullPage(true);
    target->setPageLayout(report::PageLayoutOf(m_doc));
    run([&] { report::PaintDocument(m_doc, target); });
    m_painted = int(m_doc.pages.size());
}

void ReportPreview::printPages()
{
    QPrinter *target = printer();
    if (!target || !m_preview)
        return;
    bool chosen = false;
    if (m_services.choosePrinter) {
        chosen = m_services.choosePrinter(target, this);
    } else {
        QPrintDialog dialog(target, this);
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (chosen)
        m_preview->print();
}

void ReportPreview::saveAsPdf()
{
    const QString path =
        m_services.choosePdf
            ? m_services.choosePdf(this)
            : QFileDialog::getSaveFileName(this, QStringLiteral("Salveaza listarea"), QString(),
                                           QStringLiteral("Document PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    run([&] { report::WritePdf(m_doc, path); });
}

void ReportPreview::run(const std::function<void()> &step)
{
    if (m_services.run) {
        m_services.run(step);
        return;
    }
    try {
        step();
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(e.what()));
    }
}

} // namespace kovara
