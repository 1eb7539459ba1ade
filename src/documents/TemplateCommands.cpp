#include "documents/TemplateCommands.h"
#include "base/FileNames.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "documents/Models.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/OpenDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kovara {

const QList<TemplateMenuEntry> &TemplateMenu()
{
    static const QList<TemplateMenuEntry> entries{
        {QStringLiteral("Cerere"), QStringLiteral("Refa modelul initial"), QStringLiteral("Cerere"),
         QStringLiteral("Cerere")},
        {QStringLiteral("Dispozitie Alocatie nou-nascuti"), QStringLiteral("Refa modelul initial"),
         QStringLiteral("Disp3"), QStringLiteral("Dispozitia Alocatie nou-nascuti")},
        {QStringLiteral("Dispozitie Trusou"), QStringLiteral("Refa modelul intial"), QStringLiteral("Disp4"),
         QStringLiteral("Dispozitia Trusou")},
        {QStringLiteral("Anexa 3 Trezorerie"), QStringLiteral("Refa modelul initial"), QStringLiteral("Anx3"),
         QStringLiteral("Anexa 3 Trez.")},
    };
    return entries;
}

QString RestoreQuestionTitle()
{
    return QStringLiteral("Refacere model listare");
}

QString RestoreQuestion(const TemplateMenuEntry &entry)
{
    return QStringLiteral("\rDoriti sa refaceti modelul ") + entry.questionName + QLatin1Char('?');
}

QString RestoreAdvice(const QString &templateName)
{
    for (const TemplateMenuEntry &entry : TemplateMenu())
        if (entry.templateName.compare(templateName, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Refaceti-l din Administrare \u203a Modele de Listare \u203a %1 \u203a %2")
                .arg(entry.submenu, entry.restoreAction);
    return QString();
}

void EditTemplate(const QString &templateName)
{
    const QString path = TemplatePath(DataDir(), templateName);
    if (!QFileInfo::exists(path))
        ExtractModels(DataDir());
    OpenDocument(TemplatePath(DataDir(), templateName), DataDir());
}

void RestoreTemplate(const QString &templateName)
{
    const QString path = TemplatePath(DataDir(), templateName);
    QFile file(path);
    if (file.exists() && !file.remove())
        throw Error(QStringLiteral("Modelul %1 nu a putut fi refacut: fisierul %2 nu poate fi sters (%3).\r"
                                   "Inchideti-l in editorul de texte si incercati din nou.")
                        .arg(templateName, QDir::toNativeSeparators(path), file.errorString()));
    ExtractModels(DataDir());
    OpenDocument(TemplatePath(DataDir(), templateName), DataDir());
}

const QList<BlankForm> &BlankForms()
{
    static const QList<BlankForm> forms{
        {QStringLiteral("Cerere alocatie de stat / indemnizatie / stimulent"), QStringLiteral("cerereas.doc"),
         QStringLiteral("\\cerereas.doc !")},
        {QStringLiteral("Cerere alocatie pentru copii nou-nascuti"), QStringLiteral("cererenn.doc"),
         QStringLiteral("\\cererenn.doc !")},
        {QStringLiteral("Cerere trusou pentru nou-nascuti"), QStringLiteral("cereretr.doc"),
         QStringLiteral("\\CerereTR.doc !")},
    };
    return forms;
}

QString MissingFormTitle()
{
    return QStringLiteral("Listare cerere");
}

QString MissingFormText(const BlankForm &form)
{
    // The message names the file with the separators of the system, as
    // every other message does ("C:\Kovara\cererenn.doc", "/opt/kovara/...").
    return QStringLiteral("Lipseste fisierul ") + QDir::toNativeSeparators(ProgramDir()) + QDir::separator() +
           form.messageName.mid(1);
}

bool OpenBlankForm(const BlankForm &form)
{
    const QString path = findFileNoCase(QDir(ProgramDir()).filePath(form.file));
    if (!QFileInfo(path).isFile())
        return false;
    OpenDocument(path, ProgramDir());
    return true;
}

} // namespace kovara
