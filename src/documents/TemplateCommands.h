#pragma once

// The commands around the templates and forms that the windows offer: the
// administration window's "Modele de Listare" (edit a template, put its model
// back) and the main window's "Formulare" (the blank application forms).
// The windows ask their questions and show the messages; the work is here.

#include <QList>
#include <QString>

namespace kovara {

// One submenu of "Modele de Listare".
struct TemplateMenuEntry
{
    QString submenu;       // "Cerere", "Dispozitie Alocatie nou-nascuti", ...
    QString restoreAction; // "Refa modelul initial" (the layette's keeps its own spelling)
    QString templateName;  // "Cerere", "Disp3", "Disp4", "Anx3"
    QString questionName;  // the name in the restore question
};
const QList<TemplateMenuEntry> &TemplateMenu();

// "Refacere model listare" / "\rDoriti sa refaceti modelul <name>?"
QString RestoreQuestionTitle();
QString RestoreQuestion(const TemplateMenuEntry &entry);

// What to do about a damaged template: restore its model from the
// administration window ("Refaceti-l din Administrare › Modele de Listare ›
// <submenu> › Refa modelul initial"); empty for a template without a menu.
QString RestoreAdvice(const QString &templateName);

// "Modifica model": writes the missing templates when this one is missing,
// then opens it for editing (working folder DataDir).
void EditTemplate(const QString &templateName);

// "Refa modelul initial" after the user answered DA: deletes the template,
// writes the model in its place and opens it. When the file cannot be
// deleted (held open by the word processor) nothing is opened and the
// command fails with kovara::Error saying the model was not restored and why.
void RestoreTemplate(const QString &templateName);

// One item of the "Formulare" menu.
struct BlankForm
{
    QString caption;     // "Cerere alocatie pentru copii nou-nascuti"
    QString file;        // "cererenn.doc", in ProgramDir
    QString messageName; // "\cererenn.doc !", as the missing-file message writes it
};
const QList<BlankForm> &BlankForms();

QString MissingFormTitle(); // "Listare cerere"
// "Lipseste fisierul " + ProgramDir + the form's message name.
QString MissingFormText(const BlankForm &form);

// Opens the form (working folder ProgramDir); false when its file is missing.
bool OpenBlankForm(const BlankForm &form);

} // namespace kovara
