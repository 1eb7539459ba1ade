#include "base/Leftovers.h"

#include "base/Platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kovara {
namespace {

const QString kMark = QStringLiteral(".kovara-");
constexpr qint64 kOldFormAge = 3600; // seconds

QString ownNumber()
{
    return QString::number(QCoreApplication::applicationPid());
}

// The writer's number of a name `prefix` + "<pid>-XXXXXX"; 0 when the name
// is not of that form.
qint64 writerOf(const QString &name, const QString &prefix)
{
    if (!name.startsWith(prefix))
        return 0;
    static const QRegularExpression rest(QStringLiteral("^([0-9]{1,10})-[A-Za-z0-9]{6}(-[A-Za-z]+)?$"));
    const QRegularExpressionMatch m = rest.match(QStringView(name).mid(prefix.size()));
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

bool leftBehind(qint64 writer)
{
    return writer > 0 && writer != QCoreApplication::applicationPid() && !platform::processRunning(writer);
}

// The older form's six characters are drawn at random from letters of both
// cases and digits: a name such as "X.dbf.backup" is someone's own file.
bool looksRandom(QStringView rest, const QRegularExpression &form)
{
    if (!form.match(rest).hasMatch())
        return false;
    bool lower = false, upper = false, digit = false;
    for (QChar c : rest.mid(1)) {
        lower = lower || c.isLower();
        upper = upper || c.isUpper();
        digit = digit || c.isDigit();
    }
    return int(lower) + int(upper) + int(digit) >= 2;
}

} // namespace

QString PassingFileTemplate(const QString &target)
{
    return target + kMark + ownNumber() + QStringLiteral("-XXXXXX");
}

QString WorkFolderTemplate(const QString &folder, const QString &prefix)
{
    return folder + QLatin1Char('/') + prefix + ownNumber() + QStringLiteral("-XXXXXX");
}

int RemoveLeftoverCopies(const QString &target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QString prefix = info.fileName() + kMark;
    static const QRegularExpression oldForm(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QStringList names =
        folder.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QFileInfo copy(folder.filePath(name));
        bool remove = leftBehind(writerOf(name, prefix));
        if (!remove && looksRandom(QStringView(name).mid(info.fileName().size()), oldForm))
            remove = copy.lastModified().toUTC().secsTo(now) > kOldFormAge;
        if (remove && QFile::remove(copy.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

int RemoveLeftoverWorkFolders(const QString &folder, const QString &prefix)
{
    const QDir dir(folder);
    int removed = 0;
    const QStringList names = dir.entryList({prefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden);
    for (const QString &name : names) {
        if (leftBehind(writerOf(name, prefix)) && QDir(dir.filePath(name)).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace kovara
