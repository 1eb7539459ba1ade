#pragma once

// The controls of the request editor, named as the editor's fields.

#include "engines/dbf/Query.h"
#include "requests/ui/RequestEditor.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace kovara {

class CNPEdit;
class DateField;
class NumericEdit;

struct RequestEditor::Fields
{
    QLabel *Header = nullptr;  // "Cerere noua" / "Modificare cerere"
    QLabel *Caption = nullptr; // the kind's caption
    QCheckBox *Handi = nullptr;
    NumericEdit *CerereNr = nullptr;
    DateField *CerereData = nullptr;
    CNPEdit *CNPSubsemnat = nullptr;
    QLineEdit *Subsemnat = nullptr, *AdresaSubsemnat = nullptr, *JudetSubsemnat = nullptr;
    QStackedWidget *Pages = nullptr;
    // page 1
    QCheckBox *Alocatie = nullptr, *Indemnizatie = nullptr, *Stimulent = nullptr;
    QLineEdit *Copil1 = nullptr, *Copil2 = nullptr, *Copil3 = nullptr;
    CNPEdit *CNP1 = nullptr, *CNP2 = nullptr, *CNP3 = nullptr;
    // page 2
    QLineEdit *BIseria = nullptr, *BINr = nullptr;
    QComboBox *ALCopil = nullptr;
    NumericEdit *Cuantum = nullptr;
    QLineEdit *NumeCopil = nullptr;
    CNPEdit *CNPCopil = nullptr;
    QLineEdit *CNSeria = nullptr, *CNNr = nullptr, *CNElib = nullptr;
    // page 3
    QComboBox *Calitate = nullptr;
    QLineEdit *BISeria2 = nullptr, *BINr2 = nullptr;
    NumericEdit *Cuantum2 = nullptr;
    QLineEdit *Copil21 = nullptr, *Copil22 = nullptr, *Copil23 = nullptr;
    CNPEdit *CNP21 = nullptr, *CNP22 = nullptr, *CNP23 = nullptr;

    QPushButton *MemoBut = nullptr, *RenuntBut = nullptr;

    // Entry order: the common part, then each page.
    QList<QWidget *> common;
    QList<QWidget *> page[3];

    // Every request by CNP, newest first; open while the window is shown.
    Query lookup;
};

} // namespace kovara
