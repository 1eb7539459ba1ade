#pragma once

// Checks of the Romanian personal numeric code (C.N.P., 13 digits) and of
// the fiscal code (C.I.F.). Pure functions of the text: they report nothing,
// the calling window shows its own message.

#include <QDate>
#include <QString>

namespace kovara {

// True when the text is a valid personal numeric code: 13 digits, a first
// digit of 1, 2, 5, 6, 7, 8 or 9, a real calendar date and a fitting check
// digit. An empty text gives acceptEmpty (false in every window).
bool Corect(QStringView cnp, bool acceptEmpty = false);

// The year of birth of a code with first character `first` and the two-digit
// year yy, born on day/month: 1 and 2 the 1900s, 3 and 4 the 1800s, 5 and 6
// the 2000s; any other first character (7, 8, 9 for residents, who carry no
// century) the 2000s unless that puts the birth date after today, then the
// 1900s. The one rule of the code check, the birth date and the documents.
int CnpBirthYear(QChar first, int yy, int month, int day, const QDate &today = QDate::currentDate());

// The birth date read from the code: the zero date 30.12.1899 for a text
// shorter than 7 characters or with a date part that is not a number,
// 01.01.1900 for an impossible date.
QDate NascutLa(QStringView cnp);

// The zero date of the program's dates (30.12.1899).
QDate zeroDate();

// "masculin" for an empty text or a first digit of 1, 5, 7 or 9, otherwise
// "feminin".
QString Sex(QStringView cnp);

// True when the text is a valid fiscal code, with or without the "RO"
// prefix.
bool CodFiscalCorect(QStringView text);

// For the clean-up of stored data: a code read from the request table
// (trailing blanks of the fixed-width column ignored) that is filled in and
// fails the check. An empty code is reported only when required is true.
bool storedCnpWrong(QStringView stored, bool required);

} // namespace kovara
