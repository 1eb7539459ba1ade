#include "engines/report/ReportText.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <map>
#include <memory>

namespace kovara::report {
namespace {

// Text is drawn without shaping and kerning, so that a text's width is the
// sum of its characters' advances: measured once per character and font.
struct Metrics
{
    QFontMetricsF metrics;
    double lineHeight;
    double ascent;
    QHash<char16_t, double> advances; // mm

    double advance(QChar c)
    {
        auto it = advances.constFind(c.unicode());
        if (it == advances.constEnd())
            it = advances.insert(c.unicode(), metrics.horizontalAdvance(c) / kUnitsPerMm);
        return *it;
    }
};

Metrics &metricsOf(const FontSpec &style)
{
    // The program measures from the user-interface thread only.
    static std::map<std::pair<int, bool>, std::unique_ptr<Metrics>> cache;
    const auto key = std::make_pair(int(std::lround(style.points * 10)), style.bold);
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QFontMetricsF fm(ReportFont(style));
        auto m = std::make_unique<Metrics>(
            Metrics{fm, (fm.ascent() + fm.descent()) / kUnitsPerMm, fm.ascent() / kUnitsPerMm, {}});
        it = cache.emplace(key, std::move(m)).first;
    }
    return *it->second;
}

} // namespace

QString ReportFontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial"))
                                      ? QStringLiteral("Arial")
                                      : QStringLiteral("Liberation Sans");
    return family;
}

QFont ReportFont(const FontSpec &style)
{
    QFont font(ReportFontFamily());
    font.setPixelSize(int(std::lround(style.points * 10)));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferNoShaping));
    font.setKerning(false);
    return font;
}

double TextWidth(const FontSpec &style, const QString &text)
{
    Metrics &m = metricsOf(style);
    double width = 0;
    for (const QChar c : text)
        width += m.advance(c);
    return width;
}

double LineHeight(const FontSpec &style)
{
    return metricsOf(style).lineHeight;
}

double Ascent(const FontSpec &style)
{
    return metricsOf(style).ascent;
}

QStringList WrapText(const FontSpec &style, const QString &text, double width)
{
    QStringList lines;
    if (TextWidth(style, text) <= width)
        return lines << text;
    QString line;
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (TextWidth(style, joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        // A word wider than the whole line is cut between characters.
        while (TextWidth(style, word) > width && word.size() > 1) {
            qsizetype n = word.size() - 1;
            while (n > 1 && TextWidth(style, word.left(n)) > width)
                --n;
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    const double magnitude = std::fabs(value);
    const int whole = magnitude >= 1 ? int(std::floor(std::log10(magnitude))) + 1 : 0;
    QString s = QString::number(value, 'f', qBound(0, 15 - whole, 15));
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString DisplayText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::Double:
    case QMetaType::Float:
        return NumberText(value.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    default:
        break;
    }
    QString s = value.toString();
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    s.truncate(n);
    return s;
}

} // namespace kovara::report
