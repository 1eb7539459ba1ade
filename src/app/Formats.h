#pragma once

// Values and formats fixed for the whole run of the program.

#include <QDate>
#include <QString>

namespace kovara {

QString ApplicationTitle(); // "Kovara"
QString TitleWithVersion(); // "Kovara v.1.25"
QString LineBreak();        // carriage return + line feed, between two sentences of a message
QString ShortDateFormat();  // "dd.MM.yyyy"

// True while the main commands are enabled (after the administrator login).
bool AccessGranted();
void setAccessGranted(bool granted);

// Fixes the process-wide number formats: "." for decimals and "," between
// groups of thousands, whatever the machine's regional settings say.
void ApplyFixedFormats();

// Dates are always written and read as dd.MM.yyyy, never through the
// system locale. FormatDate of an invalid date is the empty text; ParseDate
// of a text not in that form is an invalid date.
QString FormatDate(const QDate &date);
QDate ParseDate(const QString &text);

// A number with "," between thousands and "." before the decimals.
QString FormatNumber(double value, int decimals);

} // namespace kovara
