#include "shell/TextHelpers.h"

#include "base/Error.h"
#include "shell/CNP.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace kovara {

QString TrimControls(const QString &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.mid(b, e - b);
}

QString FirstWord(const QString &text)
{
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space < 0)
        return text;
    return TrimControls(text.left(space + 1));
}

QString RestWords(const QString &text)
{
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space < 0)
        return QString();
    return TrimControls(text.mid(space + 1, 200));
}

QString SqueezeSpaces(const QString &text)
{
    const QString trimmed = TrimControls(text);
    QString out;
    out.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (c == QLatin1Char(' ') && out.endsWith(QLatin1Char(' ')))
            continue;
        out += c;
    }
    return out;
}

const QStringList &MonthNames()
{
    static const QStringList names{"ianuarie",   "februarie", "martie",    "aprilie",
                                   "mai",        "iunie",     "iulie",     "august",
                                   "septembrie", "octombrie", "noiembrie", "decembrie"};
    return names;
}

QString MonthName(int month)
{
    if (month < 1 || month > 12)
        throw Error(QStringLiteral("Luna %1 nu exista.").arg(month));
    return MonthNames().at(month - 1);
}

QString MonthPaidText(int month, int year)
{
    return MonthName(month) + QLatin1Char('.') + QString::number(year);
}

bool ParseMonthPaid(const QString &text, int &month, int &year)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 2)
        return false;
    month = int(MonthNames().indexOf(parts[0].toLower())) + 1;
    bool ok = false;
    year = parts[1].toInt(&ok);
    return month >= 1 && ok && parts[1].size() == 4;
}

QString DayMonthYearText(const QDate &date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(MonthName(date.month()))
        .arg(date.year());
}

QString CnpBirthDate(const QString &cnp)
{
    const auto isDigit = [&](int at) {
        return at < cnp.size() && cnp[at] >= QLatin1Char('0') && cnp[at] <= QLatin1Char('9');
    };
    const auto twoDigits = [&](int at) {
        if (!isDigit(at) || !isDigit(at + 1))
            throw Error(QStringLiteral("Codul numeric personal %1 nu contine o data de nastere.").arg(cnp));
        return (cnp[at].unicode() - '0') * 10 + (cnp[at + 1].unicode() - '0');
    };
    const int yy = twoDigits(1), month = twoDigits(3), day = twoDigits(5);
    if (month < 1 || month > 12)
        throw Error(QStringLiteral("Codul numeric personal %1 are luna nasterii %2, care nu exista.")
                        .arg(cnp, QString::number(month)));
    const int year = CnpBirthYear(cnp.isEmpty() ? QChar() : cnp[0], yy, month, day);
    return QStringLiteral("%1.%2.%3").arg(day, 2, 10, QLatin1Char('0')).arg(MonthName(month)).arg(year);
}

} // namespace kovara
