// The request editor's controls and their layout.

#include "requests/RequestChecks.h"
#include "requests/ui/RequestEditorFields.h"
#include "shell/Formats.h"
#include "widgets/CNPEdit.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kovara {
namespace {

// A text field of a given length; typed letters become capitals unless
// the field keeps its text as typed.
QLineEdit *textField(const char *name, int maxLength, bool capitals = true)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    if (capitals)
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const QString upper = text.toUpper();
            if (upper == text)
                return;
            const int caret = edit->cursorPosition();
            edit->setText(upper.left(edit->maxLength()));
            edit->setCursorPosition(qMin(caret, int(edit->text().size())));
        });
    return edit;
}

CNPEdit *cnpField(const char *name)
{
    auto *edit = new CNPEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

NumericEdit *numberField(const char *name, int maxLength)
{
    auto *edit = new NumericEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QCheckBox *checkBox(const char *name, const char *caption)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QComboBox *choice(const char *name, const QStringList &items)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    return combo;
}

QLabel *label(const char *text)
{
    return new QLabel(QString::fromLatin1(text));
}

// Three rows of child name and code under a caption.
QGroupBox *childRows(const char *caption, QLineEdit *const names[3], CNPEdit *const codes[3])
{
    auto *box = new QGroupBox(QString::fromLatin1(caption));
    auto *grid = new QGridLayout(box);
    for (int i = 0; i < 3; ++i) {
        // Room for a name of 32 capitals, as the column holds.
        names[i]->setMinimumWidth(
            names[i]->fontMetrics().horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ ABCDE")) +
            12);
        grid->addWidget(label("Nume si prenume"), i, 0);
        grid->addWidget(names[i], i, 1);
        grid->addWidget(label("CNP"), i, 2);
        grid->addWidget(codes[i], i, 3);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

} // namespace

void RequestEditor::buildUi()
{
    Fields &f = *m_f;
    setWindowTitle(ApplicationTitle());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    f.Header = new QLabel;
    f.Header->setObjectName("Header");
    QFont big = f.Header->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    f.Header->setFont(big);
    f.Caption = new QLabel(QStringLiteral("Tip cerere"));
    f.Caption->setObjectName("Caption");

    f.Handi = checkBox("Handi", "cu handicap");
    f.CerereNr = numberField("CerereNr", 9);
    f.CerereData = new DateField;
    f.CerereData->setObjectName("CerereData");
    f.CNPSubsemnat = cnpField("CNPSubsemnat");
    f.Subsemnat = textField("Subsemnat", 32);
    f.AdresaSubsemnat = textField("AdresaSubsemnat", 60, false);
    f.JudetSubsemnat = textField("JudetSubsemnat", 12);

    auto *common = new QGridLayout;
    common->addWidget(f.Caption, 0, 0, 1, 3);
    common->addWidget(f.Handi, 0, 3);
    common->addWidget(label("Cererea nr."), 1, 0);
    common->addWidget(f.CerereNr, 1, 1);
    common->addWidget(label("din data"), 1, 2);
    common->addWidget(f.CerereData, 1, 3);
    common->addWidget(label("Solicitant"), 2, 0);
    common->addWidget(label("CNP"), 2, 2);
    common->addWidget(f.CNPSubsemnat, 2, 3);
    common->addWidget(label("Nume si prenume"), 3, 0);
    common->addWidget(f.Subsemnat, 3, 1, 1, 3);
    common->addWidget(label("Adresa"), 4, 0);
    common->addWidget(f.AdresaSubsemnat, 4, 1, 1, 3);
    common->addWidget(label("Judetul"), 5, 0);
    common->addWidget(f.JudetSubsemnat, 5, 1);
    f.common = {f.Handi,     f.CerereNr,        f.CerereData,    f.CNPSubsemnat,
                f.Subsemnat, f.AdresaSubsemnat, f.JudetSubsemnat};

    // Page 1: state allowance, indemnity, incentive.
    auto *page1 = new QWidget;
    {
        f.Alocatie = checkBox("Alocatie", "alocatie de stat pentru copii");
        f.Indemnizatie = checkBox("Indemnizatie", "indemnizatie pentru cresterea copilului");
        f.Stimulent = checkBox("Stimulent", "stimulent pentru cresterea copilului");
        f.Copil1 = textField("Copil1", 32), f.Copil2 = textField("Copil2", 32),
        f.Copil3 = textField("Copil3", 32);
        f.CNP1 = cnpField("CNP1"), f.CNP2 = cnpField("CNP2"), f.CNP3 = cnpField("CNP3");
        auto *kinds = new QGroupBox(QStringLiteral("Tipul ajutorului"));
        auto *kl = new QVBoxLayout(kinds);
        kl->addWidget(f.Alocatie);
        kl->addWidget(f.Indemnizatie);
        kl->addWidget(f.Stimulent);
        QLineEdit *const names[3] = {f.Copil1, f.Copil2, f.Copil3};
        CNPEdit *const codes[3] = {f.CNP1, f.CNP2, f.CNP3};
        auto *v = new QVBoxLayout(page1);
        v->addWidget(kinds);
        v->addWidget(childRows("Date copii", names, codes));
        f.page[0] = {f.Alocatie, f.Indemnizatie, f.Stimulent, f.Copil1, f.CNP1,
                     f.Copil2,   f.CNP2,         f.Copil3,    f.CNP3};
    }
    // Page 2: newborn allowance.
    auto *page2 = new QWidget;
    {
        f.BIseria = textField("BIseria", 6);
        f.BINr = textField("BINr", 12);
        f.ALCopil = choice("ALCopil", AlcateItems());
        f.Cuantum = numberField("Cuantum", 4);
        f.NumeCopil = textField("NumeCopil", 32);
        f.CNPCopil = cnpField("CNPCopil");
        f.CNSeria = textField("CNSeria", 6);
        f.CNNr = textField("CNNr", 12);
        f.CNElib = textField("CNElib", 60);
        auto *g = new QGridLayout(page2);
        g->addWidget(label("B.I./C.I.  seria"), 0, 0);
        g->addWidget(f.BIseria, 0, 1);
        g->addWidget(label("B.I./C.I.  nr."), 0, 2);
        g->addWidget(f.BINr, 0, 3);
        g->addWidget(label("Plata alocatiei pentru"), 1, 0);
        g->addWidget(f.ALCopil, 1, 1);
        g->addWidget(label("copil."), 1, 2);
        g->addWidget(label("suma acordata"), 2, 0);
        g->addWidget(f.Cuantum, 2, 1);
        g->addWidget(label("lei."), 2, 2);
        auto *child = new QGroupBox(QStringLiteral("Date copil"));
        auto *cg = new QGridLayout(child);
        cg->addWidget(label("Nume si prenume"), 0, 0);
        cg->addWidget(f.NumeCopil, 0, 1, 1, 3);
        cg->addWidget(label("CNP"), 1, 0);
        cg->addWidget(f.CNPCopil, 1, 1, 1, 3);
        cg->addWidget(label("certificat de nastere: seria"), 2, 0);
        cg->addWidget(f.CNSeria, 2, 1);
        cg->addWidget(label("nr."), 2, 2);
        cg->addWidget(f.CNNr, 2, 3);
        cg->addWidget(label("eliberat de"), 3, 0);
        cg->addWidget(f.CNElib, 3, 1, 1, 3);
        g->addWidget(child, 3, 0, 1, 4);
        f.page[1] = {f.BIseria,  f.BINr,    f.ALCopil, f.Cuantum, f.NumeCopil,
                     f.CNPCopil, f.CNSeria, f.CNNr,    f.CNElib};
    }
    // Page 3: layette.
    auto *page3 = new QWidget;
    {
        f.Calitate = choice("Calitate", CalitateItems());
        f.BISeria2 = textField("BISeria2", 6);
        f.BINr2 = textField("BINr2", 12);
        f.Cuantum2 = numberField("Cuantum2", 4);
        f.Copil21 = textField("Copil21", 32), f.Copil22 = textField("Copil22", 32);
        f.Copil23 = textField("Copil23", 32);
        f.CNP21 = cnpField("CNP21"), f.CNP22 = cnpField("CNP22"), f.CNP23 = cnpField("CNP23");
        auto *g = new QGridLayout(page3);
        g->addWidget(label("Calitatea solicitantului"), 0, 0);
        g->addWidget(f.Calitate, 0, 1, 1, 3);
        g->addWidget(label("B.I./C.I.  seria"), 1, 0);
        g->addWidget(f.BISeria2, 1, 1);
        g->addWidget(label("nr."), 1, 2);
        g->addWidget(f.BINr2, 1, 3);
        g->addWidget(label("Suma acordata"), 2, 0);
        g->addWidget(f.Cuantum2, 2, 1);
        g->addWidget(label("lei."), 2, 2);
        QLineEdit *const names[3] = {f.Copil21, f.Copil22, f.Copil23};
        CNPEdit *const codes[3] = {f.CNP21, f.CNP22, f.CNP23};
        g->addWidget(childRows("Date copii", names, codes), 3, 0, 1, 4);
        f.page[2] = {f.Calitate, f.BISeria2, f.BINr2, f.Cuantum2, f.Copil21,
                     f.CNP21,    f.Copil22,  f.CNP22, f.Copil23,  f.CNP23};
    }
    f.Pages = new QStackedWidget;
    f.Pages->addWidget(page1);
    f.Pages->addWidget(page2);
    f.Pages->addWidget(page3);

    f.MemoBut = new QPushButton(QStringLiteral("Memoreaza"));
    f.MemoBut->setObjectName("MemoBut");
    f.RenuntBut = new QPushButton(QStringLiteral("Renunt"));
    f.RenuntBut->setObjectName("RenuntBut");
    for (QPushButton *b : {f.MemoBut, f.RenuntBut}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(f.MemoBut);
    buttons->addWidget(f.RenuntBut);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(f.Header);
    layout->addLayout(common);
    layout->addWidget(f.Pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab follows the entry order too (hidden pages are skipped).
    QList<QWidget *> chain = f.common + f.page[0] + f.page[1] + f.page[2];
    chain << f.MemoBut << f.RenuntBut;
    for (int i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);

    connect(f.MemoBut, &QPushButton::clicked, this, [this] { save(); });
    connect(f.RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace kovara
