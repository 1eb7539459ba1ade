#include "shell/Formats.h"

#include <QLocale>

namespace kovara {
namespace {

bool g_accessGranted = false;

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

bool AccessGranted()
{
    return g_accessGranted;
}

void setAccessGranted(bool granted)
{
    g_accessGranted = granted;
}

void ApplyFixedFormats()
{
    QLocale::setDefault(fixedLocale());
}

} // namespace kovara
