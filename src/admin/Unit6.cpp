#include "admin/Unit6.h"

#include "admin/Archive.h"
#include "app/Choosers.h"
#include "app/ErrorDisplay.h"
#include "app/ErrorUnit.h"
#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/Paths.h"
#include "app/Unit7.h"

#include <QApplication>
#include <QDir>
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
        TContor *c = TContor::instance();
        c->Bar->setMaximum(maximum);
        c->Bar->setValue(position);
        QCoreApplication::processEvents();
    };
}

} // namespace

TForm21::TForm21(QWidget *parent)
    : QDialog(parent)
    , BE1(new QPushButton(QStringLiteral("Salveaza baza de date"), this))
    , LbSpeedButton1(new QPushButton(QStringLiteral("Restaureaza baza de date"), this))
    , StatusBar(new QLabel(QStringLiteral("ESC - Iesire"), this))
    , endProgram([] { QCoreApplication::quit(); })
{
    setWindowTitle(QStringLiteral("Salvare - Restaurare"));
    setObjectName(QStringLiteral("TForm21"));
    for (QPushButton *b : {BE1, LbSpeedButton1}) {
        b->setMinimumSize(260, 48);
        b->setAutoDefault(false);
    }
    StatusBar->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BE1);
    layout->addWidget(LbSpeedButton1);
    layout->addStretch();
    layout->addWidget(StatusBar);
    connect(BE1, &QPushButton::clicked, this, &TForm21::BitBtn1Click);
    connect(LbSpeedButton1, &QPushButton::clicked, this, &TForm21::BitBtn2Click);
    KeyboardRules::attach(this);
}

void TForm21::ListFileDir(const QString &folder, const QString &except)
{
    NumeFisiere = listDataFiles(folder + QStringLiteral("/Data"), except);
}

void TForm21::CompressFiles(const QString &archive)
{
    kovara::CompressFiles(NumeFisiere, archive, counterProgress());
}

void TForm21::DecompressFiles(const QString &archive, const QString &target)
{
    kovara::DecompressFiles(archive, target, counterProgress());
}

void TForm21::GolesteDir(const QString &folder)
{
    kovara::GolesteDir(folder);
}

void TForm21::startWork(const QString &text)
{
    TContor *c = TContor::instance();
    c->Descr->setText(text);
    c->Bar->setValue(0);
    c->Arata(this);
}

void TForm21::endWork()
{
    TContor::instance()->Distruge(this);
    close();
    QCoreApplication::processEvents();
}

void TForm21::fail(const QString &message)
{
    endWork();
    ShowError(message);
}

void TForm21::BitBtn1Click()
{
    const QString file =
        ChooseSaveFile(this, QStringLiteral("Unde salvam arhiva ?"), kFilter, QStringLiteral("kov"));
    if (file.isEmpty())
        return;
    // The old archive is replaced only once the new one is complete.
    if (QFileInfo::exists(file) &&
        Mesaj(QStringLiteral("Atentionare"),
              QStringLiteral("Vreti sa inlocuiti salvarea %1?").arg(QDir::toNativeSeparators(file)),
              KindAtentie, BtnDa | BtnNu) != ResDa)
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
    Mesaj(QStringLiteral("Informatie"), QStringLiteral("Salvare incheiata cu succes !"), KindInformatie,
          BtnOk);
}

void TForm21::BitBtn2Click()
{
    const QString file =
        ChooseOpenFile(this, QStringLiteral("Indicati salvarea precedenta Kovara."), kFilter);
    if (file.isEmpty())
        return;
    if (!QFileInfo(file).isFile()) {
        Mesaj(QStringLiteral("Eroare"),
              QStringLiteral("Salvarea %1 nu exista !").arg(QDir::toNativeSeparators(file)), KindEroare,
              BtnOk);
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
