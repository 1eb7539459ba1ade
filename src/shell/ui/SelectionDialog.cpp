#include "shell/ui/SelectionDialog.h"

#include "shell/ui/DispositionRangeDialog.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/SemesterDialog.h"

#include "shell/Formats.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/GradientPanel.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kovara {

SelectionDialog::SelectionDialog(const QString &confirmCaption, bool stayOnTop, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          (stayOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()))
    , m_band(new GradientPanel(this))
    , m_titleLine(new QLabel(m_band))
    , m_heading(new QLabel(this))
    , m_fields(new QFormLayout)
    , m_buttons(new QHBoxLayout)
    , m_confirm(new QPushButton(confirmCaption, this))
    , m_cancel(new QPushButton(QStringLiteral("Renunt"), this))
    , m_status(new QLabel(QStringLiteral("ESC - Iesire"), this))
{
    setWindowTitle(ApplicationTitle());
    setModal(true);

    m_band->setColors(QColor(0xE1, 0xDE, 0xFA), QColor(0x81, 0xA2, 0xD3));
    m_titleLine->setObjectName(QStringLiteral("titleLine"));
    QFont bold = m_titleLine->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_titleLine->setFont(bold);
    m_titleLine->setAlignment(Qt::AlignCenter);
    m_titleLine->setWordWrap(true);
    m_titleLine->setMinimumWidth(300); // the longest title on one line
    auto *band = new QHBoxLayout(m_band);
    band->setContentsMargins(12, 10, 12, 10);
    band->addWidget(m_titleLine);

    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->hide();
    m_fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_fields->setHorizontalSpacing(10);
    m_fields->setVerticalSpacing(6);
    m_fields->setContentsMargins(12, 6, 0, 0);

    for (QPushButton *b : {m_confirm, m_cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
    }
    m_buttons->setSpacing(8);
    m_buttons->addStretch();
    m_buttons->addWidget(m_confirm);
    m_buttons->addWidget(m_cancel);

    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setContentsMargins(4, 1, 4, 1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 10, 16, 10);
    body->setSpacing(6);
    body->addWidget(m_heading);
    body->addLayout(m_fields);
    body->addSpacing(6);
    body->addLayout(m_buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_band);
    layout->addLayout(body);
    layout->addWidget(m_status);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(320);

    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    KeyboardRules::attach(this);
}

void SelectionDialog::setHeading(const QString &heading)
{
    m_heading->setText(heading);
    m_heading->setVisible(!heading.isEmpty());
}

void SelectionDialog::addField(const QString &label, QWidget *field)
{
    m_fields->addRow(label, field);
}

void SelectionDialog::setLastField(QWidget *field)
{
    KeyboardRules::attach(this)->addLastField(field, m_confirm);
}

QPushButton *SelectionDialog::addButton(const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
    m_buttons->insertWidget(m_buttons->indexOf(m_cancel), button);
    return button;
}

void SelectionDialog::setTitleText(const QString &title)
{
    m_titleLine->setText(title);
}

void SelectionDialog::done(int result)
{
    if (Balloon *balloon = ProblemBalloon())
        balloon->hide();
    QDialog::done(result);
}

void SelectionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect area = frameGeometry();
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

SelectionDialogSet CreateSelectionDialogs()
{
    SelectionDialogSet dialogs;
    dialogs.period = new PeriodDialog;
    dialogs.range = new DispositionRangeDialog;
    dialogs.month = new MonthDialog;
    dialogs.semester = new SemesterDialog;
    return dialogs;
}

} // namespace kovara
