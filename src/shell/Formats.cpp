#include "shell/Formats.h"

#include <QLocale>

namespace kovara {
namespace {

QLocale fixedLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

} // namespace

QString ApplicationTitle()
{
    return QStringLiteral("Kovara");
}

QString TitleWithVersion()
{
    return QStringLiteral("Kovara v.1.25");
}

QString LineBreak()
{
    return QStringLiteral("\r\n");
}

void ApplyFixedFormats()
{
    QLocale::setDefault(fixedLocale());
}

} // namespace kovara
