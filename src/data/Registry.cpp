#include "base/Error.h"
#include "data/Settings.h"

#include <QSettings>
#include <memory>

namespace kovara {
namespace {

QString &registryPath()
{
    static QString path;
    return path;
}

// The program's key. On Windows it is HKEY_LOCAL_MACHINE\Software\Sorvent\24
// in the 32-bit view, where the earlier releases of the program keep it; on
// other systems a per-user store (~/.config/Sorvent/24.ini).
std::unique_ptr<QSettings> openKey()
{
    std::unique_ptr<QSettings> key;
    if (!registryPath().isEmpty()) {
        key = std::make_unique<QSettings>(registryPath(), QSettings::IniFormat);
    } else {
#ifdef Q_OS_WIN
        key = std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Sorvent\\24"),
                                          QSettings::Registry32Format);
#else
        key = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                          QStringLiteral("Sorvent"), QStringLiteral("24"));
#endif
    }
    if (key->status() == QSettings::AccessError)
        throw Error(QStringLiteral("Cheia de registru %1 nu poate fi deschisa.").arg(key->fileName()));
    return key;
}

// Value names are matched without regard to letter case, as in the registry.
QString storedName(const QSettings &key, const QString &name)
{
    if (key.contains(name))
        return name;
    const QStringList names = key.childKeys();
    for (const QString &n : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    }
    return name;
}

} // namespace

void setRegistryPath(const QString &iniFile)
{
    registryPath() = iniFile;
}

QString ReadRegValue(const QString &name)
{
    const auto key = openKey();
    const QVariant value = key->value(storedName(*key, name));
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void WriteRegValue(const QString &name, const QString &value)
{
    const auto key = openKey();
    key->setValue(storedName(*key, name), value);
    key->sync();
    if (key->status() != QSettings::NoError)
        throw Error(QStringLiteral("Valoarea %1 nu poate fi scrisa in cheia de registru %2.")
                        .arg(name, key->fileName()));
}

} // namespace kovara
