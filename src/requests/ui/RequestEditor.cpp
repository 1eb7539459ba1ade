// The request editor: opening in both modes, the applicant lookup, the
// Enter order and "Memoreaza".

#include "requests/ui/RequestEditor.h"

#include "requests/RequestChecks.h"
#include "requests/ui/RequestEditorFields.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/CNPEdit.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

namespace kovara {
namespace {

const char *const kCaptions[3] = {"Alocatie de stat, indemnizatie / stimulent de crestere a copilului",
                                  "Alocatie nou-nascuti", "Trusou nou nascuti"};

RequestInput collect(const RequestEditor::Fields &f)
{
    RequestInput in;
    in.Handi = f.Handi->isChecked();
    in.CerereNr = f.CerereNr->text();
    in.CerereData = f.CerereData->date();
    in.CNPSubsemnat = f.CNPSubsemnat->text();
    in.Subsemnat = f.Subsemnat->text();
    in.AdresaSubsemnat = f.AdresaSubsemnat->text();
    in.JudetSubsemnat = f.JudetSubsemnat->text();
    in.Alocatie = f.Alocatie->isChecked();
    in.Indemnizatie = f.Indemnizatie->isChecked();
    in.Stimulent = f.Stimulent->isChecked();
    in.Copil1 = f.Copil1->text(), in.CNP1 = f.CNP1->text();
    in.Copil2 = f.Copil2->text(), in.CNP2 = f.CNP2->text();
    in.Copil3 = f.Copil3->text(), in.CNP3 = f.CNP3->text();
    in.BIseria = f.BIseria->text(), in.BINr = f.BINr->text();
    in.ALCopil = f.ALCopil->currentText();
    in.Cuantum = f.Cuantum->text();
    in.NumeCopil = f.NumeCopil->text(), in.CNPCopil = f.CNPCopil->text();
    in.CNSeria = f.CNSeria->text(), in.CNNr = f.CNNr->text(), in.CNElib = f.CNElib->text();
    in.Calitate = f.Calitate->currentText();
    in.BISeria2 = f.BISeria2->text(), in.BINr2 = f.BINr2->text();
    in.Cuantum2 = f.Cuantum2->text();
    in.Copil21 = f.Copil21->text(), in.CNP21 = f.CNP21->text();
    in.Copil22 = f.Copil22->text(), in.CNP22 = f.CNP22->text();
    in.Copil23 = f.Copil23->text(), in.CNP23 = f.CNP23->text();
    return in;
}

void setText(QLineEdit *edit, const QString &text)
{
    FillText(edit, text);
}

void selectItem(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    combo->setCurrentIndex(i < 0 ? 0 : i);
}

void apply(RequestEditor::Fields &f, const RequestInput &in)
{
    f.Handi->setChecked(in.Handi);
    setText(f.CerereNr, in.CerereNr);
    if (in.CerereData.isValid()) // a date typed wrong stays for correction
        f.CerereData->setDate(in.CerereData);
    setText(f.CNPSubsemnat, in.CNPSubsemnat);
    setText(f.Subsemnat, in.Subsemnat);
    setText(f.AdresaSubsemnat, in.AdresaSubsemnat);
    setText(f.JudetSubsemnat, in.JudetSubsemnat);
    f.Alocatie->setChecked(in.Alocatie);
    f.Indemnizatie->setChecked(in.Indemnizatie);
    f.Stimulent->setChecked(in.Stimulent);
    setText(f.Copil1, in.Copil1), setText(f.CNP1, in.CNP1);
    setText(f.Copil2, in.Copil2), setText(f.CNP2, in.CNP2);
    setText(f.Copil3, in.Copil3), setText(f.CNP3, in.CNP3);
    setText(f.BIseria, in.BIseria), setText(f.BINr, in.BINr);
    selectItem(f.ALCopil, in.ALCopil);
    setText(f.Cuantum, in.Cuantum);
    setText(f.NumeCopil, in.NumeCopil), setText(f.CNPCopil, in.CNPCopil);
    setText(f.CNSeria, in.CNSeria), setText(f.CNNr, in.CNNr), setText(f.CNElib, in.CNElib);
    selectItem(f.Calitate, in.Calitate);
    setText(f.BISeria2, in.BISeria2), setText(f.BINr2, in.BINr2);
    setText(f.Cuantum2, in.Cuantum2);
    setText(f.Copil21, in.Copil21), setText(f.CNP21, in.CNP21);
    setText(f.Copil22, in.Copil22), setText(f.CNP22, in.CNP22);
    setText(f.Copil23, in.Copil23), setText(f.CNP23, in.CNP23);
}

} // namespace

RequestEditor::RequestEditor(QWidget *parent)
    : QDialog(parent)
    , m_f(std::make_unique<Fields>())
{
    buildUi();
    QList<QWidget *> all = m_f->common;
    for (const auto &page : m_f->page)
        all += page;
    for (QWidget *w : all) {
        w->installEventFilter(this);
        for (QLineEdit *inner : w->findChildren<QLineEdit *>())
            inner->installEventFilter(this);
    }
}

RequestEditor::~RequestEditor() = default;

bool RequestEditor::Execute(int kind, Mode mode, RequestRecord &record)
{
    Fields &f = *m_f;
    m_saved = false;
    m_mode = mode;
    m_record = record;
    OpenLookup(f.lookup);
    if (mode == New) {
        m_kind = qBound(1, kind, 3);
        f.Header->setText(QStringLiteral("Cerere noua"));
        resetFields();
        showKind();
    } else {
        f.Header->setText(QStringLiteral("Modificare cerere"));
        const int stored = KindOfTip(record.TIP);
        m_kind = stored ? stored : qBound(1, kind, 3);
        resetFields();
        showKind();
        fillFrom(record);
        f.CerereNr->setText(QString::number(record.NR));
        f.CerereData->setDate(record.DINDATA);
        f.CNPSubsemnat->setText(record.CNP);
    }
    f.MemoBut->setEnabled(true);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The first field to type in is the request's number.
    f.CerereNr->setFocus(Qt::TabFocusReason);
    exec();
    f.lookup.close();
    if (m_saved)
        record = m_record;
    return m_saved;
}

void RequestEditor::resetFields()
{
    apply(*m_f, DefaultInput(m_kind, QDate::currentDate()));
}

void RequestEditor::showKind()
{
    m_f->Caption->setText(QString::fromLatin1(kCaptions[m_kind - 1]));
    m_f->Pages->setCurrentIndex(m_kind - 1);
}

void RequestEditor::fillFrom(const RequestRecord &r)
{
    RequestInput in = collect(*m_f);
    FillInput(in, m_kind, r);
    apply(*m_f, in);
}

void RequestEditor::lookupApplicant()
{
    Fields &f = *m_f;
    if (m_mode != New || !f.lookup.isOpen() || !f.CNPSubsemnat->Corect())
        return;
    if (const auto latest = LatestRequestOf(f.CNPSubsemnat->text()))
        fillFrom(*latest);
}

void RequestEditor::save()
{
    Fields &f = *m_f;
    // Disabling the button moves the focus away from it; it comes back.
    QPointer<QWidget> focus = QApplication::focusWidget();
    QPointer<QWidget> pointed; // the field a refusal points at
    f.MemoBut->setEnabled(false);
    RunCommand([this, &f, &pointed] {
        const QDate today = QDate::currentDate();
        const qint64 ownId = m_mode == Modify ? m_record.IDCERERE : 0;
        RequestInput in = collect(f);
        auto problem = CheckCommon(in);
        apply(f, in);
        if (problem) {
            pointed = findChild<QWidget *>(problem->field);
            ShowProblem(problem->message, pointed);
            return;
        }
        if (auto message = DuplicateNumber(f.lookup, m_kind, in.CerereNr, today, ownId, in.CerereData)) {
            Mesaj(QStringLiteral("Memorare cerere"), *message, KindEroare, BtnOk);
            return;
        }
        problem = CheckPage(m_kind, in);
        apply(f, in);
        if (problem) {
            pointed = findChild<QWidget *>(problem->field);
            ShowProblem(problem->message, pointed);
            return;
        }
        if (auto found = ChildrenElsewhere(f.lookup, m_kind, in, ownId)) {
            if (Mesaj(QStringLiteral("Memorare cerere"), found->question, KindAtentie, BtnDa | BtnNu) !=
                ResDa)
                return;
        }
        const RequestRecord stored = m_record;
        if (m_mode == New)
            RememberNewRequest(m_kind, in);
        m_record = RecordOf(m_kind, in, m_mode == Modify, stored, today);
        m_saved = true;
        accept();
    });
    f.MemoBut->setEnabled(true);
    if (!isVisible())
        return;
    if (pointed)
        pointed->setFocus(Qt::OtherFocusReason);
    else if (focus)
        focus->setFocus();
}

void RequestEditor::focusNextInOrder(QWidget *from)
{
    Fields &f = *m_f;
    const QList<QWidget *> order = f.common + f.page[m_kind - 1];
    const int i = order.indexOf(from);
    QWidget *next = i >= 0 && i + 1 < order.size() ? order[i + 1] : f.MemoBut;
    KeyboardRules::focusByKeyboard(next);
}

bool RequestEditor::eventFilter(QObject *watched, QEvent *event)
{
    Fields &f = *m_f;
    QWidget *field = qobject_cast<QWidget *>(watched);
    // A line edit inside a date or choice field stands for its owner.
    if (field && field->parentWidget() &&
        (qobject_cast<QAbstractSpinBox *>(field->parentWidget()) ||
         qobject_cast<QComboBox *>(field->parentWidget())))
        field = field->parentWidget();
    if (event->type() == QEvent::FocusOut && field == f.CNPSubsemnat) {
        lookupApplicant();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return QDialog::eventFilter(watched, event);
        // Enter moves on from every field, tick boxes too (Space ticks them).
        focusNextInOrder(field);
        if (field == f.CNP3 || field == f.CNElib || field == f.CNP23)
            save();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void RequestEditor::keyPressEvent(QKeyEvent *event)
{
    // Enter never runs a default button here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kovara
