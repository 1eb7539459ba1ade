#include "documents/DispositionMenus.h"

#include "app/MainWindow.h"
#include "app/MesajRules.h"
#include "app/MessageDialog.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "documents/DocumentRefusal.h"
#include "documents/OpenDocument.h"
#include "documents/SemesterStatistics.h"
#include "listings/DispositionRangeDialog.h"
#include "listings/SemesterDialog.h"

#include <QApplication>
#include <QCursor>

namespace kovara {
namespace {

// The hourglass while a document is written.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

void letWindowsRepaint()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void showRefusal(const DocumentRefusal &refusal)
{
    Mesaj(refusal.title(), refusal.message(), KindEroare, BtnOk);
}

} // namespace

void ListDispositions(DispositionKind kind)
{
    DispositionRangeDialog *dialog = DispositionRangeDialog::instance();
    const bool layette = kind == DispositionKind::Layette;
    if (!dialog->Ask(layette ? QStringLiteral("Listare Dispozitii Trusou")
                             : QStringLiteral("Listare Dispozitii")))
        return;
    DispositionRun run;
    run.kind = kind;
    run.first = dialog->first();
    run.last = dialog->last();
    run.copies = dialog->copyCount();
    run.constants = Constants();
    run.afterRow = letWindowsRepaint;
    run.output = FreeDispositionName();
    try {
        BusyCursor busy;
        WriteDispositions(run);
    } catch (const DocumentRefusal &refusal) {
        showRefusal(refusal);
        return;
    }
    OpenDocument(run.output, ProgramDir());
}

void ListSemesterStatistics()
{
    SemesterDialog *dialog = SemesterDialog::instance();
    if (!dialog->Ask())
        return;
    StatisticsRun run;
    run.semester = dialog->semesterNumber();
    run.year = dialog->yearText().toInt();
    run.townHall = Constants().PRIMARIA;
    QString document;
    try {
        BusyCursor busy;
        document = WriteStatistics(run);
    } catch (const DocumentRefusal &refusal) {
        showRefusal(refusal);
        return;
    }
    OpenDocument(document, ProgramDir());
}

void installDispositionCommands(MainWindow *mainWindow)
{
    const QString reports = QStringLiteral("Rapoarte");
    const QString newborn = QStringLiteral("Alocatie pentru copii nou-nascuti");
    const QString layette = QStringLiteral("Trusou pentru nou-nascuti");
    const QString list = QStringLiteral("Listare Dispozitii");
    mainWindow->setCommand({reports, newborn, list},
                           [] { ListDispositions(DispositionKind::NewbornAllowance); });
    mainWindow->setCommand({reports, layette, list}, [] { ListDispositions(DispositionKind::Layette); });
    mainWindow->setCommand({reports, layette, QStringLiteral("Situatie statistica semestriala")},
                           ListSemesterStatistics);
}

} // namespace kovara
