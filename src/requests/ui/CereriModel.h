#pragma once

// The grid of the request list: a table model read straight from the list
// query (no copy of the rows), and the band captions drawn over the titles.

#include <QAbstractTableModel>
#include <QWidget>

class QTableView;

namespace kovara {

class Query;

class CereriModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString title;
        QString field;
        QString band;
    };
    static const QList<Column> &columns();

    explicit CereriModel(Query &query, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The query was reopened, filtered or changed: every row is read anew.
    void reload();

private:
    Query &m_query;
    int m_rows = 0;
};

// The captions "Cererea", "Copil", "Dispozitie" over their columns.
class BandBar : public QWidget
{
    Q_OBJECT
public:
    explicit BandBar(QTableView *view, QWidget *parent = nullptr);
    QSize sizeHint() const override;

    // The band captions with their place, for tests: caption -> x, width.
    QList<QPair<QString, QRect>> bands() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_view;
};

} // namespace kovara
