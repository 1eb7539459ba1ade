#pragma once

// The document templates of the data folder and the models the program
// carries of them. A template missing from the data folder is written from
// its model; one already there, edited by the office or not, is never
// overwritten except by the administrator's restore command.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kovara {

// The four templates the program carries, in the order they are written:
// "Disp3", "Disp4", "Anx3", "Cerere".
const QStringList &ModelNames();

// The bytes of the model `model` ("CERERE", "Disp3", ...; any letter case).
// Fails with kovara::Error for an unknown name.
QByteArray ModelBytes(const QString &model);

// dataDir + "/" + name + ".rtf", found without regard to letter case.
QString TemplatePath(const QString &dataDir, const QString &name);

// Writes the model to `file` when that file does not exist; true when it
// wrote it. Fails with kovara::Error when the file cannot be written.
bool ExtractModel(const QString &model, const QString &file);

// Writes each of the four templates that is missing from the data folder.
void ExtractModels(const QString &dataDir);

// The startup upgrade's refresh of the templates (see UpgradeData).
void InstallTemplateRefresh();

} // namespace kovara
