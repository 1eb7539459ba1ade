#pragma once

// The request list export: the listed requests written into a copy of the
// template workbook, one copy of its marked row per request.
//
// The template's row marked "#DBF" (in any cell; that cell is emptied) is
// copied once per row of the list; in each copy a cell "%NRCRT" receives the
// request's position (1 for the first) and a cell "#" + field name the
// value of that field: texts as text, numbers and dates (as day numbers) as
// numbers, and 0 as an empty cell. Markers are compared trimmed and in
// capitals; any other cell stays as it is.

#include "engines/workbook/BiffWorkbook.h"

#include <QString>
#include <functional>

namespace kovara {

class Query;

class RequestListExport
{
public:
    // Opens the template file and chooses the destination, the first free
    // "Dest<N>.xls" of the template's folder (the program folder). False
    // when the file is missing.
    bool OpenTemplate(const QString &templatePath);
    // Opens the template the program carries (no destination chosen).
    void openModel();
    // Fills the open workbook from the rows of `list` (the ones its filter
    // lets through, in its order); `afterRow` runs after each row. The
    // list's current row is the same afterwards.
    void FillTemplate(Query &list, const std::function<void()> &afterRow = {});
    // Saves to the destination and closes; then, when `open`, hands the file
    // to `opener`.
    void FinishExport(bool open);

    QString destinationPath() const { return m_destination; }
    void setDestinationPath(const QString &path) { m_destination = path; }
    void setOpener(std::function<void(const QString &)> opener) { m_opener = std::move(opener); }
    BiffWorkbook &workbook() { return m_book; }

private:
    BiffWorkbook m_book;
    QString m_destination;
    std::function<void(const QString &)> m_opener;
};

// The template the program carries (resource "EXP", "Model").
QByteArray ListModelBytes();
// Writes that template to `path` when no file is there; true when written.
// A file that cannot be written fails with a message naming it.
bool ExtractListModel(const QString &path);

struct ListExportHooks
{
    std::function<void()> processEvents;         // pending window work
    std::function<void(const QString &)> opener; // the desktop's application
};

// The "Exporta tabelul" command: the template written to the first free
// "Exp<N>.xls" of the program folder `programDir`, filled from `list` and saved to the
// first free "Dest<N>.xls", which is then opened. Any file that cannot be
// written or read fails with a message naming it, and nothing is opened.
// Returns the destination.
QString ExportRequestList(const QString &programDir, Query &list, const ListExportHooks &hooks);

// The same rows, from the carried template, into the file `path` (replaced
// only once the new one is complete).
void ExportRequestListTo(Query &list, const QString &path);

} // namespace kovara
