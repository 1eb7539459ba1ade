// The controls of the request list window and their places.

#include "requests/RequestList.h"
#include "requests/ui/CereriModel.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/Formats.h"
#include "widgets/CNPEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace kovara {

namespace {

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void RequestListWindow::buildUi()
{
    setWindowTitle(ApplicationTitle());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);

    auto *outer = new QVBoxLayout(this);
    auto *header = new QLabel(QStringLiteral("Cereri"), this);
    QFont big = header->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 6);
    header->setFont(big);
    outer->addWidget(header);

    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);
    // The buttons and selectors take the width of their widest text; the
    // list has the rest.
    auto *leftPanel = new QWidget(this);
    auto *left = new QVBoxLayout(leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    body->addWidget(leftPanel);

    left->addWidget(new QLabel(QStringLiteral("Tipul cererii"), this));
    kindSelector = new QComboBox(this);
    kindSelector->addItems(RequestKindNames());
    kindSelector->setCurrentIndex(0);
    left->addWidget(kindSelector);
    AddBut = button(QStringLiteral("Adauga cerere"), this);
    ModiBut = button(QStringLiteral("Modifica cerere"), this);
    DelBut = button(QStringLiteral("Sterge cerere"), this);
    ListCerere = button(QStringLiteral("Listeaza cerere"), this);
    ExportBut = button(QStringLiteral("Exporta tabelul"), this);
    NumeroBut = button(QStringLiteral("Numerotare dispozitii"), this);
    for (QPushButton *b : {AddBut, ModiBut, DelBut, ListCerere, ExportBut, NumeroBut})
        left->addWidget(b);

    left->addWidget(new QLabel(QStringLiteral("Anul afisat"), this));
    Anul = new QComboBox(this);
    left->addWidget(Anul);

    left->addWidget(new QLabel(QStringLiteral("Cautare"), this));
    left->addWidget(new QLabel(QStringLiteral("Nume"), this));
    nameSearch = new QLineEdit(this);
    nameSearch->setMaxLength(32);
    left->addWidget(nameSearch);
    left->addWidget(new QLabel(QStringLiteral("CNP"), this));
    cnpSearch = new CNPEdit(this);
    left->addWidget(cnpSearch);
    left->addStretch();
    InchideBut = button(QStringLiteral("Inchide"), this);
    left->addWidget(InchideBut);
    int panelWidth = 0;
    for (QPushButton *b : {AddBut, ModiBut, DelBut, ListCerere, ExportBut, NumeroBut, InchideBut})
        panelWidth = std::max(panelWidth, b->sizeHint().width());
    leftPanel->setFixedWidth(panelWidth + 16);

    auto *right = new QVBoxLayout;
    body->addLayout(right, 1);
    right->addWidget(new QLabel(QStringLiteral("  Lista cererilor"), this));
    requestGrid = new QTableView(this);
    m_model = new CereriModel(m_list, this);
    requestGrid->setModel(m_model);
    requestGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    requestGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    requestGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    requestGrid->setAlternatingRowColors(true);
    requestGrid->verticalHeader()->setVisible(false);
    requestGrid->verticalHeader()->setDefaultSectionSize(requestGrid->fontMetrics().height() + 6);
    requestGrid->horizontalHeader()->setSectionsClickable(true);
    requestGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    requestGrid->horizontalHeader()->setStretchLastSection(false);
    requestGrid->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    requestGrid->setWordWrap(false);
    // Tab leaves the grid for the buttons and selectors; arrows move in it.
    requestGrid->setTabKeyNavigation(false);
    requestGrid->horizontalHeader()->setHighlightSections(false);
    Bands = new BandBar(requestGrid, this);
    right->addWidget(Bands);
    right->addWidget(requestGrid, 1);
}

} // namespace kovara
