#pragma once

// Small text operations shared by the windows: names, typed text, record
// filters, birth dates, month names, the stored month paid and dates in words.

#include <QDate>
#include <QString>
#include <QStringList>

namespace kovara {

// Every character with a code of 32 or less removed from both ends.
QString TrimControls(const QString &text);

// The surname of a full name written surname first: the text up to its first
// space, trimmed; the whole text when it has no space.
QString FirstWord(const QString &text);
// The given names: at most 200 characters after the first space, trimmed;
// the empty text when there is no space.
QString RestWords(const QString &text);
// Trimmed, with no two spaces in a row.
QString SqueezeSpaces(const QString &text);

// "ianuarie" .. "decembrie".
const QStringList &MonthNames();
// The name of month 1..12; fails with kovara::Error for any other number.
QString MonthName(int month);

// The month paid as the request table stores it in PTLUNA: the month's name,
// ".", the year ("ianuarie.2008"). Numbering writes it and the ministry
// listing and workbook select by it, so all of them take it from here.
QString MonthPaidText(int month, int year);
// Reads "iulie.2007" (month name without regard to case); false when the
// text is not a month name, ".", and a four-digit year.
bool ParseMonthPaid(const QString &text, int &month, int &year);

// "05.ianuarie.2009": the day in two digits, the month's name, the year (the
// dates of dispositions and of the payroll's period).
QString DayMonthYearText(const QDate &date);

// The birth date of a personal numeric code as day, ".", month name, ".",
// year ("15.martie.2008"), the century by CnpBirthYear (the same rule as the
// code check: 7, 8, 9 never give a birth after today). Fails with kovara::Error when positions 2 to 7 are not
// digits or the month is not 1 to 12.
QString CnpBirthDate(const QString &cnp);

} // namespace kovara
