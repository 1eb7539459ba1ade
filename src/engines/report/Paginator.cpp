#include "engines/report/Paginator.h"

#include "base/Error.h"
#include "engines/report/ReportText.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace kovara::report {

int TableRows::column(const QString &name) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

namespace {

constexpr double kEpsilon = 1e-6;
// The smallest size a text is drawn in to fit its element.
constexpr double kSmallestPoints = 6;
// The least room kept between a text sized by its content and the text
// beside it on the same line (a total and its "TOTAL :" label).
constexpr double kNeighbourGap = 1.5;

// A band laid out on its own, positions relative to its top-left corner.
struct BandPlacement
{
    double height = 0;
    std::vector<PlacedText> texts;
};

// A text whose width comes from its content, and the side it is anchored on.
struct ContentSized
{
    std::size_t index;
    Align align;
};

bool SameLine(const PlacedText &a, const PlacedText &b)
{
    return a.top < b.top + LineHeight(b.font) - kEpsilon && b.top < a.top + LineHeight(a.font) - kEpsilon;
}

double RightEdge(const PlacedText &t)
{
    return t.clipped ? std::min(t.left + t.width, t.clip.right()) : t.left + t.width;
}

// A value sized by its content grows away from its anchor (a right-aligned
// total grows leftwards); labels stay as the layout has them. When it would come closer than kNeighbourGap to
// a text beside it on the same line it is drawn smaller, down to kSmallestPoints, keeping its anchor.
void KeepApart(std::vector<PlacedText> &texts, const std::vector<ContentSized> &sized)
{
    for (const ContentSized &s : sized) {
        PlacedText &t = texts[s.index];
        if (s.align == Align::Center)
            continue;
        const double right = t.left + t.width;
        const double centre = t.left + t.width / 2;
        double room = -1;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const PlacedText &o = texts[i];
            if (i == s.index || !SameLine(t, o))
                continue;
            const double oCentre = o.left + o.width / 2;
            if (s.align == Align::Right && oCentre < centre)
                room = std::max(room, RightEdge(o) + kNeighbourGap);
            else if (s.align == Align::Left && oCentre > centre)
                room = room < 0 ? o.left - kNeighbourGap : std::min(room, o.left - kNeighbourGap);
        }
        if (room < 0)
            continue;
        const double available = s.align == Align::Right ? right - room : room - t.left;
        while (t.width > available + kEpsilon && t.font.points > kSmallestPoints) {
            t.font.points = std::max(kSmallestPoints, t.font.points - 0.5);
            t.width = TextWidth(t.font, t.text);
        }
        if (s.align == Align::Right)
            t.left = right - t.width;
    }
}

class Runner
{
public:
    Runner(const Layout &layout, const ReportRows &rows)
        : m_layout(layout)
        , m_rows(rows)
        , m_bandWidth(layout.bandWidth())
    {
        for (const Band &band : layout.bands)
            for (const Element &e : band.elements)
                if (e.kind == ElementKind::Field || e.kind == ElementKind::Sum)
                    columnOf(e.name);
    }

    ReportDocument run();

private:
    int columnOf(const QString &name);
    QString textOf(const Element &e);
    BandPlacement place(const Band &band);
    void put(const Band &band, const BandPlacement &placed);
    void newPage();
    void numberPages();

    const Layout &m_layout;
    const ReportRows &m_rows;
    const double m_bandWidth;
    QHash<QString, int> m_columns;
    // Sums in ten-thousandths, added as whole numbers: a total of many
    // amounts carries no binary noise (48 x 83.3333 is 3999.9984).
    QHash<QString, qint64> m_sums;
    int m_row = -1;   // current row; -1 before the first
    int m_number = 0; // detail bands printed
    ReportDocument m_doc;
    double m_y = 0;
    bool m_bodyOnPage = false;
};

int Runner::columnOf(const QString &name)
{
    auto it = m_columns.constFind(name);
    if (it != m_columns.constEnd())
        return *it;
    const int c = m_rows.column(name);
    if (c < 0)
        throw Error(QStringLiteral("Macheta %1 cere coloana %2, care lipseste din interogare.")
                        .arg(m_layout.name, name));
    m_columns.insert(name, c);
    return c;
}

QString Runner::textOf(const Element &e)
{
    switch (e.kind) {
    case ElementKind::Label:
        return e.text;
    case ElementKind::Field:
        return m_row >= 0 ? DisplayText(m_rows.value(m_row, columnOf(e.name))) : QString();
    case ElementKind::DetailNumber:
        return QString::number(m_number);
    case ElementKind::Sum:
        return NumberText(double(m_sums.value(e.name)) / 10000.0);
    }
    return QString();
}

BandPlacement Runner::place(const Band &band)
{
    BandPlacement out;
    std::vector<ContentSized> sized;
    double growth = 0;
    for (const Element &e : band.elements) {
        if (!e.visible)
            continue;
        const QString text = textOf(e);
        // A text that does not fit its element is drawn in a smaller size of
        // the same font, down to kSmallestPoints, and only then cut.
        FontSpec font = e.font;
        const bool autoSize = e.box.width <= 0;
        QStringList lines;
        double width = e.box.width;
        if (autoSize) {
            lines << text;
            width = TextWidth(font, text);
        } else if (e.box.wrap && !e.box.stretch) {
            const double room = e.box.height > 0 ? e.box.height : band.height - e.top;
            const auto fitting = [&](const FontSpec &f) {
                return std::max<qsizetype>(1, qsizetype(std::floor(room / LineHeight(f) + kEpsilon)));
            };
            lines = WrapText(font, text, width);
            while (lines.size() > fitting(font) && font.points > kSmallestPoints) {
                font.points = std::max(kSmallestPoints, font.points - 0.5);
                lines = WrapText(font, text, width);
            }
            if (lines.size() > fitting(font))
                lines = lines.mid(0, fitting(font));
        } else if (e.box.wrap) {
            lines = WrapText(font, text, width);
        } else {
            while (TextWidth(font, text) > width + kEpsilon && font.points > kSmallestPoints)
                font.points = std::max(kSmallestPoints, font.points - 0.5);
            lines << text;
        }
        const double lineHeight = LineHeight(font);
        if (e.box.stretch)
            growth = std::max(growth, (lines.size() - 1) * lineHeight);

        double boxLeft = 0;
        const double anchor = e.place.toBand ? (e.place.align == Align::Left     ? 0.0
                                                : e.place.align == Align::Center ? m_bandWidth / 2
                                                                                 : m_bandWidth)
                                             : e.place.x;
        switch (e.place.align) {
        case Align::Left:
            boxLeft = anchor;
            break;
        case Align::Center:
            boxLeft = anchor - width / 2;
            break;
        case Align::Right:
            boxLeft = anchor - width;
            break;
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            PlacedText t;
            t.text = lines[i];
            t.font = font;
            t.width = autoSize ? width : TextWidth(font, t.text);
            t.top = e.top + i * lineHeight;
            switch (e.place.align) {
            case Align::Left:
                t.left = boxLeft;
                break;
            case Align::Center:
                t.left = boxLeft + (width - t.width) / 2;
                break;
            case Align::Right:
                t.left = boxLeft + width - t.width;
                break;
            }
            if (!autoSize && t.width > width + kEpsilon) {
                t.clipped = true;
                t.clip = QRectF(boxLeft, t.top, width, lineHeight);
            }
            if (t.text.isEmpty())
                continue;
            if (autoSize && e.kind != ElementKind::Label)
                sized.push_back({out.texts.size(), e.place.align});
            out.texts.push_back(std::move(t));
        }
    }
    KeepApart(out.texts, sized);
    out.height = band.height + growth;
    return out;
}

void Runner::put(const Band &band, const BandPlacement &placed)
{
    Page &page = m_doc.pages.back();
    const double x0 = m_layout.marginLeft;
    for (PlacedText t : placed.texts) {
        t.left += x0;
        t.top += m_y;
        t.clip.translate(x0, m_y);
        page.texts.push_back(std::move(t));
    }
    if (band.lineTop)
        page.lines.push_back({x0, m_y, x0 + m_bandWidth, m_y, band.lineWidth});
    if (band.lineBottom)
        page.lines.push_back(
            {x0, m_y + placed.height, x0 + m_bandWidth, m_y + placed.height, band.lineWidth});
    m_y += placed.height;
}

void Runner::numberPages()
{
    if (m_layout.pageNumberText.isEmpty())
        return;
    const FontSpec font{8, false};
    const double margin = m_layout.marginBottom;
    const double top = m_layout.pageHeight() - margin + std::max(0.0, (margin - LineHeight(font)) / 2);
    const QString pages = QString::number(m_doc.pages.size());
    for (std::size_t i = 0; i < m_doc.pages.size(); ++i) {
        PlacedText t;
        t.text = m_layout.pageNumberText.arg(QString::number(i + 1), pages);
        t.font = font;
        t.width = TextWidth(font, t.text);
        t.left = (m_layout.pageWidth() - t.width) / 2;
        t.top = top;
        m_doc.pages[i].texts.push_back(t);
    }
}

void Runner::newPage()
{
    m_doc.pages.emplace_back();
    m_y = m_layout.marginTop;
    m_bodyOnPage = false;
    if (const Band *header = m_layout.band(BandKind::ColumnHeader); header && m_doc.pages.size() > 1)
        put(*header, place(*header));
}

ReportDocument Runner::run()
{
    m_doc.title = m_layout.printTitle;
    m_doc.orientation = m_layout.orientation;
    m_doc.pageWidth = m_layout.pageWidth();
    m_doc.pageHeight = m_layout.pageHeight();
    m_doc.zoom = m_layout.zoom;
    const double bottom = m_layout.pageHeight() - m_layout.marginBottom;

    newPage();
    if (const Band *title = m_layout.band(BandKind::Title))
        put(*title, place(*title));
    if (const Band *header = m_layout.band(BandKind::ColumnHeader))
        put(*header, place(*header));

    // Places a body band, on a new page when it does not fit below the last
    // one (a band taller than a whole page is placed all the same).
    auto body = [&](const Band &band) {
        BandPlacement placed = place(band);
        if (m_bodyOnPage && m_y + placed.height > bottom + kEpsilon) {
            newPage();
            placed = place(band);
        }
        put(band, placed);
        m_bodyOnPage = true;
    };

    QStringList sumColumns;
    for (const Band &band : m_layout.bands)
        for (const Element &e : band.elements)
            if (e.kind == ElementKind::Sum && !sumColumns.contains(e.name))
                sumColumns << e.name;
    for (const QString &c : sumColumns)
        m_sums.insert(c, 0);

    const Band *detail = m_layout.band(BandKind::Detail);
    const Band *summary = m_layout.band(BandKind::Summary);
    const int count = m_rows.count();
    for (m_row = 0; m_row < count; ++m_row) {
        ++m_number;
        for (const QString &c : sumColumns) {
            const QVariant v = m_rows.value(m_row, columnOf(c));
            if (!v.isNull())
                m_sums[c] += std::llround(v.toDouble() * 10000.0);
        }
        if (!detail)
            continue;
        // The summary never stands alone on a page: when the last row would
        // fit but the summary after it would not, the last row goes with the
        // summary to the next page.
        if (summary && m_row == count - 1 && m_bodyOnPage) {
            const double row = place(*detail).height;
            if (m_y + row <= bottom + kEpsilon && m_y + row + place(*summary).height > bottom + kEpsilon)
                newPage();
        }
        body(*detail);
    }
    m_row = count > 0 ? count - 1 : -1;
    if (summary)
        body(*summary);
    m_doc.rows = m_number;
    numberPages();
    return std::move(m_doc);
}

} // namespace

ReportDocument Paginate(const Layout &layout, const ReportRows &rows)
{
    Runner runner(layout, rows);
    return runner.run();
}

} // namespace kovara::report
