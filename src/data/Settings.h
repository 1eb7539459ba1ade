#pragma once

// The settings file Kovara.ini of the data folder and the program's
// registry values. No cache: every call goes to the file or the store.

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace kovara {

// Path of the settings file: DataDir() + "/Kovara.ini"; an existing file
// whose name differs only in letter case (KOVARA.INI) is used as it is.
QString SettingsPath();

// An absent file, section or key reads as the empty text.
QString ReadSetting(const QString &section, const QString &key);
// Creates the file, section and key as needed; on disk when it returns.
// Fails with kovara::Error when the file cannot be written.
void WriteSetting(const QString &section, const QString &key, const QString &value);
// Several keys of one section, in the given order, in one replacement of the
// file: either all of them are on disk or none.
void WriteSettings(const QString &section, const QList<std::pair<QString, QString>> &values);

// The registry key "Software\Sorvent\24" (on Linux a per-user store that
// survives a restart). An absent value reads as the empty text.
QString ReadRegValue(const QString &name);
// Fails with kovara::Error when the key cannot be opened or written.
void WriteRegValue(const QString &name, const QString &value);
// Tests and tools keep the values in this INI file instead (empty: the
// program's own store again).
void setRegistryPath(const QString &iniFile);

struct MunicipalityConstants
{
    QString PRIMARIA, LOCALIT, JUDET, PRIMAR, SECRETAR, DIRECTOR, INTOCMIT, AVIZAT, CF;
};

// The constants held in memory for the whole run.
MunicipalityConstants &Constants();
void LoadConstants();
// The constants as stored in a given settings file (absent keys empty).
MunicipalityConstants ReadConstants(const QString &settingsFile);
void SaveConstants();

// The 42 counties in their official order; the code is position + 1.
const QStringList &Counties();
int CountyCode(const QString &county); // 0 when not in the list

} // namespace kovara
