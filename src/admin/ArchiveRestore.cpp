// Restoring the data folder: the archive is read completely into a scratch
// folder inside the data folder, then the old files are moved aside and the
// new ones put in place. Any failure puts everything back.
#include "admin/Archive.h"
#include "admin/ArchiveFormat.h"
#include "base/Paths.h"
#include "data/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

namespace kovara {
namespace {

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

bool samePath(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

// The names the program itself opens in the data folder.
const QStringList &knownNames()
{
    static const QStringList names{QStringLiteral("Cereri.dbf"), QStringLiteral("Kovara.ini")};
    return names;
}

qsizetype countIgnoringCase(const QStringList &names, const QString &name)
{
    return std::count_if(names.begin(), names.end(),
                         [&](const QString &n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
}

// The name a restored file takes: its stored name, or the spelling of the one
// existing (or known) file it matches when letter case is ignored.
QString spelling(const QString &stored, const QStringList &storedNames, const QStringList &existing)
{
    if (existing.contains(stored) || countIgnoringCase(storedNames, stored) != 1)
        return stored;
    for (const QStringList *pool : {&existing, &knownNames()}) {
        if (countIgnoringCase(*pool, stored) != 1)
            continue;
        for (const QString &n : *pool)
            if (n.compare(stored, Qt::CaseInsensitive) == 0)
                return n;
    }
    return stored;
}

// Renames that can be undone in reverse order.
class Moves
{
public:
    bool move(const QString &from, const QString &to)
    {
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(fsPath(to), ec)))
            return false; // never replace anything
        std::filesystem::rename(fsPath(from), fsPath(to), ec);
        if (ec)
            return false;
        m_done.append({from, to});
        return true;
    }

    // True when every rename was undone.
    bool undo()
    {
        bool ok = true;
        for (auto it = m_done.crbegin(); it != m_done.crend(); ++it) {
            std::error_code ec;
            std::filesystem::rename(fsPath(it->second), fsPath(it->first), ec);
            ok = ok && !ec;
        }
        m_done.clear();
        return ok;
    }

private:
    QList<std::pair<QString, QString>> m_done;
};

QList<ArchiveEntry> restoreInto(const QString &archivePath, const QString &dataDir,
                                const ArchiveProgress &progress)
{
    QTemporaryDir stage(dataDir + QStringLiteral("/.kovara-restore-XXXXXX"));
    if (!stage.isValid())
        throw Error(QStringLiteral("In dosarul de date %1 nu se poate scrie: %2")
                        .arg(NativePath(dataDir), stage.errorString()));
    const QList<ArchiveEntry> entries = archive::readArchiveInto(archivePath, stage.path(), progress);

    // The files now in the folder (not its subfolders, not the scratch folder).
    QStringList existing;
    const QFileInfoList infos = QDir(dataDir).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
    QStringList folders;
    for (const QFileInfo &fi : infos)
        (fi.isDir() ? folders : existing) << fi.fileName(); // links to folders count as folders

    QStringList storedNames, targets;
    for (const ArchiveEntry &e : entries)
        storedNames << e.name;
    for (const ArchiveEntry &e : entries) {
        const QString target = spelling(e.name, storedNames, existing);
        if (countIgnoringCase(folders, target) > 0)
            throw Error(
                QStringLiteral("Fisierul %1 din arhiva nu poate fi restaurat: in dosarul de date exista un "
                               "dosar cu acelasi nume. Dosarul de date a ramas neschimbat.")
                    .arg(target));
        targets << target;
    }

    // An archive kept inside the data folder stays, unless a restored file takes its name.
    QStringList moveAside;
    for (const QString &name : std::as_const(existing)) {
        const QString path = dataDir + QLatin1Char('/') + name;
        if (samePath(path, archivePath) && countIgnoringCase(targets, name) == 0)
            continue;
        moveAside << name;
    }

    const QString old = stage.path() + QStringLiteral("/old");
    if (!QDir().mkdir(old))
        throw Error(QStringLiteral("In dosarul de date %1 nu se poate scrie.").arg(NativePath(dataDir)));
    Moves moves;
    QString failure;
    for (const QString &name : std::as_const(moveAside)) {
        if (!moves.move(dataDir + QLatin1Char('/') + name, old + QLatin1Char('/') + name)) {
            failure = QStringLiteral("Fisierul %1 nu poate fi inlocuit (este deschis in alt program?).")
                          .arg(NativePath(dataDir + QLatin1Char('/') + name));
            break;
        }
    }
    for (int i = 0; failure.isEmpty() && i < targets.size(); ++i) {
        const QString to = dataDir + QLatin1Char('/') + targets[i];
        if (!moves.move(stage.path() + QLatin1Char('/') + QString::number(i + 1), to))
            failure = QStringLiteral("Fisierul %1 nu poate fi pus in dosarul de date.").arg(NativePath(to));
    }
    if (!failure.isEmpty()) {
        if (moves.undo())
            throw Error(failure + QStringLiteral(" Dosarul de date a ramas neschimbat."));
        stage.setAutoRemove(false);
        throw IncompleteRestore(failure +
                                QStringLiteral(" Fisierele vechi au ramas in %1.").arg(NativePath(old)));
    }
    return entries; // the scratch folder goes, with the old files
}

} // namespace

QList<ArchiveEntry> restoreDataDir(const QString &archivePath, const QString &dataDir,
                                   const ArchiveProgress &progress)
{
    if (!QFileInfo(archivePath).isFile())
        throw Error(QStringLiteral("Salvarea %1 nu exista !").arg(NativePath(archivePath)));
    const bool created = !QFileInfo(dataDir).isDir();
    if (created && !QDir().mkpath(dataDir))
        throw Error(QStringLiteral("Dosarul de date %1 nu poate fi creat.").arg(NativePath(dataDir)));
    try {
        return restoreInto(archivePath, dataDir, progress);
    } catch (...) {
        if (created)
            QDir().rmdir(dataDir);
        throw;
    }
}

} // namespace kovara
