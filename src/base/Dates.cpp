#include "base/Dates.h"

#include <utility>

#include <QStringList>

namespace kovara {

QString ShortDateFormat()
{
    return QStringLiteral("dd.MM.yyyy");
}

QString FormatDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    // Built by hand: QDate::toString with a format is locale-free only for
    // numeric fields, and this keeps it so whatever the format grows into.
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QDate ParseDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 10 || t[2] != QLatin1Char('.') || t[5] != QLatin1Char('.'))
        return {};
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!t[i].isDigit() || t[i].unicode() > '9')
            return {};
    }
    return QDate(t.mid(6, 4).toInt(), t.mid(3, 2).toInt(), t.left(2).toInt());
}

QDate ParseTypedDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    // One kind of separator: dots or slashes (day first), or dashes (year
    // first when it has four digits, as ISO writes it).
    QChar separator;
    for (QChar c : t) {
        if (c.isDigit() && c.unicode() <= '9')
            continue;
        if (c != QLatin1Char('.') && c != QLatin1Char('/') && c != QLatin1Char('-'))
            return {};
        if (!separator.isNull() && c != separator)
            return {};
        separator = c;
    }
    QStringList parts = separator.isNull() ? QStringList{t} : t.split(separator);
    if (parts.size() == 1) {
        if (t.size() != 8 && t.size() != 6)
            return {};
        parts = {t.left(2), t.mid(2, 2), t.mid(4)};
    }
    if (parts.size() != 3)
        return {};
    if (separator == QLatin1Char('-') && parts[0].size() == 4)
        std::swap(parts[0], parts[2]);
    const QString &d = parts[0], &m = parts[1], &y = parts[2];
    if (d.isEmpty() || d.size() > 2 || m.isEmpty() || m.size() > 2 || (y.size() != 4 && y.size() != 2))
        return {};
    const int year = y.size() == 2 ? 2000 + y.toInt() : y.toInt();
    return QDate(year, m.toInt(), d.toInt());
}

} // namespace kovara
