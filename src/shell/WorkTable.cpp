#include "shell/WorkTable.h"

#include "base/FileNames.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kovara {

QString WorkTableInUseText(const QString &path)
{
    return QStringLiteral("Fisierul ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" este in utilizare!") + LineBreak() +
           QStringLiteral("Va rog sa restartati calculatorul si mai incercati odata!");
}

WorkTableInUse::WorkTableInUse(const QString &path)
    : Error(WorkTableInUseText(path))
    , m_path(path)
{
}

WorkTable::WorkTable(Database &db, const QString &path, const QString &columns, AtEnd atEnd)
    : m_db(db)
    , m_path(path)
    , m_atEnd(atEnd)
{
    const QString leftover = findFileNoCase(path);
    if (QFileInfo::exists(leftover)) {
        m_db.detach(leftover);
        if (dbf::isInUse(leftover) || !QFile::remove(leftover))
            throw WorkTableInUse(path);
    }
    m_db.createTable(path, columns);
}

WorkTable::~WorkTable()
{
    if (m_finished)
        return;
    try {
        finish();
    } catch (...) {
        // The run's own failure is the one the user hears of; the next run
        // meets the leftover and says so.
    }
}

void WorkTable::finish()
{
    m_finished = true;
    if (m_atEnd == AtEnd::Keep)
        m_db.detach(m_path);
    else
        m_db.dropTable(m_path);
}

QString WorkTable::table() const
{
    return m_db.table(m_path);
}

} // namespace kovara
