#include "shell/OpenDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kovara {
namespace {

using Opener = std::function<void(const QString &, const QString &)>;

Opener &opener()
{
    static Opener f;
    return f;
}

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

void openWithDesktop(const QString &path, const QString &workingDir)
{
#ifdef Q_OS_WIN
    QProcess::startDetached(
        QStringLiteral("cmd.exe"),
        {QStringLiteral("/c"), QStringLiteral("start"), QString(), QDir::toNativeSeparators(path)},
        workingDir);
#elif defined(Q_OS_MACOS)
    QProcess::startDetached(QStringLiteral("open"), {path}, workingDir);
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {path}, workingDir);
#endif
}

} // namespace

void OpenDocument(const QString &path, const QString &workingDir)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (seamState().active) {
        seamState().requests.append({path, workingDir});
        return;
    }
    if (opener())
        opener()(path, workingDir);
    else
        openWithDesktop(path, workingDir);
}

void setDocumentOpener(Opener f)
{
    opener() = std::move(f);
}

namespace openseam {

void activate()
{
    seamState() = SeamState{};
    seamState().active = true;
}

void deactivate()
{
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
