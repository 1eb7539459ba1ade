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

} // namespace kovara
