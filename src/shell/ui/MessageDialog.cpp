#include "shell/ui/MessageDialog.h"

#include "shell/ui/Resources.h"
#include "shell/ui/TestSeam.h"
#include "widgets/GradientPanel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace kovara {
namespace {

QPointer<MessageDialog> g_installed;

QColor rgb(quint32 value)
{
    return QColor::fromRgb(value);
}

QString buttonStyle(const QColor &face)
{
    return QStringLiteral("QPushButton { background-color: %1; color: white; font-weight: bold;"
                          " border: 1px solid %2; border-radius: 3px; padding: 3px; }"
                          "QPushButton:focus { border: 2px solid white; }"
                          "QPushButton:pressed { background-color: %2; }")
        .arg(face.name(), face.darker(150).name());
}

} // namespace

MessageDialog::MessageDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_header(new GradientPanel(this))
    , m_footer(new GradientPanel(this))
    , m_row(new QWidget(m_footer))
    , m_icon(new QLabel(m_header))
    , m_title(new QLabel(QStringLiteral("PROBLEMA"), m_header))
    , m_text(new QLabel(this))
{
    InitResources();
    setModal(true);
    setObjectName(QStringLiteral("MessageDialog"));

    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_title->setFont(bold);
    m_title->setWordWrap(true);
    m_icon->setFixedSize(48, 48);
    auto *head = new QHBoxLayout(m_header);
    head->setContentsMargins(10, 6, 10, 6);
    head->addWidget(m_icon);
    head->addWidget(m_title, 1);

    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setMinimumHeight(60);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_row->setFixedSize(MesajRowWidth, 36);
    for (const MesajButtonKind &entry : MesajButtonOrder()) {
        auto *button = new QPushButton(entry.caption, m_row);
        button->setFixedWidth(MesajButtonWidth);
        button->setAutoDefault(true);
        const int result = entry.result;
        connect(button, &QPushButton::clicked, this, [this, result] {
            m_result = result;
            done(result);
        });
        m_buttons.insert(entry.bit, button);
    }
    auto *foot = new QHBoxLayout(m_footer);
    foot->setContentsMargins(4, 4, 4, 4);
    foot->addWidget(m_row, 0, Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addWidget(m_text);
    layout->addLayout(body, 1);
    layout->addWidget(m_footer);
    setFixedWidth(MesajRowWidth + 8);
}

void MessageDialog::install(MessageDialog *dialog)
{
    g_installed = dialog;
}

MessageDialog *MessageDialog::instance()
{
    if (!g_installed)
        g_installed = new MessageDialog;
    return g_installed;
}

int MessageDialog::prepare(const QString &title, const QString &text, int kind, int buttons,
                           int defaultButton)
{
    m_result = ResRenunt;
    m_title->setText(title);
    QString shown = text;
    m_text->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const MesajLook look = MesajLookOf(kind);
    setWindowTitle(look.caption);
    m_icon->setPixmap(QPixmap(look.icon).scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_header->setColors(rgb(look.from), rgb(look.to));
    m_footer->setColors(rgb(look.from), rgb(look.to));
    // Dark gradients need light title text.
    const bool darkHeader = kind == KindAtentie;
    m_title->setStyleSheet(darkHeader ? QStringLiteral("color: white;") : QString());

    QList<QPushButton *> visible;
    for (const MesajButtonKind &entry : MesajButtonOrder()) {
        QPushButton *button = m_buttons.value(entry.bit);
        button->setStyleSheet(buttonStyle(rgb(look.face)));
        button->setVisible(buttons & entry.bit);
        if (buttons & entry.bit)
            visible.append(button);
    }
    const std::vector<int> lefts = MesajButtonLefts(int(visible.size()));
    for (int i = 0; i < visible.size(); ++i)
        visible[i]->setGeometry(lefts[size_t(i)], 4, MesajButtonWidth, 28);
    if (!visible.isEmpty()) {
        QPushButton *chosen = (buttons & defaultButton) ? m_buttons.value(defaultButton) : nullptr;
        if (!chosen)
            chosen = visible.constFirst();
        for (QPushButton *button : visible)
            button->setDefault(button == chosen);
        chosen->setFocus();
    }
    // A wrapped label does not tell the dialog how tall it is at the
    // dialog's fixed width: ask it, so that a long message is shown whole.
    const int textWidth = MesajRowWidth + 8 - 32; // the body's margins
    m_text->setMinimumHeight(std::max(60, m_text->heightForWidth(textWidth)));
    const int titleWidth = MesajRowWidth + 8 - 20 - 48 - m_header->layout()->spacing();
    m_title->setMinimumHeight(m_title->heightForWidth(titleWidth));
    adjustSize();
    return int(visible.size());
}

int MessageDialog::Mesaj(const QString &title, const QString &text, int kind, int buttons, int defaultButton)
{
    seam::recordMesaj({title, text, kind, buttons, defaultButton});
    if (prepare(title, text, kind, buttons, defaultButton) == 0)
        return ResRenunt;
    int answer = ResRenunt;
    if (seam::takeMesajAnswer(answer))
        return answer;

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return m_result;
}

void MessageDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc closes the dialog and leaves the stored result (2).
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

int Mesaj(const QString &title, const QString &text, int kind, int buttons, int defaultButton)
{
    return MessageDialog::instance()->Mesaj(title, text, kind, buttons, defaultButton);
}

} // namespace kovara
