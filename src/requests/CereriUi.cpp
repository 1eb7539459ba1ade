// The controls of the request list window and their places.

#include "app/Formats.h"
#include "requests/CNPEdit.h"
#include "requests/CereriModel.h"
#include "requests/CereriU.h"
#include "requests/RequestList.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kovara {

namespace {

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void TCereriF::buildUi()
{
    setWindowTitle(ApplicationTitle());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);
    resize(1000, 600);

    auto *outer = new QVBoxLayout(this);
    auto *header = new QLabel(QStringLiteral("Cereri"), this);
    QFont big = header->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 6);
    header->setFont(big);
    outer->addWidget(header);

    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);
    auto *left = new QVBoxLayout;
    body->addLayout(left);

    left->addWidget(new QLabel(QStringLiteral("Tipul cererii"), this));
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems(RequestKindNames());
    ComboBox1->setCurrentIndex(0);
    left->addWidget(ComboBox1);
    AddBut = button(QStringLiteral("Adauga cerere"), this);
    ModiBut = button(QStringLiteral("Modifica cerere"), this);
    DelBut = button(QStringLiteral("Sterge cerere"), this);
    ListCerere = button(QStringLiteral("Listeaza cerere"), this);
    ExportBut = button(QStringLiteral("Exporta tabelul"), this);
    NumeroBut = button(QStringLiteral("Numerotare dispozitii"), this);
    ListCerere->setEnabled(false);
    ExportBut->setEnabled(false);
    for (QPushButton *b : {AddBut, ModiBut, DelBut, ListCerere, ExportBut, NumeroBut})
        left->addWidget(b);

    left->addWidget(new QLabel(QStringLiteral("Anul afisat"), this));
    Anul = new QComboBox(this);
    left->addWidget(Anul);

    left->addWidget(new QLabel(QStringLiteral("Cautare"), this));
    left->addWidget(new QLabel(QStringLiteral("Nume"), this));
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(32);
    left->addWidget(Edit1);
    left->addWidget(new QLabel(QStringLiteral("CNP"), this));
    CNPEdit1 = new TCNPEdit(this);
    left->addWidget(CNPEdit1);
    left->addStretch();
    InchideBut = button(QStringLiteral("Inchide"), this);
    left->addWidget(InchideBut);

    auto *right = new QVBoxLayout;
    body->addLayout(right, 1);
    right->addWidget(new QLabel(QStringLiteral("  Lista cererilor"), this));
    SMDBGrid1 = new QTableView(this);
    m_model = new CereriModel(m_list, this);
    SMDBGrid1->setModel(m_model);
    SMDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SMDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SMDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    SMDBGrid1->setAlternatingRowColors(true);
    SMDBGrid1->verticalHeader()->setVisible(false);
    SMDBGrid1->verticalHeader()->setDefaultSectionSize(SMDBGrid1->fontMetrics().height() + 6);
    SMDBGrid1->horizontalHeader()->setSectionsClickable(true);
    SMDBGrid1->horizontalHeader()->setHighlightSections(false);
    Bands = new BandBar(SMDBGrid1, this);
    right->addWidget(Bands);
    right->addWidget(SMDBGrid1, 1);
}

} // namespace kovara
