#include "listings/ListingMenus.h"

#include "app/MainWindow.h"
#include "app/MesajRules.h"
#include "app/MessageDialog.h"
#include "listings/ListingPreview.h"
#include "listings/Listings.h"
#include "listings/MonthDialog.h"
#include "listings/PeriodDialog.h"
#include "listings/WorkTable.h"

#include <QApplication>

namespace kovara {
namespace {

std::function<void(int, int)> &ministryWorkbook()
{
    static std::function<void(int, int)> command;
    return command;
}

// A listing over the period chosen in the period dialog.
std::function<void()> periodListing(const QString &dialogTitle, const QString &title,
                                    std::function<report::ReportDocument(const QDate &, const QDate &)> make)
{
    return [=] {
        PeriodDialog *dialog = PeriodDialog::instance();
        if (!dialog->Ask(dialogTitle))
            return;
        const QDate from = dialog->from(), to = dialog->to();
        RunListing(title, [&] { return make(from, to); });
    };
}

void ministryReport()
{
    MonthDialog *dialog = MonthDialog::instance();
    const int choice = dialog->Ask(QStringLiteral("Listare Borderou"));
    const int month = dialog->monthNumber(), year = dialog->yearText().toInt();
    if (choice == MonthDialog::List)
        RunListing(BordereauTitle(), [&] { return MinistryListing(ProgramListingSource(), month, year); });
    else if (choice == MonthDialog::Excel && ministryWorkbook())
        ministryWorkbook()(month, year);
}

} // namespace

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
    ShowListingPreview(QApplication::activeWindow(), doc);
}

void setMinistryWorkbookCommand(std::function<void(int, int)> command)
{
    ministryWorkbook() = std::move(command);
}

void installListingCommands(MainWindow *mainWindow)
{
    const QString reports = QStringLiteral("Rapoarte");
    const QString state = QStringLiteral("Alocatie de stat / indemnizatie / stimulent");
    const QString newborn = QStringLiteral("Alocatie pentru copii nou-nascuti");
    const QString layette = QStringLiteral("Trusou pentru nou-nascuti");
    const QString payroll = QStringLiteral("Listare Stat de plata");
    mainWindow->setCommand(
        {reports, state, QStringLiteral("Listare Borderou")},
        periodListing(BordereauTitle(), BordereauTitle(), [](const QDate &from, const QDate &to) {
            return BordereauListing(ProgramListingSource(), false, from, to);
        }));
    mainWindow->setCommand(
        {reports, state, QStringLiteral("Listare Borderou pt. copii cu handicap")},
        periodListing(BordereauTitle(), BordereauTitle(), [](const QDate &from, const QDate &to) {
            return BordereauListing(ProgramListingSource(), true, from, to);
        }));
    mainWindow->setCommand(
        {reports, newborn, payroll},
        periodListing(PayrollTitle(), PayrollTitle(), [](const QDate &from, const QDate &to) {
            return NewbornPayrollListing(ProgramListingSource(), from, to);
        }));
    mainWindow->setCommand(
        {reports, layette, payroll},
        periodListing(PayrollTitle(), PayrollTitle(), [](const QDate &from, const QDate &to) {
            return LayettePayrollListing(ProgramListingSource(), from, to);
        }));
    mainWindow->setCommand(
        {reports, layette, QStringLiteral("Centralizator Dispozitii"), QStringLiteral("Listare")},
        periodListing(QStringLiteral("Centralizator dispozitii"), CentralizerTitle(),
                      [](const QDate &from, const QDate &to) {
                          return CentralizerListing(ProgramListingSource(), from, to);
                      }));
    mainWindow->setCommand({reports, newborn, QStringLiteral("Raportare Ministerul Muncii")}, ministryReport);
}

} // namespace kovara
