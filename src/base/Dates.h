#pragma once

// Dates as the program shows, types, stores in statements and writes into
// files: day, month and year, "dd.MM.yyyy", never through the system locale.

#include <QDate>
#include <QString>

namespace kovara {

// "dd.MM.yyyy": the one format of dates on screen, in statements and files.
QString ShortDateFormat();

// FormatDate of an invalid date is the empty text; ParseDate of a text not
// in that form is an invalid date.
QString FormatDate(const QDate &date);
QDate ParseDate(const QString &text);

// A date as a clerk types it: day, month and year with dots ("5.3.2026",
// "05.03.2026"), slashes ("5/3/2026") or without ("05032026"), or year,
// month and day with dashes ("2026-03-05"; "5-3-2026" is day first); a
// two-digit year is 20yy. Separators of two kinds, an impossible date, or
// any other text, is an invalid date.
QDate ParseTypedDate(const QString &text);

} // namespace kovara
