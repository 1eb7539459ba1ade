#include "data/TableBackup.h"

#include "engines/dbf/Dbf.h"

#include <QFileInfo>

namespace kovara {

std::function<std::shared_ptr<void>(const QString &path)>
TableReadHold(const std::function<void(const QString &path)> &waiting, int timeoutMs)
{
    return [waiting, timeoutMs](const QString &path) -> std::shared_ptr<void> {
        if (!path.endsWith(QStringLiteral(".dbf"), Qt::CaseInsensitive))
            return nullptr;
        std::function<void()> told;
        if (waiting)
            told = [waiting, path] { waiting(path); };
        return std::shared_ptr<dbf::ReadLock>(dbf::ReadLock::take(path, told, timeoutMs));
    };
}

QStringList WithoutTableJournals(const QStringList &files)
{
    QStringList kept;
    for (const QString &file : files) {
        const QString table = file.endsWith(QStringLiteral("-jurnal"), Qt::CaseInsensitive)
                                  ? file.chopped(int(QStringLiteral("-jurnal").size()))
                                  : QString();
        if (table.isEmpty() || dbf::journalPath(table).compare(file, Qt::CaseInsensitive) != 0)
            kept << file;
    }
    return kept;
}

QString WaitingForTableText(const QString &path)
{
    return QStringLiteral("Astept terminarea unei modificari a tabelului %1...")
        .arg(QFileInfo(path).fileName());
}

} // namespace kovara
