#include "exports/ReportCommon.h"
#include "base/CrashPoint.h"
#include "base/FileNames.h"
#include "base/Leftovers.h"
#include "base/SaveFile.h"

#include "base/Paths.h"
#include "data/Settings.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace kovara {
namespace {

QString closeOthers()
{
    return LineBreak() + QStringLiteral("Inchideti alte aplicatii si mai incercati odata!");
}

QString inUseText(const QString &path)
{
    return QStringLiteral("Fisierul ") + QDir::toNativeSeparators(path) + QStringLiteral(" este utilizat!") +
           closeOthers();
}

} // namespace

ReportRefusal::ReportRefusal(QString title, QString text)
    : Error(std::move(text))
    , m_title(std::move(title))
{
}

int CountyNumber(const MunicipalityConstants &c, const QString &title)
{
    const int county = CountyCode(c.JUDET);
    if (county == 0)
        throw ReportRefusal(title, QStringLiteral("Judetul de la Administrare este incorect !"));
    return county;
}

QString CheckedFiscalCode(const MunicipalityConstants &k, const QString &title)
{
    const QString cf = k.CF;
    bool plain = cf.size() >= 7;
    for (const QChar c : cf)
        plain = plain && c.unicode() < 128 && c.isLetterOrNumber();
    if (!plain)
        throw ReportRefusal(title, QStringLiteral("Codul Fiscal de la Administrare este incorect !"));
    return cf;
}

QString ModelTable(const Workspace &ws, const QString &modelName, const QString &title)
{
    const QString path = ws.programFile(modelName);
    if (!QFileInfo(path).isFile())
        throw ReportRefusal(title, QStringLiteral("Nu exista fisierul ") + modelName + QStringLiteral("!") +
                                       LineBreak() + QLatin1String(UpdateAdvice));
    return path;
}

void MakeReportFolder(const QString &folder, const QString &title)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw ReportRefusal(title, QStringLiteral("Nu pot scrie in ") + QDir::toNativeSeparators(folder) +
                                       QStringLiteral(" !") + closeOthers());
}

void CheckReplaceable(const QString &path, const QString &title)
{
    const QFileInfo fi(path);
    if (fi.exists() && (!fi.isFile() || !fi.isWritable()))
        throw ReportRefusal(title, inUseText(path));
}

void FillModelCopy(const QString &model, const QString &target, const QString &inUseTitle,
                   const std::function<void(dbf::Table &)> &fill)
{
    // What a run killed half-way left beside the target goes first.
    RemoveLeftoverCopies(target);
    QTemporaryFile temp(PassingFileTemplate(target));
    QFile source(model);
    if (!temp.open() || !source.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Nu pot copia ") + QDir::toNativeSeparators(model) +
                    QStringLiteral(" in ") + QDir::toNativeSeparators(QFileInfo(target).absolutePath()) +
                    QStringLiteral("."));
    const QByteArray bytes = source.readAll();
    if (temp.write(bytes) != bytes.size() || !temp.flush())
        throw Error(QStringLiteral("Nu pot scrie fisierul ") + QDir::toNativeSeparators(target) +
                    QStringLiteral(": ") + WriteFailureText(temp));
    temp.close();
    {
        std::unique_ptr<dbf::Table> table = dbf::Table::open(temp.fileName(), dbf::Mode::ReadWrite);
        fill(*table);
    }
    crashPoint("report-copy");
    // The finished copy takes the target's name in one step.
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(temp.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), ec);
    if (ec)
        throw ReportRefusal(inUseTitle, inUseText(target));
    temp.setAutoRemove(false);
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadGroup | QFile::ReadOther);
}

void SetField(const dbf::Table &table, QByteArray &record, const char *name, const QVariant &value)
{
    const int i = table.fieldIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Tabelul model nu are coloana ") + QLatin1String(name) +
                    QStringLiteral(".") + LineBreak() + QLatin1String(UpdateAdvice));
    dbf::encodeField(table.fields().at(i), value, record);
}

double Currency(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

} // namespace kovara
