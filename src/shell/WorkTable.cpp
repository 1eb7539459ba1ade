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
