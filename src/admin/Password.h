#pragma once

// The administrator password. It is stored one-way encoded: the encoding
// must stay the same byte for byte, or the passwords stored by existing
// installations would stop working.

#include <QByteArray>
#include <QString>

namespace kovara {

// The one-way encoding of a password given as its Windows-1250 bytes. The
// result depends only on the input and is 7 to 36 bytes longer than it.
QByteArray CodeazaStr(const QByteArray &password);

// The text stored for a typed password (CodeazaStr of its Windows-1250
// bytes, read back as Windows-1250 text).
QString encodePassword(const QString &typed);

// True when the typed password encodes exactly to the stored text (letter
// case counts).
bool passwordMatches(const QString &typed, const QString &stored);

} // namespace kovara
