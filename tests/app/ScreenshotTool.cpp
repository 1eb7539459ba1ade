// Puts one window of the program on screen and photographs the whole screen
// with ImageMagick's `import`, for the pictures of the documentation.
// Usage (under an X server, e.g. xvfb-run): kovara-screens <scene> <file.png>
// Scenes: startup, main-reports-menu, mesaj-0, mesaj-1, mesaj-2, mesaj-3,
// request-list (a year of requests), editor-balloon (a refused date).

#include "app/MainWindow.h"
#include "app/StartupWindow.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/ui/RequestEditor.h"
#include "requests/ui/RequestEditorFields.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/CNPEdit.h"
#include "widgets/DateField.h"
#include "widgets/PictureButton.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
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

// A data folder with a year of requests of every kind.
void yearOfRequests(const QString &folder)
{
    setProgramDir(folder);
    QDir().mkpath(DataDir());
    CreateRequestTable();
    const char *names[] = {"POPESCU ION",       "IONESCU-POPA MARIA-MAGDALENA",
                           "ALBU DAN",          "CONSTANTINESCU ANA",
                           "DUMITRESCU VASILE", "STAN ELENA"};
    const char *children[] = {"POPESCU ANA",         "IONESCU-POPA ALEXANDRU", "ALBU IOANA",
                              "CONSTANTINESCU RADU", "DUMITRESCU MIHAI",       "STAN CRISTINA"};
    const QString codes[] = {"1800101080011", "2850615080013", "1790312080014",
                             "2900228080015", "1821130080016", "2881010080017"};
    const int year = QDate::currentDate().year();
    for (int i = 1; i <= 240; ++i) {
        const int k = i % 6;
        const QString tip = i % 3 == 0 ? "3" : i % 3 == 1 ? "4" : "AI";
        Database::shared().appendRow(
            RequestTablePath(),
            {{"IDCERERE", i},
             {"DINDATA", QDate(year, 1, 2).addDays((i * 3) % 360)},
             {"NR", i},
             {"TIP", tip},
             {"SUBSEMN", QString::fromLatin1(names[k])},
             {"CNP", codes[k]},
             {"COPIL1", QString::fromLatin1(children[k])},
             {"CNP1", "5" + codes[(k + 1) % 6].mid(1)},
             {"NRDISP", i % 3 == 1 ? i : 0},
             {"DATADISP", QDate(year, 1, 2).addDays((i * 3) % 360 + 5)},
             {"PTLUNA", i % 3 == 0 ? QStringLiteral("martie.") + QString::number(year) : QString()}});
    }
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

    AccessState access;
    MainWindow main(access);
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
    } else if (scene == QLatin1String("request-list")) {
        QTemporaryDir folder;
        yearOfRequests(folder.path());
        RequestListWindow list;
        list.resize(1180, 700);
        list.move(40, 40);
        list.prepareOpen();
        list.show();
        photographThenQuit(file, 1200);
        return app.exec();
    } else if (scene == QLatin1String("editor-balloon")) {
        QTemporaryDir folder;
        yearOfRequests(folder.path());
        RequestEditor editor;
        QTimer::singleShot(400, &editor, [&editor] {
            RequestEditor::Fields &f = editor.fields();
            f.CerereData->setText(QStringLiteral("31.02.2026"));
            f.CNPSubsemnat->setText(QStringLiteral("1800101080011"));
            f.Subsemnat->setText(QStringLiteral("POPESCU ION"));
            f.AdresaSubsemnat->setText(QStringLiteral("Str. Lunga nr. 4"));
            f.JudetSubsemnat->setText(QStringLiteral("BRASOV"));
            f.MemoBut->click();
        });
        photographThenQuit(file, 1500);
        RequestRecord record;
        editor.Execute(1, RequestEditor::New, record);
        return 0;
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
