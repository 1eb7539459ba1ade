// Reads arbitrary bytes as a workbook (a compound file when they start with
// its signature, otherwise a bare Workbook stream), reads every cell of every
// sheet, writes a cell, copies a row and saves. Only kovara::Error may come
// out of the engine; a workbook it opened must give every cell's value; what
// it saves it must be able to read again.

#include "base/Error.h"
#include "engines/workbook/BiffWorkbook.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <glib.h>

namespace {

void quiet(const gchar *, GLogLevelFlags, const gchar *, gpointer) {}

void exercise(kovara::BiffWorkbook &book)
{
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) {
        try {
            book.SelectSheet(sheet);
        } catch (const kovara::Error &) {
            continue; // not a worksheet
        }
        const int rows = std::min(book.LastRow(), 200), columns = std::min(book.LastColumn(), 60);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                (void)book.CellValue(r, c).toText();
        (void)book.mergedRanges();
    }
}

} // namespace

// libgsf keeps a little of its own memory when it refuses a damaged compound
// file. The suppression names libgsf, which is found in a leak's stack only
// when the stack is walked without frame pointers: Debian's glib, through
// which libgsf allocates, is built without them, and the fast walk stops
// there. Both are the target's own defaults, so no environment is needed.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libgsf-1.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool silenced = (g_log_set_default_handler(quiet, nullptr), true);
    (void)silenced;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    kovara::BiffWorkbook book;
    try {
        if (bytes.startsWith("\xD0\xCF\x11\xE0"))
            book.openBytes(bytes, QStringLiteral("fuzz.xls"));
        else
            book.openStream(bytes, QStringLiteral("fuzz.xls"));
    } catch (const kovara::Error &) {
        return 0;
    }
    exercise(book);
    QByteArray saved;
    try {
        book.SelectSheet(1);
        book.SetCellValue(1, 1, QStringLiteral("ŞTEFĂNESCU"));
        book.SetCellValue(2, 2, 39386.0);
        book.InsertRowCopies(1, 2, 2, 3);
        saved = book.workbookStream();
    } catch (const kovara::Error &) {
        return 0; // e.g. the first sheet is a chart, or the rows would overflow
    }
    kovara::BiffWorkbook again;
    again.openStream(saved, QStringLiteral("saved.xls")); // must read back: a failure aborts
    exercise(again);
    if (again.workbookStream() != saved)
        std::abort(); // an unchanged workbook must come back byte for byte
    return 0;
}
