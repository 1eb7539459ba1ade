#include "listings/ui/ListingMenus.h"

#include "listings/Listings.h"
#include "shell/ui/CommandHost.h"
#include "shell/ui/ListingRun.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"

#include <QPointer>

namespace kovara {
namespace {

// A listing over the period chosen in the period dialog.
std::function<void()> periodListing(const QPointer<PeriodDialog> &dialog, const QString &dialogTitle,
                                    const QString &title,
                                    std::function<report::ReportDocument(const QDate &, const QDate &)> make)
{
    return [=] {
        if (!dialog || !dialog->Ask(dialogTitle))
            return;
        const QDate from = dialog->from(), to = dialog->to();
        RunListing(title, [&] { return make(from, to); });
    };
}

void ministryReport(MonthDialog *dialog, const std::function<void(int, int)> &ministryWorkbook)
{
    if (!dialog)
        return;
    const int choice = dialog->Ask(QStringLiteral("Listare Borderou"));
    const int month = dialog->monthNumber(), year = dialog->yearText().toInt();
    if (choice == MonthDialog::List)
        RunListing(BordereauTitle(), [&] { return MinistryListing(ProgramListingSource(), month, year); });
    else if (choice == MonthDialog::Excel && ministryWorkbook)
        ministryWorkbook(month, year);
}

} // namespace

void installListingCommands(CommandHost *host, PeriodDialog *periodDialog, MonthDialog *monthDialog,
                            std::function<void(int, int)> ministryWorkbook)
{
    const QPointer<PeriodDialog> period(periodDialog);
    const QPointer<MonthDialog> month(monthDialog);
    const QString reports = QStringLiteral("Rapoarte");
    const QString state = QStringLiteral("Alocatie de stat / indemnizatie / stimulent");
    const QString newborn = QStringLiteral("Alocatie pentru copii nou-nascuti");
    const QString layette = QStringLiteral("Trusou pentru nou-nascuti");
    const QString payroll = QStringLiteral("Listare Stat de plata");
    host->setCommand(
        {reports, state, QStringLiteral("Listare Borderou")},
        periodListing(period, BordereauTitle(), BordereauTitle(), [](const QDate &from, const QDate &to) {
            return BordereauListing(ProgramListingSource(), false, from, to);
        }));
    host->setCommand(
        {reports, state, QStringLiteral("Listare Borderou pt. copii cu handicap")},
        periodListing(period, BordereauTitle(), BordereauTitle(), [](const QDate &from, const QDate &to) {
            return BordereauListing(ProgramListingSource(), true, from, to);
        }));
    host->setCommand(
        {reports, newborn, payroll},
        periodListing(period, PayrollTitle(), PayrollTitle(), [](const QDate &from, const QDate &to) {
            return NewbornPayrollListing(ProgramListingSource(), from, to);
        }));
    host->setCommand(
        {reports, layette, payroll},
        periodListing(period, PayrollTitle(), PayrollTitle(), [](const QDate &from, const QDate &to) {
            return LayettePayrollListing(ProgramListingSource(), from, to);
        }));
    host->setCommand(
        {reports, layette, QStringLiteral("Centralizator Dispozitii"), QStringLiteral("Listare")},
        periodListing(period, QStringLiteral("Centralizator dispozitii"), CentralizerTitle(),
                      [](const QDate &from, const QDate &to) {
                          return CentralizerListing(ProgramListingSource(), from, to);
                      }));
    host->setCommand({reports, newborn, QStringLiteral("Raportare Ministerul Muncii")},
                     [month, ministryWorkbook] { ministryReport(month, ministryWorkbook); });
}

} // namespace kovara
