#include "shell/ui/DesktopOpen.h"

#include "base/Error.h"
#include "shell/ui/TestSeam.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace kovara {

void OpenWithAssociatedApplication(const QString &path)
{
    if (seam::recordOpenedFile(path))
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi deschis: nu exista o aplicatie asociata.")
                        .arg(QDir::toNativeSeparators(path)));
}

} // namespace kovara
