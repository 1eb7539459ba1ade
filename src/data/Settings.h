#pragma once

// The settings file Kovara.ini of the data folder and the program's
// registry values. No cache: every call goes to the file or the store.

#include <QString>
#include <QStringList>

namespace kovara {

// Path of the settings file: DataDir() + "/Kovara.ini".
QString SettingsPath();

// An absent file, section or key reads as the empty text.
QString ReadSetting(const QString &section, const QString &key);
// Creates the file, section and key as needed; on disk when it returns.
// Fails with kovara::Error when the file cannot be written.
void WriteSetting(const QString &section, const QString &key, const QString &value);

// The registry key "Software\Sorvent\24" (on Linux a per-user store that
// survives a restart). An absent value reads as the empty text.
QString ReadRegValue(const QString &name);
void WriteRegValue(const QString &name, const QString &value);

struct MunicipalityConstants
{
    QString PRIMARIA, LOCALIT, JUDET, PRIMAR, SECRETAR, DIRECTOR, INTOCMIT, AVIZAT, CF;
};

// The constants held in memory for the whole run.
MunicipalityConstants &Constants();
void LoadConstants();
void SaveConstants();

// The 42 counties in their official order; the code is position + 1.
const QStringList &Counties();
int CountyCode(const QString &county); // 0 when not in the list

} // namespace kovara
