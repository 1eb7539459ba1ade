#include "requests/RequestListWindow.h"

#include "app/ErrorDisplay.h"
#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/MessageDialog.h"
#include "app/ProgressCounter.h"
#include "app/UiHelpers.h"
#include "data/Error.h"
#include "requests/CNPEdit.h"
#include "requests/CereriModel.h"
#include "requests/Numbering.h"
#include "requests/NumberingDialog.h"
#include "requests/RequestList.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

namespace kovara {

RequestListWindow::RequestListWindow(QWidget *parent)
    : QDialog(parent)
{
    buildUi();
    connect(kindSelector, &QComboBox::currentIndexChanged, this,
            [this] { RunCommand([this] { RefreshList(); }); });
    connect(Anul, &QComboBox::currentIndexChanged, this, [this] { RunCommand([this] { RefreshList(); }); });
    connect(nameSearch, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int pos = nameSearch->cursorPosition();
            nameSearch->setText(upper);
            nameSearch->setCursorPosition(pos);
        }
    });
    connect(nameSearch, &QLineEdit::textChanged, this, [this] { RunCommand([this] { SearchChanged(); }); });
    connect(cnpSearch, &QLineEdit::textChanged, this, [this] { RunCommand([this] { SearchChanged(); }); });
    connect(AddBut, &QPushButton::clicked, this, [this] { RunCommand([this] { AddClick(); }); });
    connect(ModiBut, &QPushButton::clicked, this, [this] { RunCommand([this] { ModiClick(); }); });
    connect(DelBut, &QPushButton::clicked, this, [this] { RunCommand([this] { DelClick(); }); });
    connect(NumeroBut, &QPushButton::clicked, this, [this] { RunCommand([this] { NumeroClick(); }); });
    connect(InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(requestGrid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([this, column] { SortBy(column); }); });
    connect(requestGrid, &QTableView::doubleClicked, this, [this] { RunCommand([this] { ModiClick(); }); });
    connect(requestGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    requestGrid->installEventFilter(this);
    KeyboardRules::attach(this);
    RefreshList();
}

RequestListWindow::~RequestListWindow() = default;

void RequestListWindow::setNumberingDialog(NumberingDialog *dialog)
{
    m_numero = dialog;
}

void RequestListWindow::Open()
{
    prepareOpen();
    exec();
    m_active = false;
    m_list.close();
    showList();
}

void RequestListWindow::prepareOpen()
{
    const int year = QDate::currentDate().year();
    {
        const QSignalBlocker block(Anul);
        Anul->clear();
        Anul->addItems(RequestYears(year));
        Anul->setCurrentIndex(Anul->findText(QString::number(year)));
    }
    m_order = QStringLiteral("IDCERERE");
    m_active = true; // the list is read once, for the kind chosen
    RefreshList();
}

void RequestListWindow::RefreshList()
{
    const int kind = kindSelector->currentIndex();
    const bool numbering = kind == 2 || kind == 3;
    NumeroBut->setVisible(numbering);
    if (m_active) {
        OpenRequestList(m_list, Anul->currentText().toInt(), kind, m_order);
        showList();
    }
    for (int c = 6; c <= 8; ++c)
        requestGrid->setColumnHidden(c, !numbering);
    Bands->update();
}

void RequestListWindow::SearchChanged()
{
    const Filter f = RequestSearchFilter(nameSearch->text(), cnpSearch->text());
    if (f.isEmpty())
        m_list.clearFilter();
    else
        m_list.setFilter(f);
    showList();
}

void RequestListWindow::SortBy(int column)
{
    if (!m_list.isOpen() || m_list.isEmpty() || column < 0 || column >= CereriModel::columns().size())
        return;
    const qint64 id = m_list.integer(QStringLiteral("IDCERERE"));
    m_order = CereriModel::columns().at(column).field;
    reread(id);
}

void RequestListWindow::reread(qint64 id)
{
    OpenRequestList(m_list, Anul->currentText().toInt(), kindSelector->currentIndex(), m_order);
    m_list.first();
    m_list.locate(QStringLiteral("IDCERERE"), id);
    showList();
}

void RequestListWindow::AddClick()
{
    const int kind = kindSelector->currentIndex();
    if (kind == 0) {
        ShowProblem(QStringLiteral("Alegeti mai intai tipul cererii!"), kindSelector);
        return;
    }
    RequestRecord record;
    if (!m_editor || !m_editor(kind, false, record))
        return;
    const qint64 id = AddRequest(record);
    reread(id);
}

void RequestListWindow::ModiClick()
{
    if (!m_list.isOpen() || m_list.isEmpty())
        return;
    RequestRecord record = RequestFromQuery(m_list);
    const qint64 id = record.IDCERERE;
    if (!m_editor || !m_editor(KindOfTip(record.TIP), true, record))
        return;
    record.IDCERERE = id;
    const QString doc = RequestDocumentPath(id);
    const bool dropDoc =
        QFile::exists(doc) && Mesaj(QStringLiteral("Modificare Cerere"),
                                    QStringLiteral("\rDoriti anularea modificarilor din Cererea precedenta?"),
                                    KindConfirmare, BtnDa | BtnNu) == ResDa;
    UpdateRequest(record);
    reread(id);
    if (dropDoc && !QFile::remove(doc))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi sters.").arg(doc));
}

void RequestListWindow::DelClick()
{
    if (!m_list.isOpen() || m_list.isEmpty())
        return;
    if (Mesaj(QStringLiteral("Stergere cerere"),
              QStringLiteral("\rStergeti cererea nr.") + m_list.text(QStringLiteral("NR")) +
                  QStringLiteral("?"),
              KindConfirmare, BtnDa | BtnNu) != ResDa)
        return;
    const qint64 id = m_list.integer(QStringLiteral("IDCERERE"));
    const int row = RowAfterDelete(m_list.recNo(), m_list.rowCount());
    qint64 shown = -1;
    if (row >= 0) {
        const int current = m_list.recNo();
        m_list.goTo(row);
        shown = m_list.integer(QStringLiteral("IDCERERE"));
        m_list.goTo(current);
    }
    try {
        DeleteRequest(id);
    } catch (...) {
        reread(id); // the row is still there when the statement failed
        throw;
    }
    reread(shown);
}

void RequestListWindow::NumeroClick()
{
    if (!m_list.isOpen() || m_list.isEmpty()) {
        ShowProblem(QStringLiteral("Nu aveti ce numerota!"), requestGrid);
        return;
    }
    if (!m_numero)
        m_numero = new NumberingDialog(this);
    if (!m_numero->Execute(kindSelector->currentIndex()))
        return;
    const NumberingRange range = m_numero->range();
    const qint64 current = m_list.integer(QStringLiteral("IDCERERE"));
    ProgressCounter *contor = ProgressCounter::instance();
    contor->Descr->setText(QStringLiteral("Numerotez dispozitiile..."));
    contor->Bar->setValue(0);
    bool shown = false;
    int count = 0;
    try {
        count = NumberDispositions(range, [&](int done, int total) {
            if (!shown) {
                contor->Bar->setMaximum(total);
                contor->Arata(this);
                shown = true;
            }
            contor->Bar->setValue(done);
            QCoreApplication::processEvents();
        });
    } catch (const Error &e) {
        if (shown)
            contor->Distruge(this);
        reread(current);
        const QString nothing =
            NothingInRangeText(QString::number(range.firstNr), QString::number(range.lastNr));
        if (e.message() == nothing || e.message() == WorkTableLockedText(NumberingWorkTable())) {
            Mesaj(QStringLiteral("Numerotare dispozitii"), e.message(), KindEroare, BtnOk);
            return;
        }
        throw;
    }
    contor->Distruge(this);
    Mesaj(QStringLiteral("Numerotare dispozitii"),
          QStringLiteral("Au fost numerotate ") + QString::number(count) + QStringLiteral(" dispozitii!"),
          KindInformatie, BtnOk);
    reread(current);
}

void RequestListWindow::showList()
{
    m_syncing = true;
    m_model->reload();
    if (m_list.isOpen() && m_list.recNo() >= 0) {
        const QModelIndex index = m_model->index(m_list.recNo(), 0);
        requestGrid->setCurrentIndex(index);
        requestGrid->scrollTo(index);
    }
    m_syncing = false;
    syncCommands();
}

void RequestListWindow::currentRowChanged(int row)
{
    if (m_syncing || !m_list.isOpen())
        return;
    if (row >= 0)
        m_list.goTo(row);
    syncCommands();
}

void RequestListWindow::syncCommands()
{
    const bool rows = m_list.isOpen() && !m_list.isEmpty();
    ModiBut->setEnabled(rows);
    DelBut->setEnabled(rows);
    ListCerere->setEnabled(false); // the request form document comes later
}

bool RequestListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == requestGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RunCommand([this] { ModiClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kovara
