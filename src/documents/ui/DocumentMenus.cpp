#include "documents/ui/DocumentMenus.h"

#include "documents/TemplateCommands.h"
#include "shell/ui/CommandHost.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/MessageDialog.h"

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

void installBlankForms(CommandHost *host)
{
    for (const BlankForm &form : BlankForms()) {
        host->setCommand({QStringLiteral("Formulare"), form.caption}, [form] {
            if (!OpenBlankForm(form))
                Mesaj(MissingFormTitle(), MissingFormText(form), KindEroare, BtnOk);
        });
    }
}

void installDocuments(CommandHost *host, QMenu *templateMenu)
{
    installTemplateMenu(templateMenu);
    installBlankForms(host);
}

} // namespace kovara
