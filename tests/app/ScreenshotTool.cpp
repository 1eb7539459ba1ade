// Puts one window of the program on screen and photographs the whole screen
// with ImageMagick's `import`, for the pictures of the documentation.
// Usage (under an X server, e.g. xvfb-run): kovara-screens <scene> <file.png>
// Scenes: startup, main-reports-menu, mesaj-0, mesaj-1, mesaj-2, mesaj-3.

#include "app/Formats.h"
#include "app/MainWindow.h"
#include "app/MessageDialog.h"
#include "app/StartupWindow.h"
#include "widgets/PictureButton.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTimer>

using namespace kovara;

namespace {

void photographThenQuit(const QString &file, int delayMs)
{
    QTimer::singleShot(delayMs, [file] {
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString scene = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    ApplyFixedFormats();

    MainWindow main;
    main.setQuitAction([] {});
    StartupWindow startup(&main, nullptr);

    if (scene == QLatin1String("startup")) {
        startup.startupTimer.setInterval(60000); // keep it on screen, halfway through its work
        startup.show();
        startup.Status->setText(QStringLiteral("Refac bazele de date ..."));
        startup.StepProgress(50);
        photographThenQuit(file, 800);
    } else if (scene == QLatin1String("main-reports-menu")) {
        main.setRequestListHandler([] {});
        main.SetAccess(true);
        main.show();
        QTimer::singleShot(300, [&main] {
            main.RapoarteClick();
            QAction *trusou = main.RapoarteMenu->actions().value(2);
            main.RapoarteMenu->setActiveAction(trusou);
            if (trusou && trusou->menu())
                trusou->menu()->popup(
                    main.RapoarteMenu->mapToGlobal(main.RapoarteMenu->actionGeometry(trusou).topRight()));
        });
        photographThenQuit(file, 1200);
    } else if (scene.startsWith(QLatin1String("mesaj-"))) {
        struct Demo
        {
            const char *title, *text;
            int buttons;
        } demos[] = {
            {"Eroare la completare", "ATENTIE !\r\nDoriti sa dezactivati parola de administrator?", 3},
            {"Greseala!", "PAROLA INCORECTA !", 4},
            {"Informatie", "Salvare incheiata cu succes !", 4},
            {"Inchidere program", "Vreti sa inchideti programul?", 3},
        };
        const int kind = scene.mid(6).toInt();
        const Demo &d = demos[qBound(0, kind, 3)];
        photographThenQuit(file, 800);
        Mesaj(QString::fromUtf8(d.title), QString::fromUtf8(d.text), kind, d.buttons);
        return 0;
    } else {
        return 2;
    }
    return app.exec();
}
