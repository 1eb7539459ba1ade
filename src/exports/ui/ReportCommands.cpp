#include "exports/ui/ReportCommands.h"

#include "base/Paths.h"
#include "exports/FinanceFile.h"
#include "exports/ReportListings.h"
#include "exports/TreasuryAnnex3.h"
#include "exports/Workbooks.h"
#include "exports/ui/TreasuryDialog.h"
#include "shell/OpenDocument.h"
#include "shell/ui/Choosers.h"
#include "shell/ui/CommandHost.h"
#include "shell/ui/ListingRun.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/ProgressCounter.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

namespace kovara {
namespace {

const QString kRapoarte = QStringLiteral("Rapoarte");
const QString kNouNascuti = QStringLiteral("Alocatie pentru copii nou-nascuti");
const QString kTrusou = QStringLiteral("Trusou pentru nou-nascuti");

// Runs an operation; its refusal is shown as an error with OK. Other
// failures go on to the general error display.
template <typename F> void refusable(F run)
{
    try {
        run();
    } catch (const ReportRefusal &r) {
        Mesaj(r.title(), r.message(), KindEroare, BtnOk);
    }
}

// The progress counter over `caller` while a file is filled.
class Counter
{
public:
    explicit Counter(QWidget *caller)
        : m_caller(caller)
    {
    }
    ~Counter()
    {
        if (m_shown)
            ProgressCounter::instance()->Distruge(m_caller);
    }
    void operator()(int done, int total)
    {
        ProgressCounter *c = ProgressCounter::instance();
        if (!m_shown) {
            c->Descr->setText(QStringLiteral("Creez Raportul..."));
            c->Bar->setValue(0);
            c->Arata(m_caller);
            m_shown = true;
        }
        c->Bar->setMaximum(qMax(total, 1));
        c->Bar->setValue(done);
        QCoreApplication::processEvents();
    }

private:
    QPointer<QWidget> m_caller;
    bool m_shown = false;
};

void createFinanceFile(QWidget *main, PeriodDialog *period, FinanceKind kind, const QString &title)
{
    if (!period || !period->Ask(title))
        return;
    const QString folder = ChooseFolder(main, QStringLiteral("Unde punem DBF-ul?"), DesktopFolder());
    if (folder.isEmpty())
        return;
    refusable([&] {
        ReportOutcome out;
        {
            Counter counter(main);
            out = CreateFinanceFile(ProgramWorkspace(), folder + QLatin1Char('/') + FinanceSubfolder(kind),
                                    FinanceSelection(kind, period->from(), period->to()), std::ref(counter));
        }
        Mesaj(out.title, out.text, KindInformatie, BtnOk);
    });
}

// The file chosen for a listing or an annex; empty when cancelled.
QString chooseTreasuryFile(QWidget *main)
{
    return ChooseOpenFile(main, QStringLiteral("Indicati fisierul DBF"), QStringLiteral("Fisier dbf|*.dbf"));
}

void createTreasuryFile(QWidget *main, TreasuryDialog *dialog)
{
    if (!dialog || !dialog->Ask())
        return;
    const QString folder = ChooseFolder(main, QStringLiteral("Unde punem DBF-ul?"), DesktopFolder());
    if (folder.isEmpty())
        return;
    refusable([&] {
        ReportOutcome out;
        {
            Counter counter(main);
            out = CreateTreasuryFile(ProgramWorkspace(), folder, dialog->dates(), std::ref(counter));
        }
        Mesaj(out.title, out.text, KindInformatie, BtnOk);
    });
}

void listFinanceFile(QWidget *main, PeriodDialog *period, FinanceKind kind, const QString &title)
{
    if (!period || !period->Ask(title))
        return;
    const QString file = chooseTreasuryFile(main);
    if (file.isEmpty())
        return;
    refusable([&] {
        RunListing(QStringLiteral("Listare DBF Finante"), [&] {
            return FinanceListingDocument(ProgramWorkspace(), file, kind, period->from(), period->to());
        });
    });
}

void listAnnex2(QWidget *main, TreasuryDialog *dialog)
{
    if (!dialog || !dialog->Ask())
        return;
    const QString file = chooseTreasuryFile(main);
    if (file.isEmpty())
        return;
    refusable([&] {
        RunListing(QStringLiteral("Anexa 2 Trezorerie"),
                   [&] { return Annex2ListingDocument(ProgramWorkspace(), file, dialog->dates().transfer); });
    });
}

void exportAnnex2(QWidget *main, TreasuryDialog *dialog)
{
    if (!dialog || !dialog->Ask())
        return;
    const QString file = chooseTreasuryFile(main);
    if (file.isEmpty())
        return;
    refusable([&] {
        const QString xls = ExportAnnex2(ProgramWorkspace(), file, dialog->dates().transfer);
        OpenDocument(xls, QFileInfo(xls).absolutePath());
    });
}

void makeAnnex3(QWidget *main, TreasuryDialog *dialog)
{
    if (!dialog || !dialog->Ask())
        return;
    const QString file = chooseTreasuryFile(main);
    if (file.isEmpty())
        return;
    refusable([&] {
        OpenDocument(MakeTreasuryAnnex3(ProgramWorkspace(), file, dialog->dates().transfer), ProgramDir());
    });
}

void exportCentralizer(PeriodDialog *period)
{
    if (!period || !period->Ask(QStringLiteral("Export Centralizator")))
        return;
    refusable([&] {
        OpenDocument(ExportCentralizer(ProgramWorkspace(), period->from(), period->to()), ProgramDir());
    });
}

} // namespace

void installReportCommands(CommandHost *host, PeriodDialog *periodDialog, TreasuryDialog *treasuryDialog)
{
    QWidget *main = host->commandWindow();
    const QPointer<PeriodDialog> period(periodDialog);
    const QPointer<TreasuryDialog> treasury(treasuryDialog);
    const QString finante = QStringLiteral("Raport Finante"),
                  trezorerie = QStringLiteral("Raport Trezorerie");
    host->setCommand({kRapoarte, kNouNascuti, finante, QStringLiteral("Creare DBF")}, [main, period] {
        createFinanceFile(main, period, FinanceKind::NewbornAllowance,
                          QStringLiteral("Raport Finante Alocatii n.n."));
    });
    host->setCommand({kRapoarte, kTrusou, finante, QStringLiteral("Creare DBF")}, [main, period] {
        createFinanceFile(main, period, FinanceKind::Layette, QStringLiteral("Raport Finante Trusou"));
    });
    host->setCommand({kRapoarte, kTrusou, trezorerie, QStringLiteral("Creare DBF")},
                     [main, treasury] { createTreasuryFile(main, treasury); });
    host->setCommand(
        {kRapoarte, kTrusou, trezorerie, QStringLiteral("Anexa 2"), QStringLiteral("Export in Excel")},
        [main, treasury] { exportAnnex2(main, treasury); });
    host->setCommand({kRapoarte, kTrusou, trezorerie, QStringLiteral("Listare Anexa 3")},
                     [main, treasury] { makeAnnex3(main, treasury); });
    host->setCommand(
        {kRapoarte, kTrusou, QStringLiteral("Centralizator Dispozitii"), QStringLiteral("Export in Excel")},
        [period] { exportCentralizer(period); });
    host->setCommand({kRapoarte, kNouNascuti, finante, QStringLiteral("Listare DBF")}, [main, period] {
        listFinanceFile(main, period, FinanceKind::NewbornAllowance,
                        QStringLiteral("Raport Finante Alocatii n.n."));
    });
    host->setCommand({kRapoarte, kTrusou, finante, QStringLiteral("Listare DBF")}, [main, period] {
        listFinanceFile(main, period, FinanceKind::Layette, QStringLiteral("Raport Finante Trusouri n.n."));
    });
    host->setCommand({kRapoarte, kTrusou, trezorerie, QStringLiteral("Anexa 2"), QStringLiteral("Listare")},
                     [main, treasury] { listAnnex2(main, treasury); });
}

void MakeMinistryWorkbook(int month, int year)
{
    refusable([&] { OpenDocument(ExportMinistry(ProgramWorkspace(), month, year), ProgramDir()); });
}

} // namespace kovara
