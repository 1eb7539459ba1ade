#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kovara::test {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QString unescape(QString s)
{
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

} // namespace

QRectF PdfPage::find(const QString &text, int n) const
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    for (size_t i = 0; i + parts.size() <= words.size(); ++i) {
        QRectF box;
        bool match = true;
        for (qsizetype k = 0; k < parts.size() && match; ++k) {
            const PdfWord &w = words[i + size_t(k)];
            match = w.text == parts[k] && (k == 0 || std::abs(w.box.top() - box.top()) < 0.5);
            box = k == 0 ? w.box : box.united(w.box);
        }
        if (match && n-- == 0)
            return box;
    }
    return {};
}

int PdfPage::count(const QString &text) const
{
    int n = 0;
    while (!find(text, n).isNull())
        ++n;
    return n;
}

QString PdfPage::joined() const
{
    QStringList all;
    for (const PdfWord &w : words)
        all << w.text;
    return all.join(u' ');
}

std::vector<PdfPage> readPdf(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pageRe(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfPage> pages;
    qsizetype pos = 0;
    while (true) {
        const QRegularExpressionMatch pm = pageRe.match(html, pos);
        if (!pm.hasMatch())
            break;
        PdfPage page;
        page.width = pm.captured(1).toDouble() * kMmPerPoint;
        page.height = pm.captured(2).toDouble() * kMmPerPoint;
        const qsizetype end = html.indexOf(QLatin1String("</page>"), pm.capturedEnd());
        auto it = wordRe.globalMatch(html.mid(pm.capturedEnd(), end - pm.capturedEnd()));
        while (it.hasNext()) {
            const QRegularExpressionMatch wm = it.next();
            const double x0 = wm.captured(1).toDouble() * kMmPerPoint,
                         y0 = wm.captured(2).toDouble() * kMmPerPoint;
            const double x1 = wm.captured(3).toDouble() * kMmPerPoint,
                         y1 = wm.captured(4).toDouble() * kMmPerPoint;
            page.words.push_back({unescape(wm.captured(5)), QRectF(QPointF(x0, y0), QPointF(x1, y1))});
        }
        pages.push_back(std::move(page));
        pos = end;
    }
    return pages;
}

} // namespace kovara::test
