#include "engines/report/ReportLayout.h"

#include "base/Error.h"

namespace kovara::report {

Element Label(const QString &text, double top, Place place, FontSpec font)
{
    Element e;
    e.kind = ElementKind::Label;
    e.text = text;
    e.top = top;
    e.place = place;
    e.font = font;
    return e;
}

Element NamedLabel(const QString &name, double top, Place place, FontSpec font, const QString &caption)
{
    Element e = Label(caption, top, place, font);
    e.name = name;
    return e;
}

Element Field(const QString &column, double top, Place place, FontSpec font, Box box)
{
    Element e;
    e.kind = ElementKind::Field;
    e.name = column;
    e.top = top;
    e.place = place;
    e.font = font;
    e.box = box;
    return e;
}

Element DetailNumber(double top, Place place, FontSpec font)
{
    Element e;
    e.kind = ElementKind::DetailNumber;
    e.top = top;
    e.place = place;
    e.font = font;
    return e;
}

Element Sum(const QString &column, double top, Place place, FontSpec font)
{
    Element e = Field(column, top, place, font);
    e.kind = ElementKind::Sum;
    return e;
}

const Band *Layout::band(BandKind kind) const
{
    for (const Band &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

Element &Layout::label(const QString &name)
{
    for (Band &b : bands)
        for (Element &e : b.elements)
            if (e.kind == ElementKind::Label && e.name == name)
                return e;
    throw Error(QStringLiteral("Macheta %1 nu are eticheta %2.").arg(this->name, name));
}

void Layout::setText(const QString &labelName, const QString &text)
{
    label(labelName).text = text;
}

void Layout::setVisible(const QString &labelName, bool visible)
{
    label(labelName).visible = visible;
}

} // namespace kovara::report
