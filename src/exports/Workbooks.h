#pragma once

// The workbooks the program writes with NativeXlsWriter: the layette
// centralizer, the monthly report for the labour ministry and the treasury
// annex 2. Each function writes the file and returns its path; the window
// then opens it with the desktop's application.

#include "data/Workspace.h"
#include "engines/xls/NativeXlsWriter.h"
#include "exports/TreasuryFile.h"

#include <QDate>
#include <QString>

namespace kovara {

// The writer as every report starts it: a new workbook that declares its
// texts to be Windows-1250, named `file`.
void StartWorkbook(NativeXlsWriter &xls, const QString &file);

// Centralizer export of the layettes whose disposition is dated from
// `from` to `to`: fills the work table E4.dbf beside the program (left
// there until the next export), writes the workbook to `file` or, when it
// is empty, to the first free XLS<N>.xls beside the program.
// Refused (title "Export Centralizator") when E4.dbf is in use.
QString ExportCentralizer(const Workspace &ws, const QDate &from, const QDate &to, const QString &file = {});

// The ministry report of the newborn allowances paid for month/year, to
// `file` or to the first free XLS<N>.xls (N up to 1000; refused with
// "Nu pot scrie in ...!", title "Generare XLS", when none is free). A
// request whose CNP or CNP1 is not a number is refused by name (title
// "Generare XLS") before any file is chosen or written, and so is a
// workspace whose constants name no county ("Judetul de la Administrare este
// incorect !").
QString ExportMinistry(const Workspace &ws, int month, int year, const QString &file = {});

// The treasury annex 2 of a treasury file as a workbook, to `file` or to
// the first free Anx2<N>.xls beside the program.
QString ExportAnnex2(const Workspace &ws, const QString &treasuryFile, const QDate &transfer,
                     const QString &file = {});
// Writes the annex 2 cells (the writer already named).
void WriteAnnex2Workbook(NativeXlsWriter &xls, const TreasuryLabels &labels, const QList<Annex2Row> &rows);

} // namespace kovara
