// Restoring the data folder: the archive is read completely into a scratch
// folder inside the data folder, then the old files are moved aside and the
// new ones put in place. Any failure puts everything back.
#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/NativePath.h"
#include "base/Platform.h"
#include "base/SaveFile.h"
#include "engines/archive/Archive.h"
#include "engines/archive/ArchiveFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kovara {
namespace {

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

constexpr char kPlanName[] = ".kovara-restore-plan";
constexpr char kLockName[] = ".kovara-restore-lock";

void finishRestoreLocked(const QString &dataDir);

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

// The swap of a restore, written to disk before the first rename so that a
// restore cut short (a crash, a kill) is finished at the next start: the
// old files go into <stage>/old, then staged file i becomes its target.
// Every step can be told done or not from what exists, so applying or
// undoing a plan twice does no harm.
struct Plan
{
    QString stage; // folder name inside the data folder
    QStringList old;
    QStringList targets; // target of staged file i + 1
};

bool present(const QString &path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(fsPath(path), ec));
}

bool rename(const QString &from, const QString &to)
{
    const bool moved =
        platform::renameFile(from, to, platform::Rename::KeepExisting); // never replace anything
    crashPoint("restore");
    return moved;
}

QString planPath(const QString &dataDir)
{
    return dataDir + QLatin1Char('/') + QLatin1String(kPlanName);
}

void writePlan(const QString &dataDir, const Plan &plan)
{
    QByteArray text = "KOVARA-RESTORE 1\nstage " + QUrl::toPercentEncoding(plan.stage) + '\n';
    for (const QString &n : plan.old)
        text += "old " + QUrl::toPercentEncoding(n) + '\n';
    for (const QString &n : plan.targets)
        text += "new " + QUrl::toPercentEncoding(n) + '\n';
    text += "end\n";
    QSaveFile out(planPath(dataDir));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() ||
        !platform::commitReplacement(out))
        throw Error(
            QStringLiteral("In dosarul de date %1 nu se poate scrie. Dosarul de date a ramas neschimbat.")
                .arg(NativePath(dataDir)));
}

// What is wrong with a name of a plan: every one must be a plain file name
// inside the data folder (no separator, no "..", not a link), the scratch
// folder one of the program's own. Empty when sound.
QString planNameProblem(const QString &dataDir, const QString &name, bool stage)
{
    QString problem = archive::nameProblem(name);
    if (problem.isEmpty() && stage && !name.startsWith(QStringLiteral(".kovara-restore-")))
        problem = QStringLiteral("\"%1\" nu este un dosar de lucru al programului").arg(name);
    if (problem.isEmpty() && QFileInfo(dataDir + QLatin1Char('/') + name).isSymLink())
        problem = QStringLiteral("\"%1\" este o legatura").arg(name);
    return problem;
}

// False when the file is absent or not a whole plan (then no rename was made).
// A plan naming anything outside the data folder is refused: it stays where
// it is and the refusal says why (kovara::Error), nothing is moved.
bool readPlan(const QString &dataDir, Plan &plan)
{
    QFile f(planPath(dataDir));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.size() < 3 || lines.first() != "KOVARA-RESTORE 1" || !lines.contains("end"))
        return false;
    for (const QByteArray &line : lines) {
        const QString value = QUrl::fromPercentEncoding(line.mid(line.indexOf(' ') + 1));
        if (line.startsWith("stage "))
            plan.stage = value;
        else if (line.startsWith("old "))
            plan.old << value;
        else if (line.startsWith("new "))
            plan.targets << value;
    }
    if (plan.stage.isEmpty())
        return false;
    QStringList problems;
    if (const QString p = planNameProblem(dataDir, plan.stage, true); !p.isEmpty())
        problems << p;
    for (const QStringList *names : {&plan.old, &plan.targets})
        for (const QString &name : *names)
            if (const QString p = planNameProblem(dataDir, name, false); !p.isEmpty())
                problems << p;
    if (!problems.isEmpty())
        throw Error(QStringLiteral("Planul de restaurare %1 nu a fost urmat: %2. Planul a ramas pe loc si "
                                   "nu a fost mutat sau sters niciun fisier; stergeti-l daca nu este al "
                                   "unei restaurari facute de program.")
                        .arg(NativePath(planPath(dataDir)), problems.join(QStringLiteral("; "))));
    return true;
}

// Carries the plan through; returns the failure, or an empty text.
QString applyPlan(const QString &dataDir, const Plan &plan)
{
    const QString stage = dataDir + QLatin1Char('/') + plan.stage;
    const QString old = stage + QStringLiteral("/old");
    if (!QFileInfo(old).isDir() && !QDir().mkdir(old))
        return QStringLiteral("In dosarul de date %1 nu se poate scrie.").arg(NativePath(dataDir));
    for (const QString &name : plan.old) {
        const QString from = dataDir + QLatin1Char('/') + name;
        if (!present(old + QLatin1Char('/') + name) && present(from) &&
            !rename(from, old + QLatin1Char('/') + name))
            return QStringLiteral("Fisierul %1 nu poate fi inlocuit (este deschis in alt program?).")
                .arg(NativePath(from));
    }
    for (int i = 0; i < plan.targets.size(); ++i) {
        const QString from = stage + QLatin1Char('/') + QString::number(i + 1);
        const QString to = dataDir + QLatin1Char('/') + plan.targets[i];
        if (present(from) && !rename(from, to))
            return QStringLiteral("Fisierul %1 nu poate fi pus in dosarul de date.").arg(NativePath(to));
    }
    platform::syncFolder(dataDir);
    return {};
}

// Puts the old files back; true when every one is back.
bool undoPlan(const QString &dataDir, const Plan &plan)
{
    const QString stage = dataDir + QLatin1Char('/') + plan.stage;
    const QString old = stage + QStringLiteral("/old");
    bool ok = true;
    for (qsizetype i = plan.targets.size() - 1; i >= 0; --i) {
        const QString staged = stage + QLatin1Char('/') + QString::number(i + 1);
        const QString placed = dataDir + QLatin1Char('/') + plan.targets[i];
        if (!present(staged) && present(placed))
            ok = rename(placed, staged) && ok;
    }
    for (qsizetype i = plan.old.size() - 1; i >= 0; --i) {
        const QString aside = old + QLatin1Char('/') + plan.old[i];
        if (present(aside))
            ok = rename(aside, dataDir + QLatin1Char('/') + plan.old[i]) && ok;
    }
    platform::syncFolder(dataDir);
    return ok;
}

// Removes the scratch folders of restores that will never finish.
void removeScratch(const QString &dataDir)
{
    const QStringList scratch = QDir(dataDir).entryList({QStringLiteral(".kovara-restore-*")},
                                                        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : scratch) {
        std::error_code ec;
        std::filesystem::remove_all(fsPath(dataDir + QLatin1Char('/') + name), ec);
    }
}

// Takes the restore lock of the data folder: one restore at a time, and
// no recovery while a restore runs.
bool lockRestore(QLockFile &lock)
{
    lock.setStaleLockTime(0); // only a lock whose process is gone is stale
    if (lock.tryLock(0))
        return true;
    // A live holder writes its details into the lock file right after
    // creating it; a file that stays without them was left by a process
    // ended in between, and would otherwise block every restore for good.
    for (int i = 0; i < 10; ++i) {
        qint64 pid = 0;
        QString host, application;
        if (lock.getLockInfo(&pid, &host, &application))
            return false; // a holder that is still running
        QThread::msleep(20);
        if (lock.tryLock(0))
            return true;
    }
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

QString lockPath(const QString &dataDir)
{
    return dataDir + QLatin1Char('/') + QLatin1String(kLockName);
}

QList<ArchiveEntry> restoreInto(const QString &archivePath, const QString &dataDir,
                                const ArchiveProgress &progress)
{
    QLockFile lock(lockPath(dataDir));
    if (!lockRestore(lock)) {
        // The lock file cannot even be made: a full disk or a folder closed
        // to writing, not another restore.
        if (lock.error() != QLockFile::LockFailedError)
            throw Error(QStringLiteral("Dosarul de date %1 nu poate fi restaurat: %2. Dosarul de date a "
                                       "ramas neschimbat.")
                            .arg(NativePath(dataDir), DiskFullAt(dataDir)
                                                          ? DiskFullText()
                                                          : QStringLiteral("nu se poate scrie in el")));
        throw Error(QStringLiteral("O alta restaurare a dosarului de date %1 este in curs. Dosarul de date a "
                                   "ramas neschimbat.")
                        .arg(NativePath(dataDir)));
    }
    finishRestoreLocked(dataDir);

    QTemporaryDir stage(dataDir + QStringLiteral("/.kovara-restore-XXXXXX"));
    if (!stage.isValid())
        throw Error(
            QStringLiteral("In dosarul de date %1 nu se poate scrie: %2")
                .arg(NativePath(dataDir), DiskFullAt(dataDir) ? DiskFullText() : stage.errorString()));
    const QList<ArchiveEntry> entries = archive::readArchiveInto(archivePath, stage.path(), progress);
    // A data folder without its request table is no data folder: an archive
    // without one (an empty one included) would empty the folder.
    const bool hasTable = std::any_of(entries.begin(), entries.end(), [](const ArchiveEntry &e) {
        return e.name.compare(QStringLiteral("Cereri.dbf"), Qt::CaseInsensitive) == 0;
    });
    if (!hasTable)
        throw Error(QStringLiteral("Arhiva nu contine tabelul cererilor (Cereri.dbf) si nu a fost "
                                   "restaurata. Dosarul de date a ramas neschimbat."));

    // The files now in the folder (not its subfolders, not the restore's own).
    QStringList existing;
    const QFileInfoList infos = QDir(dataDir).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
    QStringList folders;
    for (const QFileInfo &fi : infos) {
        if (archive::isRestoreWork(fi.fileName()))
            continue;
        (fi.isDir() ? folders : existing) << fi.fileName(); // links to folders count as folders
    }

    QStringList storedNames, targets;
    for (const ArchiveEntry &e : entries)
        storedNames << e.name;
    for (const ArchiveEntry &e : entries) {
        const QString target = spelling(e.name, storedNames, existing);
        if (countIgnoringCase(folders, target) > 0 || archive::isRestoreWork(target))
            throw Error(
                QStringLiteral("Fisierul %1 din arhiva nu poate fi restaurat: in dosarul de date exista un "
                               "dosar cu acelasi nume. Dosarul de date a ramas neschimbat.")
                    .arg(target));
        targets << target;
    }

    // An archive kept inside the data folder stays, unless a restored file takes its name.
    Plan plan;
    plan.stage = QFileInfo(stage.path()).fileName();
    plan.targets = targets;
    for (const QString &name : std::as_const(existing)) {
        const QString path = dataDir + QLatin1Char('/') + name;
        if (archive::sameFile(path, archivePath) && countIgnoringCase(targets, name) == 0)
            continue;
        plan.old << name;
    }

    crashPoint("restore");
    writePlan(dataDir, plan);
    const QString failure = applyPlan(dataDir, plan);
    if (!failure.isEmpty()) {
        if (undoPlan(dataDir, plan)) {
            QFile::remove(planPath(dataDir));
            throw Error(failure + QStringLiteral(" Dosarul de date a ramas neschimbat."));
        }
        stage.setAutoRemove(false); // the plan stays: the next start tries again
        throw IncompleteRestore(failure + QStringLiteral(" Fisierele vechi au ramas in %1.")
                                              .arg(NativePath(stage.path() + QStringLiteral("/old"))));
    }
    QFile::remove(planPath(dataDir));
    platform::syncFolder(dataDir);
    return entries; // the scratch folder goes, with the old files
}

void finishRestoreLocked(const QString &dataDir)
{
    Plan plan;
    if (readPlan(dataDir, plan)) {
        const QString failure = applyPlan(dataDir, plan);
        if (!failure.isEmpty() && !undoPlan(dataDir, plan))
            throw IncompleteRestore(
                QStringLiteral(
                    "O restaurare intrerupta a dosarului de date %1 nu poate fi nici incheiata, nici "
                    "anulata: %2 Fisierele vechi sunt in %3.")
                    .arg(NativePath(dataDir), failure,
                         NativePath(dataDir + QLatin1Char('/') + plan.stage + QStringLiteral("/old"))));
    }
    QFile::remove(planPath(dataDir)); // done, undone, or never begun
    platform::syncFolder(dataDir);
    removeScratch(dataDir);
}

} // namespace

void FinishInterruptedRestore(const QString &dataDir)
{
    if (!QFileInfo(dataDir).isDir())
        return;
    QLockFile lock(lockPath(dataDir));
    if (!lockRestore(lock))
        return; // a restore is running: it is not interrupted
    finishRestoreLocked(dataDir);
}

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
