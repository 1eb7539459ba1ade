#include "documents/DocumentMenus.h"

#include "admin/AdminWindow.h"
#include "app/ErrorDisplay.h"
#include "app/MainWindow.h"
#include "app/MessageDialog.h"
#include "documents/TemplateCommands.h"

#include <QMenu>

namespace kovara {

void installTemplateMenu(QMenu *menu)
{
    for (const TemplateMenuEntry &entry : TemplateMenu()) {
        QMenu *sub = menu->addMenu(entry.submenu);
        const QString name = entry.templateName;
        QObject::connect(sub->addAction(QStringLiteral("Modifica model")), &QAction::triggered, menu,
                         [name] { RunCommand([name] { EditTemplate(name); }); });
        QObject::connect(sub->addAction(entry.restoreAction), &QAction::triggered, menu, [entry] {
            RunCommand([entry] {
                if (Mesaj(RestoreQuestionTitle(), RestoreQuestion(entry), KindConfirmare, BtnDa | BtnNu) !=
                    ResDa)
                    return;
                QCoreApplication::processEvents();
                RestoreTemplate(entry.templateName);
            });
        });
    }
}

void installBlankForms(MainWindow *mainWindow)
{
    for (const BlankForm &form : BlankForms()) {
        mainWindow->setCommand({QStringLiteral("Formulare"), form.caption}, [form] {
            if (!OpenBlankForm(form))
                Mesaj(MissingFormTitle(), MissingFormText(form), KindEroare, BtnOk);
        });
    }
}

void installDocuments(MainWindow *mainWindow, AdminWindow *adminWindow)
{
    installTemplateMenu(adminWindow->ModeleMenu);
    installBlankForms(mainWindow);
}

} // namespace kovara
