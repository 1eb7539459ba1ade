#include "documents/Models.h"
#include "base/FileNames.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "base/SaveFile.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovara {
namespace {

// The resource of a model: its file among the program's resources, found by
// the model's name in capitals.
QString modelResource(const QString &model)
{
    for (const QString &name : ModelNames())
        if (name.compare(model, Qt::CaseInsensitive) == 0)
            return QStringLiteral(":/models/") + name + QStringLiteral(".rtf");
    return {};
}

} // namespace

const QStringList &ModelNames()
{
    static const QStringList names{QStringLiteral("Disp3"), QStringLiteral("Disp4"), QStringLiteral("Anx3"),
                                   QStringLiteral("Cerere")};
    return names;
}

QByteArray ModelBytes(const QString &model)
{
    const QString path = modelResource(model);
    QFile resource(path);
    if (path.isEmpty() || !resource.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Modelul %1 nu exista in program.").arg(model));
    return resource.readAll();
}

QString TemplatePath(const QString &dataDir, const QString &name)
{
    return findFileNoCase(QDir(dataDir).filePath(name + QStringLiteral(".rtf")));
}

bool ExtractModel(const QString &model, const QString &file)
{
    if (QFileInfo::exists(file))
        return false;
    const QByteArray bytes = ModelBytes(model);
    QString reason;
    if (!SaveBytes(file, bytes, &reason))
        throw Error(
            QStringLiteral("Modelul %1 nu poate fi scris: %2.").arg(QDir::toNativeSeparators(file), reason));
    return true;
}

void ExtractModels(const QString &dataDir)
{
    for (const QString &name : ModelNames())
        ExtractModel(name, TemplatePath(dataDir, name));
}

void InstallTemplateRefresh()
{
    setTemplateRefresh([] { ExtractModels(DataDir()); });
}

} // namespace kovara
