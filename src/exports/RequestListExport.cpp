#include "exports/RequestListExport.h"

#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/Leftovers.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "engines/dbf/Query.h"
#include "shell/NumberedFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <filesystem>
#include <vector>

static void registerListModel()
{
    Q_INIT_RESOURCE(listmodel);
}

namespace kovara {
namespace {

QString marker(const WorkbookValue &v)
{
    return v.toText().trimmed().toUpper();
}

// What each column of the template row receives.
struct ColumnPlan
{
    int column;
    int field; // the list's column; -1 for the position
};

// The list's current row, back where it was whatever happens.
class RowKeeper
{
public:
    explicit RowKeeper(Query &list)
        : m_list(list)
        , m_row(list.recNo())
    {
    }
    ~RowKeeper()
    {
        if (m_row >= 0)
            m_list.goTo(m_row);
    }

private:
    Query &m_list;
    int m_row;
};

} // namespace

QByteArray ListModelBytes()
{
    static const bool registered = (registerListModel(), true);
    Q_UNUSED(registered);
    QFile f(QStringLiteral(":/models/EXP/Model"));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Modelul EXP lipseste din program."));
    return f.readAll();
}

bool ExtractListModel(const QString &path)
{
    if (QFileInfo::exists(path))
        return false;
    const QByteArray bytes = ListModelBytes();
    QString reason;
    if (!SaveBytes(path, bytes, &reason))
        throw Error(QStringLiteral("Sablonul %1 nu poate fi scris: %2.").arg(NativePath(path), reason));
    return true;
}

bool RequestListExport::OpenTemplate(const QString &templatePath)
{
    if (!QFileInfo::exists(templatePath))
        return false;
    // The filled workbook goes beside its template, in the program folder.
    const QString folder = QFileInfo(templatePath).absolutePath();
    m_destination = FreeNumberedFile(folder, QStringLiteral("Dest"), QStringLiteral(".xls"), 100);
    if (m_destination.isEmpty())
        throw Error(QStringLiteral("In dosarul %1 nu mai este liber niciun nume Dest0.xls ... Dest100.xls; "
                                   "inchideti registrele deschise si incercati din nou.")
                        .arg(NativePath(folder)));
    m_book.OpenWorkbook(templatePath);
    m_book.SelectSheet(1);
    return true;
}

void RequestListExport::openModel()
{
    m_book.openBytes(ListModelBytes(), QStringLiteral("EXP/Model"));
    m_book.SelectSheet(1);
}

void RequestListExport::FillTemplate(Query &list, const std::function<void()> &afterRow)
{
    if (!list.isOpen())
        return;
    const int lastRow = m_book.LastRow(), lastColumn = m_book.LastColumn();
    int templateRow = 0;
    for (int r = 1; r <= lastRow && !templateRow; ++r)
        for (int c = 1; c <= lastColumn; ++c)
            if (marker(m_book.CellValue(r, c)) == QLatin1String("#DBF")) {
                m_book.SetCellValue(r, c, QString());
                templateRow = r;
                break;
            }
    if (!templateRow)
        return;

    // The copies are alike: read the markers of the template row once.
    const QStringList names = list.columnNames();
    std::vector<ColumnPlan> plan;
    for (int c = 1; c <= lastColumn; ++c) {
        const QString text = marker(m_book.CellValue(templateRow, c));
        if (text == QLatin1String("%NRCRT")) {
            plan.push_back({c, -1});
            continue;
        }
        for (int f = 0; f < names.size(); ++f)
            if (QLatin1Char('#') + names[f].toUpper() == text) {
                plan.push_back({c, f});
                break;
            }
    }

    // A long name or address is drawn smaller rather than cut at the
    // template's fixed row height and column width.
    for (const ColumnPlan &p : plan)
        if (p.field >= 0)
            m_book.ShrinkToFit(templateRow, p.column);

    RowKeeper keeper(list);
    const int count = list.rowCount();
    // A sheet of the .xls format holds 65,536 rows: a longer list is
    // refused whole, before anything is written, rather than cut.
    constexpr qint64 kSheetRows = kBiffSheetRows;
    const qint64 rowsAfter = qint64(lastRow) + count - 1;
    if (rowsAfter > kSheetRows)
        throw Error(
            QStringLiteral("Lista are %1 cereri, dar o foaie de calcul Excel (.xls) are cel mult %2 de "
                           "randuri, iar cu capul de tabel al modelului incap cel mult %3 cereri. Nu a "
                           "fost scris nimic; exportati lista pe parti (alt tip sau alt an) sau "
                           "tipariti-o.")
                .arg(count)
                .arg(kSheetRows)
                .arg(kSheetRows - lastRow + 1));
    m_book.InsertRowCopies(templateRow, templateRow, templateRow, count - 1);
    // Row by row by position: whatever runs between two rows (a repaint of
    // a grid over the same list) cannot make a row be skipped or repeated.
    for (int n = 1; n <= count; ++n) {
        list.goTo(n - 1);
        const int row = templateRow + n - 1;
        for (const ColumnPlan &p : plan) {
            if (p.field < 0) {
                m_book.SetCellValue(row, p.column, qint32(n));
                continue;
            }
            const QVariant v = list.value(p.field);
            double number = 0;
            if (list.isDateColumn(p.field)) {
                const QDate day = QDate::fromString(v.toString(), Qt::ISODate);
                number = day.isValid() ? double(QDate(1899, 12, 30).daysTo(day)) : 0;
            } else if (v.typeId() == QMetaType::QString) {
                m_book.SetCellValue(row, p.column, list.text(names[p.field]));
                continue;
            } else {
                bool ok = false;
                number = v.toDouble(&ok);
                if (!ok)
                    number = 0;
            }
            if (number != 0)
                m_book.SetCellValue(row, p.column, number);
            else
                m_book.SetCellValue(row, p.column, QString());
        }
        if (afterRow)
            afterRow();
    }
}

void RequestListExport::FinishExport(bool open)
{
    m_book.SaveWorkbookAs(m_destination);
    m_book.CloseWorkbook();
    if (open && m_opener)
        m_opener(m_destination);
}

QString ExportRequestList(const QString &programDir, Query &list, const ListExportHooks &hooks)
{
    const QString templatePath =
        FreeNumberedFile(programDir, QStringLiteral("Exp"), QStringLiteral(".xls"), 100);
    if (templatePath.isEmpty())
        throw Error(QStringLiteral("In dosarul %1 nu mai este liber niciun nume Exp0.xls ... Exp100.xls; "
                                   "sablonul nu poate fi scris.")
                        .arg(NativePath(programDir)));
    ExtractListModel(templatePath);
    if (hooks.processEvents)
        hooks.processEvents();
    RequestListExport exporter;
    exporter.setOpener(hooks.opener);
    if (!exporter.OpenTemplate(templatePath))
        throw Error(QStringLiteral("Sablonul %1 nu exista.").arg(NativePath(templatePath)));
    exporter.FillTemplate(list, hooks.processEvents);
    exporter.FinishExport(true);
    return exporter.destinationPath();
}

void ExportRequestListTo(Query &list, const QString &path)
{
    RequestListExport exporter;
    exporter.openModel();
    exporter.FillTemplate(list);
    // Written beside the file under a passing name, then put in its place.
    const QFileInfo target(path);
    const QString workPrefix = QStringLiteral(".kovara-export-");
    RemoveLeftoverWorkFolders(target.absolutePath(), workPrefix);
    QTemporaryDir work(WorkFolderTemplate(target.absolutePath(), workPrefix));
    if (!work.isValid())
        throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: dosarul %2 nu permite scrierea.")
                        .arg(NativePath(path), NativePath(target.absolutePath())));
    const QString passing = work.filePath(target.fileName());
    exporter.setDestinationPath(passing);
    try {
        exporter.FinishExport(false);
    } catch (const Error &e) {
        // The user knows the file by its own name, not by the passing one.
        QString message = e.message();
        throw Error(message.replace(NativePath(passing), NativePath(target.absoluteFilePath())));
    }
    crashPoint("export-work");
    std::error_code error;
    std::filesystem::rename(passing.toStdString(), target.absoluteFilePath().toStdString(), error);
    if (error)
        throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: %2.")
                        .arg(NativePath(path), QString::fromLocal8Bit(error.message().c_str())));
}

} // namespace kovara
