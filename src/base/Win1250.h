#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kovara {

// Text in the program's files is Windows-1250. Letters with the comma below
// (U+0218..U+021B), which the code page lacks, are written as their cedilla
// forms so that nothing turns into '?'. Characters with no byte at all are
// written as '?'.
QByteArray toWin1250(QStringView text);
QString fromWin1250(QByteArrayView bytes);

// The comma-below letters replaced by their cedilla forms.
QString withCedillas(QStringView text);

// True when every character of the text has a byte in Windows-1250 (after
// the comma-below letters are mapped).
bool fitsWin1250(QStringView text);

} // namespace kovara
