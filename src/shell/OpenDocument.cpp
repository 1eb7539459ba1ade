#include "shell/OpenDocument.h"

#include "base/Error.h"
#include "shell/NumberedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kovara {
namespace {

struct SeamState
{
    bool active = false;
    QList<openseam::OpenRequest> requests;
};

SeamState &seamState()
{
    static SeamState s;
    return s;
}

bool openWithDesktop(const QString &path, const QString &workingDir)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(
        QStringLiteral("cmd.exe"),
        {QStringLiteral("/c"), QStringLiteral("start"), QString(), QDir::toNativeSeparators(path)},
        workingDir);
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {path}, workingDir);
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path}, workingDir);
#endif
}

} // namespace

void OpenDocument(const QString &path, const QString &workingDir)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    NoteHandedToApplication(path);
    if (seamState().active) {
        seamState().requests.append({path, workingDir});
        return;
    }
    const bool opened = openWithDesktop(path, workingDir);
    if (!opened)
        throw Error(QStringLiteral("Fisierul %1 nu poate fi deschis: nu exista o aplicatie asociata.")
                        .arg(QDir::toNativeSeparators(path)));
}

namespace openseam {

void activate()
{
    ForgetHandedFiles();
    seamState() = SeamState{};
    seamState().active = true;
}

void deactivate()
{
    ForgetHandedFiles();
    seamState() = SeamState{};
}

bool active()
{
    return seamState().active;
}

const QList<OpenRequest> &requests()
{
    return seamState().requests;
}

} // namespace openseam
} // namespace kovara
