#pragma once

// Valid identity codes and a well-filled request input for the request tests.

#include "requests/RequestChecks.h"

#include <QString>

namespace kovara::test {

// A valid personal numeric code from its first twelve digits.
inline QString validCnp(const QString &first12)
{
    static const int key[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (first12.at(i).unicode() - '0') * key[i];
    int check = sum % 11;
    if (check == 10)
        check = 1;
    return first12 + QString::number(check);
}

inline QString parentCnp()
{
    return validCnp("180010112345");
}
inline QString childCnp(int n)
{
    return validCnp(QStringLiteral("5150101123%1").arg(n, 2, 10, QLatin1Char('0')));
}

// An input that passes every check for its kind.
inline RequestInput goodInput(int kind)
{
    RequestInput in;
    in.CerereNr = "5";
    in.CerereData = QDate(2026, 3, 2);
    in.CNPSubsemnat = parentCnp();
    in.Subsemnat = "POPESCU ION";
    in.AdresaSubsemnat = "Str. Lunga nr. 4";
    in.JudetSubsemnat = "BRASOV";
    in.ALCopil = "primul";
    in.Calitate = "parinte natural";
    if (kind == 1) {
        in.Alocatie = true;
        in.Copil1 = "POPESCU ANA";
        in.CNP1 = childCnp(1);
    } else if (kind == 2) {
        in.BIseria = "BV";
        in.BINr = "123456";
        in.Cuantum = "204";
        in.NumeCopil = "POPESCU ANA";
        in.CNPCopil = childCnp(1);
        in.CNSeria = "N";
        in.CNNr = "998877";
        in.CNElib = "PRIMARIA BRASOV";
    } else {
        in.BISeria2 = "BV";
        in.BINr2 = "123456";
        in.Cuantum2 = "150";
        in.Copil21 = "POPESCU ANA";
        in.CNP21 = childCnp(1);
    }
    return in;
}

} // namespace kovara::test
