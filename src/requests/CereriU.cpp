#include "requests/CereriU.h"

#include "app/ErrorDisplay.h"
#include "app/ErrorUnit.h"
#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/UiHelpers.h"
#include "app/Unit7.h"
#include "data/Error.h"
#include "requests/CNPEdit.h"
#include "requests/CereriModel.h"
#include "requests/Numbering.h"
#include "requests/NumeroU.h"
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

TCereriF::TCereriF(QWidget *parent)
    : QDialog(parent)
{
    buildUi();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this] { RunCommand([this] { RefreshList(); }); });
    connect(Anul, &QComboBox::currentIndexChanged, this, [this] { RunCommand([this] { RefreshList(); }); });
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int pos = Edit1->cursorPosition();
            Edit1->setText(upper);
            Edit1->setCursorPosition(pos);
        }
    });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { RunCommand([this] { SearchChanged(); }); });
    connect(CNPEdit1, &QLineEdit::textChanged, this, [this] { RunCommand([this] { SearchChanged(); }); });
    connect(AddBut, &QPushButton::clicked, this, [this] { RunCommand([this] { AddClick(); }); });
    connect(ModiBut, &QPushButton::clicked, this, [this] { RunCommand([this] { ModiClick(); }); });
    connect(DelBut, &QPushButton::clicked, this, [this] { RunCommand([this] { DelClick(); }); });
    connect(NumeroBut, &QPushButton::clicked, this, [this] { RunCommand([this] { NumeroClick(); }); });
    connect(InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(SMDBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([this, column] { SortBy(column); }); });
    connect(SMDBGrid1, &QTableView::doubleClicked, this, [this] { RunCommand([this] { ModiClick(); }); });
    connect(SMDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    SMDBGrid1->installEventFilter(this);
    KeyboardRules::attach(this);
    RefreshList();
}

TCereriF::~TCereriF() = default;

void TCereriF::setNumberingDialog(TNumeroF *dialog)
{
    m_numero = dialog;
}

void TCereriF::Open()
{
    prepareOpen();
    exec();
    m_active = false;
    m_list.close();
    showList();
}

void TCereriF::prepareOpen()
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

void TCereriF::RefreshList()
{
    const int kind = ComboBox1->currentIndex();
    const bool numbering = kind == 2 || kind == 3;
    NumeroBut->setVisible(numbering);
    if (m_active) {
        OpenRequestList(m_list, Anul->currentText().toInt(), kind, m_order);
        showList();
    }
    for (int c = 6; c <= 8; ++c)
        SMDBGrid1->setColumnHidden(c, !numbering);
    Bands->update();
}

void TCereriF::SearchChanged()
{
    const Filter f = RequestSearchFilter(Edit1->text(), CNPEdit1->text());
    if (f.isEmpty())
        m_list.clearFilter();
    else
        m_list.setFilter(f);
    showList();
}

void TCereriF::SortBy(int column)
{
    if (!m_list.isOpen() || m_list.isEmpty() || column < 0 || column >= CereriModel::columns().size())
        return;
    const qint64 id = m_list.integer(QStringLiteral("IDCERERE"));
    m_order = CereriModel::columns().at(column).field;
    reread(id);
}

void TCereriF::reread(qint64 id)
{
    OpenRequestList(m_list, Anul->currentText().toInt(), ComboBox1->currentIndex(), m_order);
    m_list.first();
    m_list.locate(QStringLiteral("IDCERERE"), id);
    showList();
}

void TCereriF::AddClick()
{
    const int kind = ComboBox1->currentIndex();
    if (kind == 0) {
        ShowProblem(QStringLiteral("Alegeti mai intai tipul cererii!"), ComboBox1);
        return;
    }
    RequestRecord record;
    if (!m_editor || !m_editor(kind, false, record))
        return;
    const qint64 id = AddRequest(record);
    reread(id);
}

void TCereriF::ModiClick()
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

void TCereriF::DelClick()
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

void TCereriF::NumeroClick()
{
    if (!m_list.isOpen() || m_list.isEmpty()) {
        ShowProblem(QStringLiteral("Nu aveti ce numerota!"), SMDBGrid1);
        return;
    }
    if (!m_numero)
        m_numero = new TNumeroF(this);
    if (!m_numero->Execute(ComboBox1->currentIndex()))
        return;
    const NumberingRange range = m_numero->range();
    const qint64 current = m_list.integer(QStringLiteral("IDCERERE"));
    TContor *contor = TContor::instance();
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

void TCereriF::showList()
{
    m_syncing = true;
    m_model->reload();
    if (m_list.isOpen() && m_list.recNo() >= 0) {
        const QModelIndex index = m_model->index(m_list.recNo(), 0);
        SMDBGrid1->setCurrentIndex(index);
        SMDBGrid1->scrollTo(index);
    }
    m_syncing = false;
    syncCommands();
}

void TCereriF::currentRowChanged(int row)
{
    if (m_syncing || !m_list.isOpen())
        return;
    if (row >= 0)
        m_list.goTo(row);
    syncCommands();
}

void TCereriF::syncCommands()
{
    const bool rows = m_list.isOpen() && !m_list.isEmpty();
    ModiBut->setEnabled(rows);
    DelBut->setEnabled(rows);
    ListCerere->setEnabled(false); // the request form document comes later
}

bool TCereriF::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SMDBGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RunCommand([this] { ModiClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kovara
