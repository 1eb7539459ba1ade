#include "shell/CNP.h"

#include <tuple>

namespace kovara {
namespace {

bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int digit(QStringView s, qsizetype i)
{
    return s.at(i).unicode() - '0';
}

// Two characters read as a number; -1 when they are not two digits.
int twoDigits(QStringView s, qsizetype from)
{
    QStringView part = s.mid(from, 2);
    if (part.size() != 2 || !allDigits(part))
        return -1;
    return digit(part, 0) * 10 + digit(part, 1);
}

} // namespace

int CnpBirthYear(QChar first, int yy, int month, int day, const QDate &today)
{
    switch (first.unicode()) {
    case '1':
    case '2':
        return 1900 + yy;
    case '3':
    case '4':
        return 1800 + yy;
    case '5':
    case '6':
        return 2000 + yy;
    default:
        break;
    }
    // 7, 8 and 9 (residents) carry no century: the 2000s unless that puts
    // the birth after today. Compared as (year, month, day) so that an
    // impossible day still gets a century.
    const int year = 2000 + yy;
    const bool afterToday =
        std::tuple(year, month, day) > std::tuple(today.year(), today.month(), today.day());
    return afterToday ? year - 100 : year;
}

QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

bool Corect(QStringView cnp, bool acceptEmpty)
{
    if (cnp.isEmpty())
        return acceptEmpty;
    if (cnp.size() != 13 || !allDigits(cnp))
        return false;
    const int first = digit(cnp, 0);
    if (first == 0 || first == 3 || first == 4)
        return false;
    const int month = twoDigits(cnp, 3), day = twoDigits(cnp, 5);
    const int year = CnpBirthYear(cnp.at(0), twoDigits(cnp, 1), month, day);
    if (!QDate::isValid(year, month, day))
        return false;
    static const int weights[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += digit(cnp, i) * weights[i];
    int check = sum % 11;
    if (check == 10)
        check = 1;
    return check == digit(cnp, 12);
}

QDate NascutLa(QStringView cnp)
{
    if (cnp.size() < 7)
        return zeroDate();
    const int yy = twoDigits(cnp, 1), mm = twoDigits(cnp, 3), dd = twoDigits(cnp, 5);
    if (yy < 0 || mm < 0 || dd < 0)
        return zeroDate();
    const int year = CnpBirthYear(cnp.at(0), yy, mm, dd);
    if (!QDate::isValid(year, mm, dd))
        return QDate(1900, 1, 1);
    return QDate(year, mm, dd);
}

QString Sex(QStringView cnp)
{
    if (cnp.isEmpty())
        return QStringLiteral("masculin");
    switch (cnp.at(0).unicode()) {
    case '1':
    case '5':
    case '7':
    case '9':
        return QStringLiteral("masculin");
    default:
        return QStringLiteral("feminin");
    }
}

bool CodFiscalCorect(QStringView text)
{
    QStringView s = text.trimmed();
    if (s.size() < 2)
        return false;
    if (s.startsWith(QLatin1String("RO")))
        s = s.mid(2).trimmed();
    // Only plain digits: a sign or any other notation is not a fiscal code.
    if (s.isEmpty() || !allDigits(s) || s.size() > 10)
        return false;
    if (s.toLongLong() > 2147483647LL)
        return false;
    if (s.size() < 3)
        return false;
    const QString padded = s.toString().rightJustified(10, QLatin1Char('0'));
    static const int weights[9] = {7, 5, 3, 2, 1, 7, 5, 3, 2};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += digit(padded, i) * weights[i];
    return digit(padded, 9) == (sum * 10 % 11) % 10;
}

bool storedCnpWrong(QStringView stored, bool required)
{
    QStringView code = stored.trimmed();
    if (code.isEmpty())
        return required;
    return !Corect(code);
}

} // namespace kovara
