#pragma once

// The controls of the request editor, named as the editor's fields.

#include "data/Query.h"
#include "requests/CerereAddU.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace kovara {

class TCNPEdit;
class TNumericEdit;

struct TCerereAdd::Fields
{
    QLabel *Header = nullptr;  // "Cerere noua" / "Modificare cerere"
    QLabel *Caption = nullptr; // the kind's caption
    QCheckBox *Handi = nullptr;
    TNumericEdit *CerereNr = nullptr;
    QDateEdit *CerereData = nullptr;
    TCNPEdit *CNPSubsemnat = nullptr;
    QLineEdit *Subsemnat = nullptr, *AdresaSubsemnat = nullptr, *JudetSubsemnat = nullptr;
    QStackedWidget *Pages = nullptr;
    // page 1
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    QLineEdit *Copil1 = nullptr, *Copil2 = nullptr, *Copil3 = nullptr;
    TCNPEdit *CNP1 = nullptr, *CNP2 = nullptr, *CNP3 = nullptr;
    // page 2
    QLineEdit *BIseria = nullptr, *BINr = nullptr;
    QComboBox *ALCopil = nullptr;
    TNumericEdit *Cuantum = nullptr;
    QLineEdit *NumeCopil = nullptr;
    TCNPEdit *CNPCopil = nullptr;
    QLineEdit *CNSeria = nullptr, *CNNr = nullptr, *CNElib = nullptr;
    // page 3
    QComboBox *Calitate = nullptr;
    QLineEdit *BISeria2 = nullptr, *BINr2 = nullptr;
    TNumericEdit *Cuantum2 = nullptr;
    QLineEdit *Copil21 = nullptr, *Copil22 = nullptr, *Copil23 = nullptr;
    TCNPEdit *CNP21 = nullptr, *CNP22 = nullptr, *CNP23 = nullptr;

    QPushButton *MemoBut = nullptr, *RenuntBut = nullptr;

    // Entry order: the common part, then each page.
    QList<QWidget *> common;
    QList<QWidget *> page[3];

    // Every request by CNP, newest first; open while the window is shown.
    Query lookup;
};

} // namespace kovara
