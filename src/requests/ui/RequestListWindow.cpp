#include "requests/ui/RequestListWindow.h"
#include "base/FileNames.h"
#include "shell/NumberedFile.h"

#include "base/Error.h"
#include "data/Settings.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/Numbering.h"
#include "requests/RequestList.h"
#include "requests/ui/CereriModel.h"
#include "requests/ui/NumberingDialog.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/CNPEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
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
    connect(ListCerere, &QPushButton::clicked, this, [this] { RunCommand([this] { ListCerereClick(); }); });
    connect(ExportBut, &QPushButton::clicked, this, [this] { RunCommand([this] { ExportClick(); }); });
    connect(InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(requestGrid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([this, column] { SortBy(column); }); });
    connect(requestGrid, &QTableView::doubleClicked, this, [this] { RunCommand([this] { ModiClick(); }); });
    connect(requestGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    requestGrid->installEventFilter(this);
    requestGrid->viewport()->installEventFilter(this); // its width, for the columns
    connect(requestGrid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (m_sizing || size <= 0 || column >= m_widths.size())
                    return;
                m_widths[column] = size;
                m_clerkWidths = true; // the clerk set a width: kept from now on
                saveColumnWidths();
            });
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
    restoreSize();
    RefreshList();
    restoreColumnWidths();
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
    m_sizing = true;
    for (int c = 6; c <= 8; ++c)
        requestGrid->setColumnHidden(c, !numbering);
    m_sizing = false;
    fitColumns();
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
    const QString doc = findFileNoCase(RequestDocumentPath(id));
    const bool dropDoc =
        QFile::exists(doc) && Mesaj(QStringLiteral("Modificare Cerere"),
                                    QStringLiteral("\rDoriti anularea modificarilor din Cererea precedenta?"),
                                    KindConfirmare, BtnDa | BtnNu) == ResDa;
    UpdateRequest(record);
    reread(id);
    if (dropDoc && !RemoveOutput(doc))
        throw Error(QStringLiteral("Modificarile au fost memorate. ") + HeldOpenText(doc));
}

void RequestListWindow::ListCerereClick()
{
    if (m_requestForm && m_list.isOpen() && !m_list.isEmpty())
        m_requestForm(m_list);
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
    } catch (const NumberingRefused &refusal) {
        if (shown)
            contor->Distruge(this);
        reread(current);
        Mesaj(QStringLiteral("Numerotare dispozitii"), refusal.message(), KindEroare, BtnOk);
        return;
    } catch (...) {
        if (shown)
            contor->Distruge(this);
        reread(current);
        throw;
    }
    contor->Distruge(this);
    Mesaj(QStringLiteral("Numerotare dispozitii"),
          QStringLiteral("Au fost numerotate ") + QString::number(count) + QStringLiteral(" dispozitii!"),
          KindInformatie, BtnOk);
    reread(current);
}

void RequestListWindow::ExportClick()
{
    if (!m_export)
        return;
    // The grid neither follows nor repaints the list while the export walks
    // it; the current row and the window come back as they were.
    const int row = m_list.recNo();
    m_syncing = true;
    requestGrid->setUpdatesEnabled(false);
    setEnabled(false);
    const auto restore = qScopeGuard([&] {
        if (row >= 0)
            m_list.goTo(row);
        setEnabled(true);
        requestGrid->setUpdatesEnabled(true);
        m_syncing = false;
        QCoreApplication::processEvents();
        showList();
    });
    m_export(m_list);
}

void RequestListWindow::showList()
{
    m_syncing = true;
    m_model->reload();
    fitColumns(); // a reset model forgets the widths of its columns
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
    ListCerere->setEnabled(rows);
}

namespace {

// What the widest value of each column looks like; empty for the name
// columns, which take the spare width.
const char *const kColumnSamples[] = {"00.00.0000",    "000000000", "",           "0000000000000",  "",
                                      "0000000000000", "0000000",   "00.00.0000", "septembrie.0000"};
bool isNameColumn(int c)
{
    return kColumnSamples[c][0] == 0;
}
const QString kWidthsKey = QStringLiteral("LatimiColoaneCereri");
const QString kSizeKey = QStringLiteral("DimensiuneCereri");

} // namespace

int RequestListWindow::widestName(int column) const
{
    // The names of the list as they are, up to a few thousand rows; never
    // narrower than a common name, never wider than the 32 letters a name
    // can have.
    const QFontMetrics cells = requestGrid->fontMetrics();
    int widest = cells.horizontalAdvance(QStringLiteral("POPESCU MARIA ELENA"));
    const int most = cells.horizontalAdvance(QString(32, QLatin1Char('M')));
    const int rows = std::min(m_model->rowCount(), 3000);
    for (int r = 0; r < rows && widest < most; ++r)
        widest = std::max(widest, cells.horizontalAdvance(m_model->index(r, column).data().toString()));
    return std::min(widest, most);
}

void RequestListWindow::fitColumns()
{
    const int columns = int(CereriModel::columns().size());
    if (!m_clerkWidths) {
        const QFontMetrics cells = requestGrid->fontMetrics();
        const QFontMetrics titles = requestGrid->horizontalHeader()->fontMetrics();
        m_widths.clear();
        int used = 0;
        QList<int> names;
        for (int c = 0; c < columns; ++c) {
            const int title = titles.horizontalAdvance(CereriModel::columns().at(c).title) + 24;
            const int content =
                isNameColumn(c) ? widestName(c) : cells.horizontalAdvance(QLatin1String(kColumnSamples[c]));
            m_widths.append(qMax(title, content + 16));
            if (requestGrid->isColumnHidden(c))
                continue;
            used += m_widths.last();
            if (isNameColumn(c))
                names.append(c);
        }
        const int spare = requestGrid->viewport()->width() - used;
        if (spare > 0 && !names.isEmpty()) {
            for (int c : names)
                m_widths[c] += spare / int(names.size());
        }
    }
    m_sizing = true;
    for (int c = 0; c < columns && c < m_widths.size(); ++c)
        requestGrid->horizontalHeader()->resizeSection(c, m_widths[c]);
    m_sizing = false;
    Bands->update();
}

void RequestListWindow::restoreColumnWidths()
{
    QString stored;
    try {
        stored = ReadRegValue(kWidthsKey);
    } catch (const Error &) {
    }
    const QStringList parts = stored.split(QLatin1Char(','), Qt::SkipEmptyParts);
    m_clerkWidths = parts.size() == CereriModel::columns().size();
    if (m_clerkWidths) {
        m_widths.clear();
        for (const QString &part : parts)
            m_widths.append(qBound(20, part.toInt(), 2000));
    }
    fitColumns();
}

void RequestListWindow::restoreSize()
{
    // The size the clerk left it at, within the screen; at first the list's
    // usual size, or the screen's when that is smaller (1024 x 768).
    QSize size(1000, 600);
    try {
        const QStringList parts = ReadRegValue(kSizeKey).split(QLatin1Char(','));
        if (parts.size() == 2 && parts[0].toInt() > 0 && parts[1].toInt() > 0)
            size = QSize(parts[0].toInt(), parts[1].toInt());
    } catch (const Error &) {
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(QSize(room.width() - 16, room.height() - 48));
    }
    resize(size.expandedTo(minimumSizeHint()));
}

void RequestListWindow::saveSize()
{
    try {
        WriteRegValue(kSizeKey, QStringLiteral("%1,%2").arg(width()).arg(height()));
    } catch (const Error &) {
        // Only the look of the window: it opens at its usual size next time.
    }
}

void RequestListWindow::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        saveSize();
    QDialog::hideEvent(event);
}

void RequestListWindow::saveColumnWidths()
{
    QStringList parts;
    for (int width : std::as_const(m_widths))
        parts << QString::number(width);
    try {
        WriteRegValue(kWidthsKey, parts.join(QLatin1Char(',')));
    } catch (const Error &) {
        // Only the look of the list: it is sized again next time.
    }
}

bool RequestListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == requestGrid->viewport() && event->type() == QEvent::Resize)
        fitColumns();
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
