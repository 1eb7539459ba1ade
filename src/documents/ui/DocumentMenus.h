#pragma once

// The menus that lead to the templates and the blank forms: the
// administration window's "Modele de Listare" and the main window's
// "Formulare".

class QMenu;

namespace kovara {

class CommandHost;

// Both of the below, for the program's windows (called from CreateWindows
// with the administration window's "Modele de Listare" menu).
void installDocuments(CommandHost *host, QMenu *templateMenu);

// Fills the "Modele de Listare" menu: a submenu per template, each with
// "Modifica model" and the restore command, which asks first.
void installTemplateMenu(QMenu *menu);

// Gives the "Formulare" items of the main window their work: open the form,
// or say that its file is missing.
void installBlankForms(CommandHost *host);

} // namespace kovara
