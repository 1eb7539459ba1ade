<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
  <context>
    <name>QFileDialog</name>
    <message>
      <source>Back</source>
      <translation>Inapoi</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Deschide</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Deschide</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salveaza</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Fisiere</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Arata </translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>'%1' este protejat la scriere.
Doriti sa il stergeti oricum?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Sigur doriti sa stergeti '%1'?</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Lista locurilor si a marcajelor</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>&amp;Nume fisier:</translation>
    </message>
    <message>
      <source>Alt+Left</source>
      <translation>Alt+Left</translation>
    </message>
    <message>
      <source>Alt+Up</source>
      <translation>Alt+Up</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Sterge</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Dosar nou</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Dosarul parinte</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>&amp;Dosar nou</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Cauta in:</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Creeaza un dosar nou</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Fisiere de tipul:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Cauta dosar</translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Arata fisierele &amp;ascunse</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Salveaza ca</translation>
    </message>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Dosarul nu a fost gasit.
Verificati daca ati scris corect numele dosarului.</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Bara laterala</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Vizualizare lista</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Alege</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Sterge</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Toate fisierele (*)</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Toate fisierele (*)</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Dosare</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>&amp;Redenumeste</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Dosarul nu a putut fi sters.</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Dosar:</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 exista deja.
Doriti sa il inlocuiti?</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Inainte</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Mergi inainte</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Mergi la dosarul parinte</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Locuri recente</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Mergi inapoi</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Comuta la vizualizarea detaliata</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Creeaza dosar nou</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Vizualizare detaliata</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Fisierul nu a fost gasit.
Verificati daca ati scris corect numele fisierului.</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Comuta la vizualizarea lista</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Fisier</translation>
    </message>
    <message>
      <source>Alias</source>
      <translation>Alias</translation>
    </message>
    <message>
      <source>Drive</source>
      <translation>Unitate</translation>
    </message>
    <message>
      <source>File Folder</source>
      <translation>Dosar de fisiere</translation>
    </message>
    <message>
      <source>Folder</source>
      <translation>Dosar</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Computerul meu</translation>
    </message>
    <message>
      <source>%1 File</source>
      <translation>Fisier %1</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Necunoscut</translation>
    </message>
    <message>
      <source>Shortcut</source>
      <translation>Scurtatura</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Kind</source>
      <translation>Fel</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nume</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Marime</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Tip</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Computerul meu</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Data modificarii</translation>
    </message>
    <message>
      <source>%1 GB</source>
      <translation>%1 GB</translation>
    </message>
    <message>
      <source>%1 KB</source>
      <translation>%1 KB</translation>
    </message>
    <message>
      <source>%1 MB</source>
      <translation>%1 MB</translation>
    </message>
    <message>
      <source>%1 TB</source>
      <translation>%1 TB</translation>
    </message>
    <message>
      <source>&lt;b&gt;The name "%1" can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
      <translation>&lt;b&gt;Numele "%1" nu poate fi folosit.&lt;/b&gt;&lt;p&gt;Incercati alt nume, mai scurt sau fara semne de punctuatie.</translation>
    </message>
    <message>
      <source>%1 bytes</source>
      <translation>%1 octeti</translation>
    </message>
    <message>
      <source>Invalid filename</source>
      <translation>Nume de fisier invalid</translation>
    </message>
    <message>
      <source>%1 byte(s)</source>
      <translation>%1 octet(i)</translation>
    </message>
  </context>
  <context>
    <name>QDirModel</name>
    <message>
      <source>Kind</source>
      <translation>Fel</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nume</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Marime</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Tip</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Data modificarii</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Nu</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Da</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajutor</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Deschide</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salveaza</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Intrerupe</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Aplica</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Inchide</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Reseteaza</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Reincearca</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Restabileste valorile implicite</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Renunt</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignora</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;u la toate</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Salveaza tot</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Nu salva</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Da la &amp;toate</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salveaza</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Inchide</translation>
    </message>
    <message>
      <source>Close without Saving</source>
      <translation>Inchide fara salvare</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Renunt</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>Show Details...</source>
      <translation>Arata detaliile...</translation>
    </message>
    <message>
      <source>About Qt</source>
      <translation>Despre Qt</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>Ascunde detaliile...</translation>
    </message>
    <message>
      <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
      <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program foloseste Qt versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
      <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
      <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicatii multi-platforma.&lt;/p&gt;&lt;p&gt;Qt ofera portabilitate cu o singura sursa pe toate sistemele de operare desktop importante. Este disponibil si pentru Linux integrat si pentru alte sisteme de operare integrate si mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub mai multe optiuni de licentiere, concepute pentru a raspunde nevoilor diferitilor nostri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licentiat sub acordul nostru de licenta comerciala este potrivit pentru dezvoltarea de software proprietar/comercial, atunci cand nu doriti sa partajati codul sursa cu terti sau nu puteti respecta termenii GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licentiat sub GNU (L)GPL este potrivit pentru dezvoltarea de aplicatii&amp;nbsp;Qt, cu conditia sa puteti respecta termenii si conditiile licentelor respective.&lt;/p&gt;&lt;p&gt;Consultati &lt;a href="http://%2/"&gt;%2&lt;/a&gt; pentru o prezentare generala a licentierii Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd si alti contribuitori.&lt;/p&gt;&lt;p&gt;Qt si sigla Qt sunt marci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs al The Qt Company Ltd, dezvoltat ca proiect open source. Consultati &lt;a href="http://%3/"&gt;%3&lt;/a&gt; pentru mai multe informatii.&lt;/p&gt;</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajutor</translation>
    </message>
    <message>
      <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
      <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicatii multi-platforma.&lt;/p&gt;&lt;p&gt;Qt ofera portabilitate cu o singura sursa pe toate sistemele de operare desktop importante. Este disponibil si pentru Linux integrat si pentru alte sisteme de operare integrate si mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub trei optiuni de licentiere diferite, concepute pentru a raspunde nevoilor diferitilor nostri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licentiat sub acordul nostru de licenta comerciala este potrivit pentru dezvoltarea de software proprietar/comercial, atunci cand nu doriti sa partajati codul sursa cu terti sau nu puteti respecta termenii GNU LGPL versiunea 3 sau GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Qt licentiat sub GNU LGPL versiunea 3 este potrivit pentru dezvoltarea de aplicatii&amp;nbsp;Qt, cu conditia sa puteti respecta termenii si conditiile GNU LGPL versiunea 3.&lt;/p&gt;&lt;p&gt;Qt licentiat sub GNU LGPL versiunea 2.1 este potrivit pentru dezvoltarea de aplicatii&amp;nbsp;Qt, cu conditia sa puteti respecta termenii si conditiile GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Consultati &lt;a href="http://%2/"&gt;%2&lt;/a&gt; pentru o prezentare generala a licentierii Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd si alti contribuitori.&lt;/p&gt;&lt;p&gt;Qt si sigla Qt sunt marci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs al The Qt Company Ltd, dezvoltat ca proiect open source. Consultati &lt;a href="http://%3/"&gt;%3&lt;/a&gt; pentru mai multe informatii.&lt;/p&gt;</translation>
    </message>
  </context>
  <context>
    <name>QPrintDialog</name>
    <message>
      <source>Even Pages</source>
      <translation>Pagini pare</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Tiparire</translation>
    </message>
    <message>
      <source>&amp;Options &lt;&lt;</source>
      <translation>&amp;Optiuni &lt;&lt;</translation>
    </message>
    <message>
      <source>&amp;Options &gt;&gt;</source>
      <translation>&amp;Optiuni &gt;&gt;</translation>
    </message>
    <message>
      <source>Left to Right, Top to Bottom</source>
      <translation>De la stanga la dreapta, de sus in jos</translation>
    </message>
    <message>
      <source>Right to Left, Bottom to Top</source>
      <translation>De la dreapta la stanga, de jos in sus</translation>
    </message>
    <message>
      <source>Write PDF file</source>
      <translation>Scrie fisier PDF</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Tipareste</translation>
    </message>
    <message>
      <source>1 (1x1)</source>
      <translation>1 (1x1)</translation>
    </message>
    <message>
      <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
      <translation>Optiunile 'Pagini pe foaie' si 'Set de pagini' nu pot fi folosite impreuna.
Dezactivati una dintre ele.</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to overwrite it?</source>
      <translation>%1 exista deja.
Doriti sa il suprascrieti?</translation>
    </message>
    <message>
      <source>2 (2x1)</source>
      <translation>2 (2x1)</translation>
    </message>
    <message>
      <source>Left to Right, Bottom to Top</source>
      <translation>De la stanga la dreapta, de jos in sus</translation>
    </message>
    <message>
      <source>4 (2x2)</source>
      <translation>4 (2x2)</translation>
    </message>
    <message>
      <source>Odd Pages</source>
      <translation>Pagini impare</translation>
    </message>
    <message>
      <source>Local file</source>
      <translation>Fisier local</translation>
    </message>
    <message>
      <source>6 (2x3)</source>
      <translation>6 (2x3)</translation>
    </message>
    <message>
      <source>16 (4x4)</source>
      <translation>16 (4x4)</translation>
    </message>
    <message>
      <source>There are conflicts in duplex settings. Do you want to fix them?</source>
      <translation>Exista conflicte in setarile de tiparire fata-verso. Doriti sa le corectati?</translation>
    </message>
    <message>
      <source>Print to File (PDF)</source>
      <translation>Tipareste in fisier (PDF)</translation>
    </message>
    <message>
      <source>Print To File ...</source>
      <translation>Tipareste in fisier ...</translation>
    </message>
    <message>
      <source>Invalid Pages Definition</source>
      <translation>Definitie de pagini invalida</translation>
    </message>
    <message>
      <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
      <translation>%1 nu respecta sintaxa corecta. Folositi ',' pentru a separa intervalele si paginile, '-' pentru a defini intervale si asigurati-va ca intervalele nu se suprapun.</translation>
    </message>
    <message>
      <source>9 (3x3)</source>
      <translation>9 (3x3)</translation>
    </message>
    <message>
      <source>Right to Left, Top to Bottom</source>
      <translation>De la dreapta la stanga, de sus in jos</translation>
    </message>
    <message>
      <source>Bottom to Top, Left to Right</source>
      <translation>De jos in sus, de la stanga la dreapta</translation>
    </message>
    <message>
      <source>The 'From' value cannot be greater than the 'To' value.</source>
      <translation>Valoarea 'De la' nu poate fi mai mare decat valoarea 'Pana la'.</translation>
    </message>
    <message>
      <source>All Pages</source>
      <translation>Toate paginile</translation>
    </message>
    <message>
      <source>Duplex Settings Conflicts</source>
      <translation>Conflicte in setarile fata-verso</translation>
    </message>
    <message>
      <source>%1 is a directory.
Please choose a different file name.</source>
      <translation>%1 este un dosar.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
      <source>File %1 is not writable.
Please choose a different file name.</source>
      <translation>In fisierul %1 nu se poate scrie.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
      <source>Bottom to Top, Right to Left</source>
      <translation>De jos in sus, de la dreapta la stanga</translation>
    </message>
    <message>
      <source>Top to Bottom, Left to Right</source>
      <translation>De sus in jos, de la stanga la dreapta</translation>
    </message>
    <message>
      <source>Top to Bottom, Right to Left</source>
      <translation>De sus in jos, de la dreapta la stanga</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Automatic</source>
      <translation>Automat</translation>
    </message>
  </context>
  <context>
    <name>QPrintPreviewDialog</name>
    <message>
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message>
      <source>Print Preview</source>
      <translation>Previzualizare tiparire</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Tipareste</translation>
    </message>
    <message>
      <source>Fit page</source>
      <translation>Potriveste pagina</translation>
    </message>
    <message>
      <source>Zoom in</source>
      <translation>Mareste</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Peisaj</translation>
    </message>
    <message>
      <source>Zoom out</source>
      <translation>Micsoreaza</translation>
    </message>
    <message>
      <source>Fit width</source>
      <translation>Potriveste latimea</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Portret</translation>
    </message>
    <message>
      <source>Page Setup</source>
      <translation>Configurare pagina</translation>
    </message>
    <message>
      <source>Page setup</source>
      <translation>Configurare pagina</translation>
    </message>
    <message>
      <source>Show overview of all pages</source>
      <translation>Arata toate paginile</translation>
    </message>
    <message>
      <source>First page</source>
      <translation>Prima pagina</translation>
    </message>
    <message>
      <source>Last page</source>
      <translation>Ultima pagina</translation>
    </message>
    <message>
      <source>Show single page</source>
      <translation>Arata o singura pagina</translation>
    </message>
    <message>
      <source>Export to PDF</source>
      <translation>Exporta in PDF</translation>
    </message>
    <message>
      <source>Previous page</source>
      <translation>Pagina anterioara</translation>
    </message>
    <message>
      <source>Next page</source>
      <translation>Pagina urmatoare</translation>
    </message>
    <message>
      <source>Show facing pages</source>
      <translation>Arata paginile alaturate</translation>
    </message>
  </context>
  <context>
    <name>QPrintSettingsOutput</name>
    <message>
      <source>to</source>
      <translation>pana la</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Oprit</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Formular</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Color</translation>
    </message>
    <message>
      <source>Print all</source>
      <translation>Tipareste tot</translation>
    </message>
    <message>
      <source>Pages</source>
      <translation>Pagini</translation>
    </message>
    <message>
      <source>Current Page</source>
      <translation>Pagina curenta</translation>
    </message>
    <message>
      <source>Selection</source>
      <translation>Selectie</translation>
    </message>
    <message>
      <source>Copies</source>
      <translation>Copii</translation>
    </message>
    <message>
      <source>Print range</source>
      <translation>Interval de tiparire</translation>
    </message>
    <message>
      <source>Color Mode</source>
      <translation>Mod culoare</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Optiuni</translation>
    </message>
    <message>
      <source>Output Settings</source>
      <translation>Setari de iesire</translation>
    </message>
    <message>
      <source>Reverse</source>
      <translation>Ordine inversa</translation>
    </message>
    <message>
      <source>Grayscale</source>
      <translation>Tonuri de gri</translation>
    </message>
    <message>
      <source>Collate</source>
      <translation>Colationare</translation>
    </message>
    <message>
      <source>Copies:</source>
      <translation>Copii:</translation>
    </message>
    <message>
      <source>Short side binding</source>
      <translation>Legare pe latura scurta</translation>
    </message>
    <message>
      <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
      <translation>Specificati paginile sau intervalele separate prin virgula. Un interval se scrie ca doua numere separate prin cratima. De ex.: 3,5-7,9 tipareste paginile 3, 5, 6, 7 si 9.</translation>
    </message>
    <message>
      <source>Pages from</source>
      <translation>Paginile de la</translation>
    </message>
    <message>
      <source>Double Sided Printing</source>
      <translation>Tiparire fata-verso</translation>
    </message>
    <message>
      <source>Page Set:</source>
      <translation>Set de pagini:</translation>
    </message>
    <message>
      <source>Long side binding</source>
      <translation>Legare pe latura lunga</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Niciuna</translation>
    </message>
    <message>
      <source>Long side</source>
      <translation>Latura lunga</translation>
    </message>
    <message>
      <source>Short side</source>
      <translation>Latura scurta</translation>
    </message>
    <message>
      <source>Duplex Printing</source>
      <translation>Tiparire fata-verso</translation>
    </message>
  </context>
  <context>
    <name>QPrintWidget</name>
    <message>
      <source>...</source>
      <translation>...</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Formular</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tip:</translation>
    </message>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Nume:</translation>
    </message>
    <message>
      <source>Output &amp;file:</source>
      <translation>&amp;Fisier de iesire:</translation>
    </message>
    <message>
      <source>P&amp;roperties</source>
      <translation>P&amp;roprietati</translation>
    </message>
    <message>
      <source>Preview</source>
      <translation>Previzualizare</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>Imprimanta</translation>
    </message>
    <message>
      <source>Location:</source>
      <translation>Locatie:</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesWidget</name>
    <message>
      <source>Form</source>
      <translation>Formular</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Pagina</translation>
    </message>
    <message>
      <source>There are conflicts in some options. Please fix them.</source>
      <translation>Exista conflicte in unele optiuni. Va rugam sa le corectati.</translation>
    </message>
    <message>
      <source>Advanced</source>
      <translation>Avansat</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesDialog</name>
    <message>
      <source>Advanced Option Conflicts</source>
      <translation>Conflicte in optiunile avansate</translation>
    </message>
    <message>
      <source>Job Options</source>
      <translation>Optiuni lucrare</translation>
    </message>
    <message>
      <source>Page Setup Conflicts</source>
      <translation>Conflicte in configurarea paginii</translation>
    </message>
    <message>
      <source>There are conflicts in some advanced options. Do you want to fix them?</source>
      <translation>Exista conflicte in unele optiuni avansate. Doriti sa le corectati?</translation>
    </message>
    <message>
      <source>There are conflicts in page setup options. Do you want to fix them?</source>
      <translation>Exista conflicte in optiunile de configurare a paginii. Doriti sa le corectati?</translation>
    </message>
    <message>
      <source>Printer Properties</source>
      <translation>Proprietati imprimanta</translation>
    </message>
  </context>
  <context>
    <name>QPageSetupWidget</name>
    <message>
      <source>CC</source>
      <translation>CC</translation>
    </message>
    <message>
      <source>DD</source>
      <translation>DD</translation>
    </message>
    <message>
      <source>in</source>
      <translation>in</translation>
    </message>
    <message>
      <source>mm</source>
      <translation>mm</translation>
    </message>
    <message>
      <source>pt</source>
      <translation>pt</translation>
    </message>
    <message>
      <source>P̸</source>
      <translation>P̸</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Formular</translation>
    </message>
    <message>
      <source>bottom margin</source>
      <translation>marginea de jos</translation>
    </message>
    <message>
      <source>Paper</source>
      <translation>Hartie</translation>
    </message>
    <message>
      <source>Paper source:</source>
      <translation>Sursa hartie:</translation>
    </message>
    <message>
      <source>right margin</source>
      <translation>marginea din dreapta</translation>
    </message>
    <message>
      <source>Pica (P̸)</source>
      <translation>Pica (P̸)</translation>
    </message>
    <message>
      <source>Margins</source>
      <translation>Margini</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Personalizat</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Peisaj</translation>
    </message>
    <message>
      <source>Page Layout</source>
      <translation>Aspect pagina</translation>
    </message>
    <message>
      <source>Width:</source>
      <translation>Latime:</translation>
    </message>
    <message>
      <source>Orientation</source>
      <translation>Orientare</translation>
    </message>
    <message>
      <source>Didot (DD)</source>
      <translation>Didot (DD)</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Portret</translation>
    </message>
    <message>
      <source>Page order:</source>
      <translation>Ordinea paginilor:</translation>
    </message>
    <message>
      <source>top margin</source>
      <translation>marginea de sus</translation>
    </message>
    <message>
      <source>left margin</source>
      <translation>marginea din stanga</translation>
    </message>
    <message>
      <source>Page size:</source>
      <translation>Marime pagina:</translation>
    </message>
    <message>
      <source>Cicero (CC)</source>
      <translation>Cicero (CC)</translation>
    </message>
    <message>
      <source>Reverse portrait</source>
      <translation>Portret inversat</translation>
    </message>
    <message>
      <source>Millimeters (mm)</source>
      <translation>Milimetri (mm)</translation>
    </message>
    <message>
      <source>Points (pt)</source>
      <translation>Puncte (pt)</translation>
    </message>
    <message>
      <source>Pages per sheet:</source>
      <translation>Pagini pe foaie:</translation>
    </message>
    <message>
      <source>Inches (in)</source>
      <translation>Inci (in)</translation>
    </message>
    <message>
      <source>Reverse landscape</source>
      <translation>Peisaj inversat</translation>
    </message>
    <message>
      <source>Height:</source>
      <translation>Inaltime:</translation>
    </message>
  </context>
  <context>
    <name>QCupsJobWidget</name>
    <message>
      <source>Job</source>
      <translation>Lucrare</translation>
    </message>
    <message>
      <source>End:</source>
      <translation>Sfarsit:</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Niciuna</translation>
    </message>
    <message>
      <source>Banner Pages</source>
      <translation>Pagini de separare</translation>
    </message>
    <message>
      <source>Night (18:00 to 05:59)</source>
      <translation>Noapte (18:00 - 05:59)</translation>
    </message>
    <message>
      <source>Specific Time</source>
      <translation>La o anumita ora</translation>
    </message>
    <message>
      <source>Billing information:</source>
      <translation>Informatii de facturare:</translation>
    </message>
    <message>
      <source>Scheduled printing:</source>
      <translation>Tiparire programata:</translation>
    </message>
    <message>
      <source>Secret</source>
      <translation>Secret</translation>
    </message>
    <message>
      <source>Top Secret</source>
      <translation>Strict secret</translation>
    </message>
    <message>
      <source>Start:</source>
      <translation>Inceput:</translation>
    </message>
    <message>
      <source>Day (06:00 to 17:59)</source>
      <translation>Zi (06:00 - 17:59)</translation>
    </message>
    <message>
      <source>Second Shift (16:00 to 23:59)</source>
      <translation>Tura a doua (16:00 - 23:59)</translation>
    </message>
    <message>
      <source>Job Control</source>
      <translation>Control lucrare</translation>
    </message>
    <message>
      <source>Weekend (Saturday to Sunday)</source>
      <translation>Sfarsit de saptamana (sambata - duminica)</translation>
    </message>
    <message>
      <source>Standard</source>
      <translation>Standard</translation>
    </message>
    <message>
      <source>Classified</source>
      <translation>Clasificat</translation>
    </message>
    <message>
      <source>Third Shift (00:00 to 07:59)</source>
      <translation>Tura a treia (00:00 - 07:59)</translation>
    </message>
    <message>
      <source>Hold Indefinitely</source>
      <translation>Retine pe termen nelimitat</translation>
    </message>
    <message>
      <source>Print Immediately</source>
      <translation>Tipareste imediat</translation>
    </message>
    <message>
      <source>Confidential</source>
      <translation>Confidential</translation>
    </message>
    <message>
      <source>Job priority:</source>
      <translation>Prioritate lucrare:</translation>
    </message>
    <message>
      <source>Unclassified</source>
      <translation>Neclasificat</translation>
    </message>
  </context>
  <context>
    <name>QPageSize</name>
    <message>
      <source>A0</source>
      <translation>A0</translation>
    </message>
    <message>
      <source>A1</source>
      <translation>A1</translation>
    </message>
    <message>
      <source>A2</source>
      <translation>A2</translation>
    </message>
    <message>
      <source>A3</source>
      <translation>A3</translation>
    </message>
    <message>
      <source>A4</source>
      <translation>A4</translation>
    </message>
    <message>
      <source>A5</source>
      <translation>A5</translation>
    </message>
    <message>
      <source>A6</source>
      <translation>A6</translation>
    </message>
    <message>
      <source>A7</source>
      <translation>A7</translation>
    </message>
    <message>
      <source>A8</source>
      <translation>A8</translation>
    </message>
    <message>
      <source>A9</source>
      <translation>A9</translation>
    </message>
    <message>
      <source>B0</source>
      <translation>B0</translation>
    </message>
    <message>
      <source>B1</source>
      <translation>B1</translation>
    </message>
    <message>
      <source>B2</source>
      <translation>B2</translation>
    </message>
    <message>
      <source>B3</source>
      <translation>B3</translation>
    </message>
    <message>
      <source>B4</source>
      <translation>B4</translation>
    </message>
    <message>
      <source>B5</source>
      <translation>B5</translation>
    </message>
    <message>
      <source>B6</source>
      <translation>B6</translation>
    </message>
    <message>
      <source>B7</source>
      <translation>B7</translation>
    </message>
    <message>
      <source>B8</source>
      <translation>B8</translation>
    </message>
    <message>
      <source>B9</source>
      <translation>B9</translation>
    </message>
    <message>
      <source>A10</source>
      <translation>A10</translation>
    </message>
    <message>
      <source>B10</source>
      <translation>B10</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Note</translation>
    </message>
    <message>
      <source>Letter / ANSI A</source>
      <translation>Letter / ANSI A</translation>
    </message>
    <message>
      <source>Legal</source>
      <translation>Legal</translation>
    </message>
    <message>
      <source>Envelope Monarch</source>
      <translation>Plic Monarch</translation>
    </message>
    <message>
      <source>Architect A</source>
      <translation>Architect A</translation>
    </message>
    <message>
      <source>Architect B</source>
      <translation>Architect B</translation>
    </message>
    <message>
      <source>Architect C</source>
      <translation>Architect C</translation>
    </message>
    <message>
      <source>Architect D</source>
      <translation>Architect D</translation>
    </message>
    <message>
      <source>Architect E</source>
      <translation>Architect E</translation>
    </message>
    <message>
      <source>Letter Extra</source>
      <translation>Letter Extra</translation>
    </message>
    <message>
      <source>Letter Small</source>
      <translation>Letter Small</translation>
    </message>
    <message>
      <source>Envelope You 4</source>
      <translation>Plic You 4</translation>
    </message>
    <message>
      <source>Envelope US 10</source>
      <translation>Plic US 10</translation>
    </message>
    <message>
      <source>Envelope US 11</source>
      <translation>Plic US 11</translation>
    </message>
    <message>
      <source>Envelope US 12</source>
      <translation>Plic US 12</translation>
    </message>
    <message>
      <source>Envelope US 14</source>
      <translation>Plic US 14</translation>
    </message>
    <message>
      <source>Envelope PRC 1</source>
      <translation>Plic PRC 1</translation>
    </message>
    <message>
      <source>Envelope PRC 2</source>
      <translation>Plic PRC 2</translation>
    </message>
    <message>
      <source>Envelope PRC 3</source>
      <translation>Plic PRC 3</translation>
    </message>
    <message>
      <source>Envelope PRC 4</source>
      <translation>Plic PRC 4</translation>
    </message>
    <message>
      <source>Envelope PRC 5</source>
      <translation>Plic PRC 5</translation>
    </message>
    <message>
      <source>Envelope PRC 6</source>
      <translation>Plic PRC 6</translation>
    </message>
    <message>
      <source>Envelope PRC 7</source>
      <translation>Plic PRC 7</translation>
    </message>
    <message>
      <source>Envelope PRC 8</source>
      <translation>Plic PRC 8</translation>
    </message>
    <message>
      <source>Envelope PRC 9</source>
      <translation>Plic PRC 9</translation>
    </message>
    <message>
      <source>Envelope C65</source>
      <translation>Plic C65</translation>
    </message>
    <message>
      <source>Envelope DL</source>
      <translation>Plic DL</translation>
    </message>
    <message>
      <source>Envelope B4</source>
      <translation>Plic B4</translation>
    </message>
    <message>
      <source>Envelope B5</source>
      <translation>Plic B5</translation>
    </message>
    <message>
      <source>Envelope B6</source>
      <translation>Plic B6</translation>
    </message>
    <message>
      <source>Envelope C0</source>
      <translation>Plic C0</translation>
    </message>
    <message>
      <source>Envelope C1</source>
      <translation>Plic C1</translation>
    </message>
    <message>
      <source>Envelope C2</source>
      <translation>Plic C2</translation>
    </message>
    <message>
      <source>Envelope C3</source>
      <translation>Plic C3</translation>
    </message>
    <message>
      <source>Envelope C4</source>
      <translation>Plic C4</translation>
    </message>
    <message>
      <source>Envelope C5</source>
      <translation>Plic C5</translation>
    </message>
    <message>
      <source>Envelope C6</source>
      <translation>Plic C6</translation>
    </message>
    <message>
      <source>Envelope C7</source>
      <translation>Plic C7</translation>
    </message>
    <message>
      <source>Executive (7.5 x 10 in)</source>
      <translation>Executive (7.5 x 10 in)</translation>
    </message>
    <message>
      <source>ANSI C</source>
      <translation>ANSI C</translation>
    </message>
    <message>
      <source>ANSI D</source>
      <translation>ANSI D</translation>
    </message>
    <message>
      <source>ANSI E</source>
      <translation>ANSI E</translation>
    </message>
    <message>
      <source>A4 Plus</source>
      <translation>A4 Plus</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Personalizat</translation>
    </message>
    <message>
      <source>JIS B0</source>
      <translation>JIS B0</translation>
    </message>
    <message>
      <source>JIS B1</source>
      <translation>JIS B1</translation>
    </message>
    <message>
      <source>JIS B2</source>
      <translation>JIS B2</translation>
    </message>
    <message>
      <source>JIS B3</source>
      <translation>JIS B3</translation>
    </message>
    <message>
      <source>JIS B4</source>
      <translation>JIS B4</translation>
    </message>
    <message>
      <source>JIS B5</source>
      <translation>JIS B5</translation>
    </message>
    <message>
      <source>JIS B6</source>
      <translation>JIS B6</translation>
    </message>
    <message>
      <source>JIS B7</source>
      <translation>JIS B7</translation>
    </message>
    <message>
      <source>JIS B8</source>
      <translation>JIS B8</translation>
    </message>
    <message>
      <source>JIS B9</source>
      <translation>JIS B9</translation>
    </message>
    <message>
      <source>A3 Extra</source>
      <translation>A3 Extra</translation>
    </message>
    <message>
      <source>PRC 16K</source>
      <translation>PRC 16K</translation>
    </message>
    <message>
      <source>PRC 32K</source>
      <translation>PRC 32K</translation>
    </message>
    <message>
      <source>Quarto</source>
      <translation>Quarto</translation>
    </message>
    <message>
      <source>PRC 32K Big</source>
      <translation>PRC 32K Big</translation>
    </message>
    <message>
      <source>A4 Extra</source>
      <translation>A4 Extra</translation>
    </message>
    <message>
      <source>A4 Small</source>
      <translation>A4 Small</translation>
    </message>
    <message>
      <source>Executive (7.25 x 10.5 in)</source>
      <translation>Executive (7.25 x 10.5 in)</translation>
    </message>
    <message>
      <source>Postcard</source>
      <translation>Carte postala</translation>
    </message>
    <message>
      <source>Tabloid / ANSI B</source>
      <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
      <source>A5 Extra</source>
      <translation>A5 Extra</translation>
    </message>
    <message>
      <source>B5 Extra</source>
      <translation>B5 Extra</translation>
    </message>
    <message>
      <source>Envelope Invite</source>
      <translation>Plic Invite</translation>
    </message>
    <message>
      <source>Envelope Chou 3</source>
      <translation>Plic Chou 3</translation>
    </message>
    <message>
      <source>Envelope Chou 4</source>
      <translation>Plic Chou 4</translation>
    </message>
    <message>
      <source>Statement</source>
      <translation>Statement</translation>
    </message>
    <message>
      <source>Fan-fold German (8.5 x 12 in)</source>
      <translation>Fan-fold German (8.5 x 12 in)</translation>
    </message>
    <message>
      <source>Envelope PRC 10</source>
      <translation>Plic PRC 10</translation>
    </message>
    <message>
      <source>Envelope Kaku 2</source>
      <translation>Plic Kaku 2</translation>
    </message>
    <message>
      <source>Envelope Kaku 3</source>
      <translation>Plic Kaku 3</translation>
    </message>
    <message>
      <source>Envelope US 9</source>
      <translation>Plic US 9</translation>
    </message>
    <message>
      <source>%1 x %2 in</source>
      <translation>%1 x %2 in</translation>
    </message>
    <message>
      <source>Super A</source>
      <translation>Super A</translation>
    </message>
    <message>
      <source>Super B</source>
      <translation>Super B</translation>
    </message>
    <message>
      <source>Fan-fold US (14.875 x 11 in)</source>
      <translation>Fan-fold US (14.875 x 11 in)</translation>
    </message>
    <message>
      <source>Fan-fold German Legal (8.5 x 13 in)</source>
      <translation>Fan-fold German Legal (8.5 x 13 in)</translation>
    </message>
    <message>
      <source>Custom (%1in x %2in)</source>
      <translation>Personalizat (%1in x %2in)</translation>
    </message>
    <message>
      <source>Custom (%1mm x %2mm)</source>
      <translation>Personalizat (%1mm x %2mm)</translation>
    </message>
    <message>
      <source>Custom (%1CC x %2CC)</source>
      <translation>Personalizat (%1CC x %2CC)</translation>
    </message>
    <message>
      <source>Custom (%1DD x %2DD)</source>
      <translation>Personalizat (%1DD x %2DD)</translation>
    </message>
    <message>
      <source>Custom (%1pc x %2pc)</source>
      <translation>Personalizat (%1pc x %2pc)</translation>
    </message>
    <message>
      <source>Custom (%1pt x %2pt)</source>
      <translation>Personalizat (%1pt x %2pt)</translation>
    </message>
    <message>
      <source>Letter Plus</source>
      <translation>Letter Plus</translation>
    </message>
    <message>
      <source>Tabloid Extra</source>
      <translation>Tabloid Extra</translation>
    </message>
    <message>
      <source>Envelope Italian</source>
      <translation>Plic italian</translation>
    </message>
    <message>
      <source>Double Postcard</source>
      <translation>Carte postala dubla</translation>
    </message>
    <message>
      <source>Legal Extra</source>
      <translation>Legal Extra</translation>
    </message>
    <message>
      <source>Folio (8.27 x 13 in)</source>
      <translation>Folio (8.27 x 13 in)</translation>
    </message>
    <message>
      <source>Ledger / ANSI B</source>
      <translation>Ledger / ANSI B</translation>
    </message>
    <message>
      <source>JIS B10</source>
      <translation>JIS B10</translation>
    </message>
    <message>
      <source>Envelope Personal</source>
      <translation>Plic Personal</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Taie</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiaza</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Refa</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Anuleaza</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Lipeste</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Sterge</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Selecteaza tot</translation>
    </message>
  </context>
  <context>
    <name>QWidgetTextControl</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Taie</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiaza</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Refa</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Anuleaza</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Lipeste</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Sterge</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Selecteaza tot</translation>
    </message>
    <message>
      <source>Copy &amp;Link Location</source>
      <translation>Copiaza a&amp;dresa legaturii</translation>
    </message>
  </context>
  <context>
    <name>QAbstractSpinBox</name>
    <message>
      <source>Step &amp;down</source>
      <translation>Pas in &amp;jos</translation>
    </message>
    <message>
      <source>&amp;Step up</source>
      <translation>Pas in s&amp;us</translation>
    </message>
    <message>
      <source>&amp;Select All</source>
      <translation>&amp;Selecteaza tot</translation>
    </message>
  </context>
  <context>
    <name>QFile</name>
    <message>
      <source>Cannot remove source file</source>
      <translation>Fisierul sursa nu poate fi sters</translation>
    </message>
    <message>
      <source>Destination file is the same file.</source>
      <translation>Fisierul destinatie este chiar fisierul sursa.</translation>
    </message>
    <message>
      <source>Cannot open %1 for input</source>
      <translation>Fisierul %1 nu poate fi deschis pentru citire</translation>
    </message>
    <message>
      <source>Destination file exists</source>
      <translation>Fisierul destinatie exista deja</translation>
    </message>
    <message>
      <source>Cannot open destination file: %1</source>
      <translation>Fisierul destinatie nu poate fi deschis: %1</translation>
    </message>
    <message>
      <source>Cannot create %1 for output: %2</source>
      <translation>Fisierul %1 nu poate fi creat pentru scriere: %2</translation>
    </message>
    <message>
      <source>Failure to write block: %1</source>
      <translation>Eroare la scrierea unui bloc de date: %1</translation>
    </message>
    <message>
      <source>Will not rename sequential file using block copy</source>
      <translation>Un fisier secvential nu poate fi redenumit prin copiere pe blocuri</translation>
    </message>
    <message>
      <source>Error while renaming: %1</source>
      <translation>Eroare la redenumire: %1</translation>
    </message>
    <message>
      <source>Source file does not exist.</source>
      <translation>Fisierul sursa nu exista.</translation>
    </message>
    <message>
      <source>Unable to restore from %1: %2</source>
      <translation>Nu se poate restaura din %1: %2</translation>
    </message>
    <message>
      <source>Cannot open for output: %1</source>
      <translation>Fisierul nu poate fi deschis pentru scriere: %1</translation>
    </message>
    <message>
      <source>Error while renaming.</source>
      <translation>Eroare la redenumire.</translation>
    </message>
    <message>
      <source>Cannot create %1 for output</source>
      <translation>Fisierul %1 nu poate fi creat pentru scriere</translation>
    </message>
    <message>
      <source>Failure to write block</source>
      <translation>Eroare la scrierea unui bloc de date</translation>
    </message>
    <message>
      <source>Cannot open for output</source>
      <translation>Fisierul nu poate fi deschis pentru scriere</translation>
    </message>
  </context>
  <context>
    <name>QSaveFile</name>
    <message>
      <source>Filename refers to a directory</source>
      <translation>Numele de fisier indica un dosar</translation>
    </message>
    <message>
      <source>Writing canceled by application</source>
      <translation>Scrierea a fost anulata de aplicatie</translation>
    </message>
    <message>
      <source>QSaveFile cannot open '%1' without direct write fallback enabled.</source>
      <translation>QSaveFile nu poate deschide '%1' daca nu este activata scrierea directa ca varianta de rezerva.</translation>
    </message>
    <message>
      <source>Existing file %1 is not writable</source>
      <translation>In fisierul existent %1 nu se poate scrie</translation>
    </message>
  </context>
  <context>
    <name>QFileDevice</name>
    <message>
      <source>No file engine available or engine does not support UnMapExtension</source>
      <translation>Nu este disponibil niciun motor de fisiere sau motorul nu suporta UnMapExtension</translation>
    </message>
    <message>
      <source>No file engine available</source>
      <translation>Nu este disponibil niciun motor de fisiere</translation>
    </message>
  </context>
  <context>
    <name>QIODevice</name>
    <message>
      <source>No such file or directory</source>
      <translation>Fisierul sau dosarul nu exista</translation>
    </message>
    <message>
      <source>Permission denied</source>
      <translation>Permisiune refuzata</translation>
    </message>
    <message>
      <source>file to open is a directory</source>
      <translation>fisierul de deschis este un dosar</translation>
    </message>
    <message>
      <source>No space left on device</source>
      <translation>Nu mai exista spatiu liber pe dispozitiv</translation>
    </message>
    <message>
      <source>Unknown error</source>
      <translation>Eroare necunoscuta</translation>
    </message>
    <message>
      <source>Too many open files</source>
      <translation>Prea multe fisiere deschise</translation>
    </message>
  </context>
  <context>
    <name>QErrorMessage</name>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>Fatal Error:</source>
      <translation>Eroare fatala:</translation>
    </message>
    <message>
      <source>&amp;Show this message again</source>
      <translation>&amp;Arata din nou acest mesaj</translation>
    </message>
    <message>
      <source>Critical Error:</source>
      <translation>Eroare critica:</translation>
    </message>
    <message>
      <source>Information:</source>
      <translation>Informatie:</translation>
    </message>
    <message>
      <source>Debug Message:</source>
      <translation>Mesaj de depanare:</translation>
    </message>
    <message>
      <source>Warning:</source>
      <translation>Avertisment:</translation>
    </message>
  </context>
  <context>
    <name>QComboBox</name>
    <message>
      <source>True</source>
      <translation>Adevarat</translation>
    </message>
    <message>
      <source>False</source>
      <translation>Fals</translation>
    </message>
    <message>
      <source>Open the combo box selection popup</source>
      <translation>Deschide lista de optiuni</translation>
    </message>
  </context>
  <context>
    <name>QScrollBar</name>
    <message>
      <source>Top</source>
      <translation>Sus</translation>
    </message>
    <message>
      <source>Scroll down</source>
      <translation>Deruleaza in jos</translation>
    </message>
    <message>
      <source>Scroll here</source>
      <translation>Deruleaza aici</translation>
    </message>
    <message>
      <source>Scroll left</source>
      <translation>Deruleaza la stanga</translation>
    </message>
    <message>
      <source>Bottom</source>
      <translation>Jos</translation>
    </message>
    <message>
      <source>Page up</source>
      <translation>O pagina in sus</translation>
    </message>
    <message>
      <source>Page right</source>
      <translation>O pagina la dreapta</translation>
    </message>
    <message>
      <source>Scroll up</source>
      <translation>Deruleaza in sus</translation>
    </message>
    <message>
      <source>Scroll right</source>
      <translation>Deruleaza la dreapta</translation>
    </message>
    <message>
      <source>Left edge</source>
      <translation>Marginea din stanga</translation>
    </message>
    <message>
      <source>Page down</source>
      <translation>O pagina in jos</translation>
    </message>
    <message>
      <source>Page left</source>
      <translation>O pagina la stanga</translation>
    </message>
    <message>
      <source>Right edge</source>
      <translation>Marginea din dreapta</translation>
    </message>
  </context>
  <context>
    <name>QInputDialog</name>
    <message>
      <source>Enter a value:</source>
      <translation>Introduceti o valoare:</translation>
    </message>
  </context>
  <context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
      <source>RLE Start of right-to-left embedding</source>
      <translation>RLE Inceput de incorporare de la dreapta la stanga</translation>
    </message>
    <message>
      <source>ZWSP Zero width space</source>
      <translation>ZWSP Spatiu de latime zero</translation>
    </message>
    <message>
      <source>LRI Left-to-right isolate</source>
      <translation>LRI Izolare de la stanga la dreapta</translation>
    </message>
    <message>
      <source>Insert Unicode control character</source>
      <translation>Insereaza caracter de control Unicode</translation>
    </message>
    <message>
      <source>LRO Start of left-to-right override</source>
      <translation>LRO Inceput de suprascriere de la stanga la dreapta</translation>
    </message>
    <message>
      <source>LRE Start of left-to-right embedding</source>
      <translation>LRE Inceput de incorporare de la stanga la dreapta</translation>
    </message>
    <message>
      <source>RLI Right-to-left isolate</source>
      <translation>RLI Izolare de la dreapta la stanga</translation>
    </message>
    <message>
      <source>RLM Right-to-left mark</source>
      <translation>RLM Marcaj de la dreapta la stanga</translation>
    </message>
    <message>
      <source>PDF Pop directional formatting</source>
      <translation>PDF Sfarsit de formatare directionala</translation>
    </message>
    <message>
      <source>ZWNJ Zero width non-joiner</source>
      <translation>ZWNJ Separator de latime zero</translation>
    </message>
    <message>
      <source>RLO Start of right-to-left override</source>
      <translation>RLO Inceput de suprascriere de la dreapta la stanga</translation>
    </message>
    <message>
      <source>PDI Pop directional isolate</source>
      <translation>PDI Sfarsit de izolare directionala</translation>
    </message>
    <message>
      <source>ZWJ Zero width joiner</source>
      <translation>ZWJ Legatura de latime zero</translation>
    </message>
    <message>
      <source>LRM Left-to-right mark</source>
      <translation>LRM Marcaj de la stanga la dreapta</translation>
    </message>
    <message>
      <source>FSI First strong isolate</source>
      <translation>FSI Izolare dupa primul caracter puternic</translation>
    </message>
  </context>
  <context>
    <name>QProgressDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Renunt</translation>
    </message>
  </context>
  <context>
    <name>QDialog</name>
    <message>
      <source>What's This?</source>
      <translation>Ce este aceasta?</translation>
    </message>
  </context>
  <context>
    <name>QStandardPaths</name>
    <message>
      <source>Home</source>
      <translation>Acasa</translation>
    </message>
    <message>
      <source>Cache</source>
      <translation>Cache</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Fonturi</translation>
    </message>
    <message>
      <source>Music</source>
      <translation>Muzica</translation>
    </message>
    <message>
      <source>Shared Cache</source>
      <translation>Cache partajat</translation>
    </message>
    <message>
      <source>Shared Configuration</source>
      <translation>Configurare partajata</translation>
    </message>
    <message>
      <source>Templates</source>
      <translation>Sabloane</translation>
    </message>
    <message>
      <source>Movies</source>
      <translation>Filme</translation>
    </message>
    <message>
      <source>Public</source>
      <translation>Public</translation>
    </message>
    <message>
      <source>Application Configuration</source>
      <translation>Configurare aplicatie</translation>
    </message>
    <message>
      <source>Download</source>
      <translation>Descarcari</translation>
    </message>
    <message>
      <source>Configuration</source>
      <translation>Configurare</translation>
    </message>
    <message>
      <source>Application Data</source>
      <translation>Date aplicatie</translation>
    </message>
    <message>
      <source>Runtime</source>
      <translation>Executie</translation>
    </message>
    <message>
      <source>Documents</source>
      <translation>Documente</translation>
    </message>
    <message>
      <source>Desktop</source>
      <translation>Desktop</translation>
    </message>
    <message>
      <source>Temporary Directory</source>
      <translation>Dosar temporar</translation>
    </message>
    <message>
      <source>Shared Data</source>
      <translation>Date partajate</translation>
    </message>
    <message>
      <source>Applications</source>
      <translation>Aplicatii</translation>
    </message>
    <message>
      <source>Temporary Items</source>
      <translation>Elemente temporare</translation>
    </message>
    <message>
      <source>Pictures</source>
      <translation>Imagini</translation>
    </message>
  </context>
  <context>
    <name>QColorDialog</name>
    <message>
      <source>&amp;Red:</source>
      <translation>&amp;Rosu:</translation>
    </message>
    <message>
      <source>&amp;Sat:</source>
      <translation>&amp;Sat:</translation>
    </message>
    <message>
      <source>&amp;Val:</source>
      <translation>&amp;Val:</translation>
    </message>
    <message>
      <source>Hu&amp;e:</source>
      <translation>&amp;Nuanta:</translation>
    </message>
    <message>
      <source>&amp;HTML:</source>
      <translation>&amp;HTML:</translation>
    </message>
    <message>
      <source>Select Color</source>
      <translation>Alege culoarea</translation>
    </message>
    <message>
      <source>&amp;Add to Custom Colors</source>
      <translation>&amp;Adauga la culorile personalizate</translation>
    </message>
    <message>
      <source>Bl&amp;ue:</source>
      <translation>Albastr&amp;u:</translation>
    </message>
    <message>
      <source>&amp;Pick Screen Color</source>
      <translation>&amp;Preia culoarea de pe ecran</translation>
    </message>
    <message>
      <source>Cursor at %1, %2
Press ESC to cancel</source>
      <translation>Cursor la %1, %2
Apasati ESC pentru a renunta</translation>
    </message>
    <message>
      <source>&amp;Green:</source>
      <translation>V&amp;erde:</translation>
    </message>
    <message>
      <source>&amp;Basic colors</source>
      <translation>Culori de &amp;baza</translation>
    </message>
    <message>
      <source>&amp;Custom colors</source>
      <translation>Culori personali&amp;zate</translation>
    </message>
    <message>
      <source>A&amp;lpha channel:</source>
      <translation>Canal a&amp;lfa:</translation>
    </message>
  </context>
  <context>
    <name>QFontDialog</name>
    <message>
      <source>&amp;Font</source>
      <translation>&amp;Font</translation>
    </message>
    <message>
      <source>&amp;Size</source>
      <translation>&amp;Marime</translation>
    </message>
    <message>
      <source>Sample</source>
      <translation>Exemplu</translation>
    </message>
    <message>
      <source>Font st&amp;yle</source>
      <translation>&amp;Stil font</translation>
    </message>
    <message>
      <source>Wr&amp;iting System</source>
      <translation>S&amp;istem de scriere</translation>
    </message>
    <message>
      <source>Select Font</source>
      <translation>Alege fontul</translation>
    </message>
    <message>
      <source>&amp;Underline</source>
      <translation>S&amp;ubliniat</translation>
    </message>
    <message>
      <source>Effects</source>
      <translation>Efecte</translation>
    </message>
    <message>
      <source>Stri&amp;keout</source>
      <translation>&amp;Taiat</translation>
    </message>
  </context>
  <context>
    <name>QWizard</name>
    <message>
      <source>Done</source>
      <translation>Gata</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajutor</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Ajutor</translation>
    </message>
    <message>
      <source>&amp;Next</source>
      <translation>&amp;Urmatorul</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Renunt</translation>
    </message>
    <message>
      <source>Commit</source>
      <translation>Confirma</translation>
    </message>
    <message>
      <source>Continue</source>
      <translation>Continua</translation>
    </message>
    <message>
      <source>&amp;Finish</source>
      <translation>&amp;Finalizeaza</translation>
    </message>
    <message>
      <source>&amp;Next &gt;</source>
      <translation>&amp;Urmatorul &gt;</translation>
    </message>
    <message>
      <source>Go Back</source>
      <translation>Inapoi</translation>
    </message>
    <message>
      <source>&lt; &amp;Back</source>
      <translation>&lt; &amp;Inapoi</translation>
    </message>
  </context>
  <context>
    <name>QDateTimeParser</name>
    <message>
      <source>AM</source>
      <translation>AM</translation>
    </message>
    <message>
      <source>PM</source>
      <translation>PM</translation>
    </message>
    <message>
      <source>am</source>
      <translation>am</translation>
    </message>
    <message>
      <source>pm</source>
      <translation>pm</translation>
    </message>
  </context>
  <context>
    <name>QWidget</name>
    <message>
      <source>*</source>
      <translation>*</translation>
    </message>
  </context>
  <context>
    <name>QTabBar</name>
    <message>
      <source>Scroll Left</source>
      <translation>Deruleaza la stanga</translation>
    </message>
    <message>
      <source>Scroll Right</source>
      <translation>Deruleaza la dreapta</translation>
    </message>
  </context>
  <context>
    <name>QDockWidget</name>
    <message>
      <source>Close</source>
      <translation>Inchide</translation>
    </message>
    <message>
      <source>Float</source>
      <translation>Detaseaza</translation>
    </message>
    <message>
      <source>Undocks and re-attaches the dock widget</source>
      <translation>Detaseaza si reataseaza panoul</translation>
    </message>
    <message>
      <source>Closes the dock widget</source>
      <translation>Inchide panoul</translation>
    </message>
  </context>
  <context>
    <name>CloseButton</name>
    <message>
      <source>Close Tab</source>
      <translation>Inchide fila</translation>
    </message>
  </context>
  <context>
    <name>QMdiSubWindow</name>
    <message>
      <source>Help</source>
      <translation>Ajutor</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Meniu</translation>
    </message>
    <message>
      <source>&amp;Move</source>
      <translation>&amp;Muta</translation>
    </message>
    <message>
      <source>&amp;Size</source>
      <translation>&amp;Dimensiune</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Inchide</translation>
    </message>
    <message>
      <source>Minimize</source>
      <translation>Minimizeaza</translation>
    </message>
    <message>
      <source>Shade</source>
      <translation>Strange</translation>
    </message>
    <message>
      <source>Stay on &amp;Top</source>
      <translation>Mereu de&amp;asupra</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Inchide</translation>
    </message>
    <message>
      <source>- [%1]</source>
      <translation>- [%1]</translation>
    </message>
    <message>
      <source>%1 - [%2]</source>
      <translation>%1 - [%2]</translation>
    </message>
    <message>
      <source>&amp;Restore</source>
      <translation>&amp;Restabileste</translation>
    </message>
    <message>
      <source>Restore</source>
      <translation>Restabileste</translation>
    </message>
    <message>
      <source>Maximize</source>
      <translation>Maximizeaza</translation>
    </message>
    <message>
      <source>Unshade</source>
      <translation>Desfasoara</translation>
    </message>
    <message>
      <source>Mi&amp;nimize</source>
      <translation>Mi&amp;nimizeaza</translation>
    </message>
    <message>
      <source>Ma&amp;ximize</source>
      <translation>Ma&amp;ximizeaza</translation>
    </message>
    <message>
      <source>Restore Down</source>
      <translation>Restabileste</translation>
    </message>
  </context>
</TS>