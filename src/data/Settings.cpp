#include "data/Settings.h"

#include "base/Paths.h"
#include "data/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {

QString SettingsPath()
{
    static const QString name = QStringLiteral("Kovara.ini");
    const QString dir = DataDir();
    const QString exact = dir + QDir::separator() + name;
    if (QFileInfo::exists(exact))
        return exact;
    // File names are matched without regard to letter case.
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + QDir::separator() + entry;
    }
    return exact;
}

QString ReadSetting(const QString &section, const QString &key)
{
    return IniFile::load(SettingsPath()).value(section, key);
}

void WriteSetting(const QString &section, const QString &key, const QString &value)
{
    WriteSettings(section, {{key, value}});
}

void WriteSettings(const QString &section, const QList<std::pair<QString, QString>> &values)
{
    const QString path = SettingsPath();
    IniFile ini = IniFile::load(path);
    for (const auto &[key, value] : values)
        ini.setValue(section, key, value);
    ini.save(path);
}

} // namespace kovara
