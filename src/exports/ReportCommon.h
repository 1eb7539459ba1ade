#pragma once

// What the finance and treasury files share: the refusals with their
// titles, the municipality's county number and fiscal code, the filling of
// a copy of a model table, and the advice to update the program.

#include "base/Error.h"
#include "data/Workspace.h"
#include "engines/dbf/Dbf.h"

#include <QDate>
#include <QString>
#include <functional>

namespace kovara {

// The advice in every message about a file the installation should have
// supplied (model tables, the annex template).
inline constexpr char UpdateAdvice[] = "Actualizati programul de pe pagina proiectului !";

// A report operation refused before it produced anything: the message
// dialog shows the title and the text as an error.
class ReportRefusal : public Error
{
public:
    ReportRefusal(QString title, QString text);
    const QString &title() const noexcept { return m_title; }

private:
    QString m_title;
};

// What a finished report operation tells the user.
struct ReportOutcome
{
    QString path;  // the file written
    int rows = 0;  // rows of requests written
    QString title; // of the closing information
    QString text;
};

// Requests of one kind (TIP) registered from `from` to `to`, inclusive.
struct RequestSelection
{
    QString tip;
    QDate from;
    QDate to;
};

// Called with (0, total) before the first row and (done, total) after each.
using ReportProgress = std::function<void(int, int)>;

// The county's position 1..42 in the county list, from the constants.
// Refused (titled `title`) when the constants name no county.
int CountyNumber(const MunicipalityConstants &c, const QString &title);
// The fiscal code of the constants; refused with "Codul Fiscal de la
// Administrare este incorect !" (titled `title`) when it has fewer than 7
// characters or anything but letters and digits (it becomes part of a file
// name).
QString CheckedFiscalCode(const MunicipalityConstants &c, const QString &title);

// The model table `modelName` of the program folder; refused with "Nu exista
// fisierul <modelName>!" and the update advice when it is missing.
QString ModelTable(const Workspace &ws, const QString &modelName, const QString &title);

// Creates `folder` with its parents; refused with "Nu pot scrie in ..."
// when that fails.
void MakeReportFolder(const QString &folder, const QString &title);
// Refused with "Fisierul ... este utilizat!" when `path` exists and cannot
// be replaced.
void CheckReplaceable(const QString &path, const QString &title);

// Copies the model to a temporary file beside `target`, lets `fill` append
// the rows to it, and only then puts it under the target's name, replacing
// an older file. On any failure the temporary file is removed and an older
// file stays as it was. `inUseTitle` titles the refusal when the target
// cannot be replaced at the end.
void FillModelCopy(const QString &model, const QString &target, const QString &inUseTitle,
                   const std::function<void(dbf::Table &)> &fill);

// Sets a field by name in a raw record; a model without the field fails
// with kovara::Error naming the field.
void SetField(const dbf::Table &table, QByteArray &record, const char *name, const QVariant &value);

// An amount as a currency value: rounded to four decimals.
double Currency(double value);

} // namespace kovara
