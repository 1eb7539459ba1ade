#include "requests/ui/CereriModel.h"

#include "engines/dbf/Query.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace kovara {

const QList<CereriModel::Column> &CereriModel::columns()
{
    static const QList<Column> list = {
        {QStringLiteral("Data"), QStringLiteral("DINDATA"), QStringLiteral("Cererea")},
        {QStringLiteral("Numarul"), QStringLiteral("NR"), QStringLiteral("Cererea")},
        {QStringLiteral("Solicitant"), QStringLiteral("SUBSEMN"), {}},
        {QStringLiteral("C.N.P."), QStringLiteral("CNP"), {}},
        {QStringLiteral("Nume si prenume"), QStringLiteral("COPIL1"), QStringLiteral("Copil")},
        {QStringLiteral("C.N.P."), QStringLiteral("CNP1"), QStringLiteral("Copil")},
        {QStringLiteral("Numar"), QStringLiteral("NRDISP"), QStringLiteral("Dispozitie")},
        {QStringLiteral("Din data"), QStringLiteral("DATADISP"), QStringLiteral("Dispozitie")},
        {QStringLiteral("Pentru luna"), QStringLiteral("PTLUNA"), QStringLiteral("Dispozitie")},
    };
    return list;
}

CereriModel::CereriModel(Query &query, QObject *parent)
    : QAbstractTableModel(parent)
    , m_query(query)
{
}

int CereriModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CereriModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns().size());
}

QVariant CereriModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || !m_query.isOpen())
        return {};
    const QString &field = columns().at(index.column()).field;
    if (role == Qt::TextAlignmentRole) {
        const bool number = field == QLatin1String("NR") || field == QLatin1String("NRDISP");
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    // Read the row in place and put the cursor back where it was.
    Query &q = m_query;
    const int current = q.recNo();
    if (!q.goTo(index.row()))
        return {};
    const QString text = q.text(field);
    if (current >= 0)
        q.goTo(current);
    return text;
}

QVariant CereriModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns().size())
        return columns().at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CereriModel::reload()
{
    beginResetModel();
    m_rows = m_query.isOpen() ? m_query.rowCount() : 0;
    endResetModel();
}

BandBar::BandBar(QTableView *view, QWidget *parent)
    : QWidget(parent)
    , m_view(view)
{
    QHeaderView *h = view->horizontalHeader();
    connect(h, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(h, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(h, &QHeaderView::sectionCountChanged, this, qOverload<>(&QWidget::update));
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize BandBar::sizeHint() const
{
    return {100, fontMetrics().height() + 6};
}

QList<QPair<QString, QRect>> BandBar::bands() const
{
    QList<QPair<QString, QRect>> out;
    QHeaderView *h = m_view->horizontalHeader();
    const int offset = m_view->frameWidth() +
                       (m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0);
    const auto &cols = CereriModel::columns();
    for (int c = 0; c < cols.size() && c < h->count(); ++c) {
        const QString &band = cols.at(c).band;
        if (band.isEmpty() || h->isSectionHidden(c))
            continue;
        const QRect r(offset + h->sectionViewportPosition(c), 0, h->sectionSize(c), height());
        if (!out.isEmpty() && out.last().first == band)
            out.last().second = out.last().second.united(r);
        else
            out.append({band, r});
    }
    return out;
}

void BandBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (const auto &[caption, rect] : bands()) {
        const QRect r = rect.adjusted(0, 0, -1, -1);
        p.fillRect(r, palette().button());
        p.setPen(palette().mid().color());
        p.drawRect(r);
        p.setPen(palette().buttonText().color());
        p.drawText(r, Qt::AlignCenter, caption);
    }
}

} // namespace kovara
