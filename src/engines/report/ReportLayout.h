#pragma once

// A banded listing layout, as data: the page, up to four bands (title,
// column header, detail, summary) and their elements. Nothing here paints;
// the paginator turns a layout and the rows of a query into pages.
//
// All lengths are millimetres; element positions are relative to their band
// (the band's left edge is the page's left margin).

#include <QString>
#include <vector>

namespace kovara::report {

enum class Align { Left, Center, Right };

struct FontSpec
{
    double points = 10; // the layouts ask for Arial (or Liberation Sans)
    bool bold = false;
    bool operator==(const FontSpec &) const = default;
};

// Where an element sits: for Left the anchor is its left edge, for Right its
// right edge, for Center its centre. toBand puts it at the band's left edge,
// centre or right edge according to the alignment, whatever the anchor.
struct Place
{
    Align align = Align::Left;
    double x = 0;
    bool toBand = false;
};
inline Place L(double x)
{
    return {Align::Left, x, false};
}
inline Place R(double x)
{
    return {Align::Right, x, false};
}
inline Place BandLeft()
{
    return {Align::Left, 0, true};
}
inline Place BandRight()
{
    return {Align::Right, 0, true};
}
inline Place Centred()
{
    return {Align::Center, 0, true};
}

// The box of an element. width 0 means auto size (as wide as its text).
// wrap: text longer than the width continues on further lines; stretch: the
// element (and its band) grows to show every line; without stretch a wrapped
// element keeps `height` (0: the rest of the band below its top) and shows
// the lines that fit. A fixed-width element without wrap clips its text at
// its edges.
struct Box
{
    double width = 0;
    bool wrap = false;
    bool stretch = false;
    double height = 0;
};

enum class ElementKind { Label, Field, DetailNumber, Sum };

struct Element
{
    ElementKind kind = ElementKind::Label;
    QString name; // labels: the name the listing sets its text by; fields and sums: the column
    QString text; // labels: the caption
    double top = 0;
    Place place;
    FontSpec font;
    Box box;
    bool visible = true;
};

Element Label(const QString &text, double top, Place place, FontSpec font);
// A label the listing changes at run time (its text, its visibility).
Element NamedLabel(const QString &name, double top, Place place, FontSpec font, const QString &caption = {});
Element Field(const QString &column, double top, Place place, FontSpec font, Box box = {});
Element DetailNumber(double top, Place place, FontSpec font);
Element Sum(const QString &column, double top, Place place, FontSpec font);

enum class BandKind { Title, ColumnHeader, Detail, Summary };

struct Band
{
    BandKind kind = BandKind::Detail;
    double height = 0;
    bool lineTop = false;    // frame line along the top edge
    bool lineBottom = false; // frame line along the bottom edge
    double lineWidth = 0.25; // mm
    std::vector<Element> elements;
};

// Frame lines of the bands: the column header's lines are thick, the line
// under each detail row thin.
constexpr double kThickLine = 0.5;
constexpr double kThinLine = 0.2;

enum class Orientation { Portrait, Landscape };
enum class Zoom { Actual, PageWidth }; // initial zoom of the preview

struct Layout
{
    QString name;       // "B2", "S1" ...
    QString printTitle; // names the print job ("BODEROU"; empty: none)
    Orientation orientation = Orientation::Portrait;
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
    Zoom zoom = Zoom::Actual;
    std::vector<Band> bands;
    // The page number of every page, centred in the bottom margin (outside
    // every band) in 8 pt: the text with %1 the page and %2 the number of
    // pages. Empty: no page numbers.
    QString pageNumberText;

    double pageWidth() const { return orientation == Orientation::Portrait ? 210.0 : 297.0; } // A4
    double pageHeight() const { return orientation == Orientation::Portrait ? 297.0 : 210.0; }
    double bandWidth() const { return pageWidth() - marginLeft - marginRight; }

    const Band *band(BandKind kind) const;
    // The label named `name`; fails (kovara::Error) when there is none.
    Element &label(const QString &name);
    void setText(const QString &labelName, const QString &text);
    void setVisible(const QString &labelName, bool visible);
};

} // namespace kovara::report
