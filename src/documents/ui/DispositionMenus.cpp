#include "documents/ui/DispositionMenus.h"

#include "base/Paths.h"
#include "data/Settings.h"
#include "data/Workspace.h"
#include "documents/DocumentRefusal.h"
#include "documents/SemesterStatistics.h"
#include "shell/MesajRules.h"
#include "shell/NumberedFile.h"
#include "shell/OpenDocument.h"
#include "shell/ui/CommandHost.h"
#include "shell/ui/DispositionRangeDialog.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/SemesterDialog.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>

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

void ListDispositions(DispositionRangeDialog &dialog, DispositionKind kind)
{
    const bool layette = kind == DispositionKind::Layette;
    if (!dialog.Ask(layette ? QStringLiteral("Listare Dispozitii Trusou")
                            : QStringLiteral("Listare Dispozitii")))
        return;
    DispositionRun run;
    run.kind = kind;
    run.first = dialog.first();
    run.last = dialog.last();
    run.copies = dialog.copyCount();
    run.workspace = ProgramWorkspace();
    run.afterRow = letWindowsRepaint;
    run.output = FreeNumberedFile(ProgramDir(), QStringLiteral("Dispozitie"), QStringLiteral(".rtf"), -1);
    try {
        BusyCursor busy;
        WriteDispositions(run);
    } catch (const DocumentRefusal &refusal) {
        showRefusal(refusal);
        return;
    }
    OpenDocument(run.output, ProgramDir());
}

void ListSemesterStatistics(SemesterDialog &dialog)
{
    if (!dialog.Ask())
        return;
    StatisticsRun run;
    run.semester = dialog.semesterNumber();
    run.year = dialog.yearText().toInt();
    run.workspace = ProgramWorkspace();
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

void installDispositionCommands(CommandHost *host, DispositionRangeDialog *rangeDialog,
                                SemesterDialog *semesterDialog)
{
    const QPointer<DispositionRangeDialog> range(rangeDialog);
    const QPointer<SemesterDialog> semester(semesterDialog);
    const QString reports = QStringLiteral("Rapoarte");
    const QString newborn = QStringLiteral("Alocatie pentru copii nou-nascuti");
    const QString layette = QStringLiteral("Trusou pentru nou-nascuti");
    const QString list = QStringLiteral("Listare Dispozitii");
    host->setCommand({reports, newborn, list}, [range] {
        if (range)
            ListDispositions(*range, DispositionKind::NewbornAllowance);
    });
    host->setCommand({reports, layette, list}, [range] {
        if (range)
            ListDispositions(*range, DispositionKind::Layette);
    });
    host->setCommand({reports, layette, QStringLiteral("Situatie statistica semestriala")}, [semester] {
        if (semester)
            ListSemesterStatistics(*semester);
    });
}

} // namespace kovara
