#include "listings/WorkTable.h"

#include "data/Dbf.h"
#include "data/Error.h"
#include "data/SqlEngine.h"
#include "listings/Listings.h"

#include <QFile>
#include <QFileInfo>

namespace kovara {

WorkTable::WorkTable(Database &db, const QString &path, const QString &columns)
    : m_db(db)
    , m_path(path)
{
    const QString leftover = findFileNoCase(path);
    if (QFileInfo::exists(leftover)) {
        m_db.detach(leftover);
        if (dbf::isInUse(leftover) || !QFile::remove(leftover))
            throw WorkTableInUse(WorkTableInUseText(path));
    }
    m_db.createTable(path, columns);
}

WorkTable::~WorkTable()
{
    try {
        m_db.dropTable(m_path);
    } catch (...) {
        QFile::remove(findFileNoCase(m_path));
    }
}

QString WorkTable::table() const
{
    return m_db.table(m_path);
}

} // namespace kovara
