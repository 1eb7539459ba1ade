#pragma once

// The request table Cereri.dbf of the data folder and its counters.

#include <QString>

namespace kovara {

QString RequestTablePath(); // DataDir() + "/Cereri.dbf", matched without regard to case

// Creates the table with its 27 columns when the file is missing.
void CreateRequestTable();
// Stamps the data version, adds the HANDI column to older tables.
void UpgradeData();

// Counters of section INDEX of the settings file.
QString NextIndex(const QString &key); // returns the counter, stores it + 1
void SetIndex(const QString &key, const QString &value);
QString PeekIndex(const QString &key); // "1" when empty

} // namespace kovara
