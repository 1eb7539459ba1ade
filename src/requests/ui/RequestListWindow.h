#pragma once

// The request list: the requests of one year, of one kind or of all, with
// the search by applicant, sorting by any column, and the commands that
// add, change, delete and number requests.

#include "engines/dbf/Query.h"
#include "requests/RequestRecord.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kovara {

class BandBar;
class CereriModel;
class CNPEdit;
class NumberingDialog;

class RequestListWindow : public QDialog
{
    Q_OBJECT
public:
    explicit RequestListWindow(QWidget *parent = nullptr);
    ~RequestListWindow() override;

    QComboBox *kindSelector; // kind: 0 every kind, 1..3 the kinds
    QPushButton *AddBut;     // "Adauga cerere"
    QPushButton *ModiBut;    // "Modifica cerere"
    QPushButton *DelBut;     // "Sterge cerere"
    QPushButton *ListCerere; // "Listeaza cerere"
    QPushButton *ExportBut;  // "Exporta tabelul"
    QPushButton *NumeroBut;  // "Numerotare dispozitii"
    QComboBox *Anul;         // the year shown
    QLineEdit *nameSearch;   // search by applicant name
    CNPEdit *cnpSearch;      // search by applicant code
    QPushButton *InchideBut; // "Inchide"
    QTableView *requestGrid;
    BandBar *Bands;

    // The request editor: kind, whether the record is modified (else new),
    // the record; true when saved. Without one, add and modify do nothing.
    using Editor = std::function<bool(int kind, bool modify, RequestRecord &record)>;
    void setEditor(Editor editor) { m_editor = std::move(editor); }
    // "Listeaza cerere": the form of the current request (the list query
    // stands on it). Without one the command does nothing.
    void setRequestFormHandler(std::function<void(const Query &current)> handler)
    {
        m_requestForm = std::move(handler);
    }
    // "Exporta tabelul": the list as a workbook. The window holds still
    // while it runs and comes back on the same row. Without one the command
    // does nothing.
    void setExportHandler(std::function<void(Query &list)> handler) { m_export = std::move(handler); }
    // The numbering dialog (created by the window when not given).
    void setNumberingDialog(NumberingDialog *dialog);

    // Opens the window modally on the current year; returns when it closes.
    void Open();
    // Everything Open does before showing the window.
    void prepareOpen();

    // The list query; its current row is the current request.
    Query &list() { return m_list; }
    CereriModel *model() const { return m_model; }
    QString orderField() const { return m_order; }

    // Re-reads the list and stands on the request `id` (first row when it
    // is not listed).
    void reread(qint64 id);

    // The commands.
    void RefreshList();
    void SearchChanged();
    void SortBy(int column);
    void AddClick();
    void ModiClick();
    void DelClick();
    void ListCerereClick(); // the request form of the current row, made once, then opened
    void NumeroClick();
    // "Exporta tabelul": the listed rows into a workbook, opened afterwards.
    void ExportClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildUi();
    void showList(); // the model and the grid follow the query
    void syncCommands();
    void currentRowChanged(int row);
    // Column widths: sized to their content with the spare width to the
    // name columns, until the clerk sets a width; those are kept (program
    // registry key) between openings and runs.
    void fitColumns();
    // The width of the widest name of a name column in the list.
    int widestName(int column) const;
    // The window's size, kept across starts.
    void restoreSize();
    void saveSize();
    void restoreColumnWidths();
    void saveColumnWidths();

    Query m_list;
    CereriModel *m_model;
    NumberingDialog *m_numero = nullptr;
    Editor m_editor;
    std::function<void(const Query &)> m_requestForm;
    std::function<void(Query &)> m_export;
    QString m_order = QStringLiteral("IDCERERE");
    bool m_syncing = false;
    bool m_active = false; // between opening and closing
    bool m_sizing = false;
    bool m_clerkWidths = false;
    QList<int> m_widths;
};

} // namespace kovara
