#pragma once

// The request editor: types a new request ("Cerere noua") or changes a
// stored one ("Modificare cerere"), checks it and answers whether it was
// saved. It does not write the request table; the caller stores `record`.

#include "requests/RequestRecord.h"

#include <QDialog>
#include <memory>

namespace kovara {

class RequestEditor : public QDialog
{
    Q_OBJECT
public:
    enum Mode { New, Modify };

    explicit RequestEditor(QWidget *parent = nullptr);
    ~RequestEditor() override;

    // Shows the editor modally. New: a request of `kind` (1 to 3); `record`
    // is not read. Modify: `record` is the stored row (its kind comes from
    // its TIP, `kind` is not used; its IDCERERE is left out of the duplicate
    // checks). Returns true when the user saved; `record` then holds every
    // column to store: for New, IDCERERE is left for the caller to allocate,
    // NRDISP is 0, DATADISP today and PTLUNA empty; for Modify, IDCERERE,
    // NRDISP, DATADISP and PTLUNA are kept as they were.
    bool Execute(int kind, Mode mode, RequestRecord &record);

    // The window's state, for the caller and for tests.
    int kind() const { return m_kind; }
    Mode mode() const { return m_mode; }

    struct Fields;
    Fields &fields() { return *m_f; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildUi();
    void resetFields();
    void showKind();
    void fillFrom(const RequestRecord &r);
    void lookupApplicant();
    void save();
    void focusNextInOrder(QWidget *from);

    std::unique_ptr<Fields> m_f;
    int m_kind = 1;
    Mode m_mode = New;
    bool m_saved = false;
    RequestRecord m_record;
};

} // namespace kovara
