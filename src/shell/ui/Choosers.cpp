#include "shell/ui/Choosers.h"

#include "shell/MesajRules.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/TestSeam.h"

#include <QDir>

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace kovara {
namespace {

// "Name|*.ext" (the program's own notation) becomes "Name (*.ext)".
QString qtFilter(const QString &filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}

QString answered(const QString &kind, const QString &title, bool &fromSeam)
{
    QString path;
    fromSeam = seam::takeChoice(path);
    if (fromSeam)
        seam::recordChooser({kind, title});
    return path;
}

} // namespace

QString ChooseOpenFile(QWidget *parent, const QString &title, const QString &filter)
{
    bool fromSeam = false;
    QString path = answered(QStringLiteral("open"), title, fromSeam);
    if (!fromSeam)
        path = QFileDialog::getOpenFileName(parent, title, QString(), qtFilter(filter));
    return path;
}

QString ChooseSaveFile(QWidget *parent, const QString &title, const QString &filter,
                       const QString &defaultSuffix, const QString &replaceQuestion)
{
    bool fromSeam = false;
    QString path = answered(QStringLiteral("save"), title, fromSeam);
    if (!fromSeam) {
        QFileDialog dialog(parent, title, QString(), qtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        // The program asks about replacing an existing file itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        path = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    }
    if (!path.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + defaultSuffix;
    if (!path.isEmpty() && QFileInfo::exists(path) &&
        Mesaj(QStringLiteral("Atentionare"), replaceQuestion.arg(QDir::toNativeSeparators(path)), KindAtentie,
              BtnDa | BtnNu, BtnNu) != ResDa)
        return QString();
    return path;
}

QString DesktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString ChooseFolder(QWidget *parent, const QString &title, const QString &startDir)
{
    bool fromSeam = false;
    QString path = answered(QStringLiteral("folder"), title, fromSeam);
    if (!fromSeam)
        path = QFileDialog::getExistingDirectory(parent, title, startDir);
    return path;
}

} // namespace kovara
