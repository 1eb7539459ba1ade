#include "admin/ui/BackupWindow.h"
#include "data/TableBackup.h"

#include "base/Paths.h"
#include "engines/archive/Archive.h"
#include "shell/Formats.h"
#include "shell/ui/Choosers.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/ProgressCounter.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {
namespace {

const QString kFilter = QStringLiteral("Arhiva Kovara|*.kov");

// Moves the progress counter once per archive entry.
ArchiveProgress counterProgress()
{
    return [](int position, int maximum) {
        ProgressCounter *c = ProgressCounter::instance();
        c->Bar->setMaximum(maximum);
        c->Bar->setValue(position);
        QCoreApplication::processEvents();
    };
}

} // namespace

BackupWindow::BackupWindow(QWidget *parent)
    : QDialog(parent)
    , saveButton(new QPushButton(QStringLiteral("Salveaza baza de date"), this))
    , restoreButton(new QPushButton(QStringLiteral("Restaureaza baza de date"), this))
    , statusLine(new QLabel(QStringLiteral("ESC - Iesire"), this))
    , endProgram([] { QCoreApplication::exit(0); })
{
    setWindowTitle(QStringLiteral("Salvare - Restaurare"));
    setObjectName(QStringLiteral("BackupWindow"));
    for (QPushButton *b : {saveButton, restoreButton}) {
        b->setMinimumSize(260, 48);
        b->setAutoDefault(false);
    }
    statusLine->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(saveButton);
    layout->addWidget(restoreButton);
    layout->addStretch();
    layout->addWidget(statusLine);
    connect(saveButton, &QPushButton::clicked, this, &BackupWindow::SalveazaClick);
    connect(restoreButton, &QPushButton::clicked, this, &BackupWindow::RestaureazaClick);
    KeyboardRules::attach(this);
}

void BackupWindow::ListFileDir(const QString &folder, const QString &except)
{
    skippedEntries.clear();
    NumeFisiere =
        WithoutTableJournals(listDataFiles(folder + QStringLiteral("/Data"), except, &skippedEntries));
}

void BackupWindow::CompressFiles(const QString &archive)
{
    // Each table is saved whole: a running change is waited for, and the
    // progress window says so.
    kovara::CompressFiles(NumeFisiere, archive, counterProgress(), TableReadHold([](const QString &path) {
                              ProgressCounter::instance()->Descr->setText(WaitingForTableText(path));
                              QApplication::processEvents();
                          }));
}

void BackupWindow::DecompressFiles(const QString &archive, const QString &target)
{
    kovara::DecompressFiles(archive, target, counterProgress());
}

void BackupWindow::startWork(const QString &text)
{
    ProgressCounter *c = ProgressCounter::instance();
    c->Descr->setText(text);
    c->Bar->setValue(0);
    c->Arata(this);
}

void BackupWindow::endWork()
{
    ProgressCounter::instance()->Distruge(this);
    close();
    QCoreApplication::processEvents();
}

void BackupWindow::fail(const QString &message)
{
    endWork();
    ShowError(message);
}

void BackupWindow::SalveazaClick()
{
    // The old archive is replaced only once the new one is complete.
    const QString file =
        ChooseSaveFile(this, QStringLiteral("Unde salvam arhiva ?"), kFilter, QStringLiteral("kov"),
                       QStringLiteral("Vreti sa inlocuiti salvarea %1?"));
    if (file.isEmpty())
        return;
    try {
        ListFileDir(ProgramDir(), file);
        startWork(QStringLiteral("Salvez starea actuala..."));
        CompressFiles(file);
    } catch (const Error &e) {
        fail(e.message());
        return;
    }
    endWork();
    QString result = QStringLiteral("Salvare incheiata cu succes !");
    if (!skippedEntries.isEmpty())
        result += LineBreak() + QStringLiteral("Nu au fost salvate, fiindca nu sunt fisiere obisnuite "
                                               "(legaturi): %1.")
                                    .arg(skippedEntries.join(QStringLiteral(", ")));
    Mesaj(QStringLiteral("Informatie"), result, KindInformatie, BtnOk);
}

void BackupWindow::RestaureazaClick()
{
    const QString file =
        ChooseOpenFile(this, QStringLiteral("Indicati salvarea precedenta Kovara."), kFilter);
    if (file.isEmpty())
        return;
    if (!QFileInfo(file).isFile()) {
        Mesaj(QStringLiteral("Eroare"), QStringLiteral("Salvarea %1 nu exista !").arg(NativePath(file)),
              KindEroare, BtnOk);
        return;
    }
    // The archive is read and checked before any file of the data folder
    // is touched; a refused archive leaves the folder, and the program, going.
    startWork(QStringLiteral("Restaurez baza de date..."));
    try {
        DecompressFiles(file, ProgramDir());
    } catch (const IncompleteRestore &e) {
        fail(e.message());
        endProgram();
        return;
    } catch (const Error &e) {
        fail(e.message());
        return;
    }
    endWork();
    Mesaj(QStringLiteral("Informatie"),
          QStringLiteral("Restaurare incheiata cu succes !") + LineBreak() +
              QStringLiteral("Va rog sa porniti programul din nou !"),
          KindInformatie, BtnOk);
    endProgram();
}

} // namespace kovara
