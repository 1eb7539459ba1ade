#include "app/Unit3.h"

#include "app/AboutBox.h"
#include "app/ErrorDisplay.h"
#include "app/ErrorUnit.h"
#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/Resources.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace kovara {
namespace {

const QString LockedPicture = QStringLiteral(":/icons/changes-prevent.png");
const QString OpenPicture = QStringLiteral(":/icons/changes-allow.png");

} // namespace

TForm3::TForm3(TAboutBox *about, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_about(about)
{
    InitResources();
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(TitleWithVersion());

    MBut1 = new PictureButton(QStringLiteral("Cereri"), QStringLiteral(":/icons/system-users.png"),
                              QStringLiteral("Evidenta / cautare cereri."), this);
    MBut2 = new PictureButton(QStringLiteral("Rapoarte"), QStringLiteral(":/icons/document-print.png"),
                              QStringLiteral("Diverse rapoarte."), this);
    MBut4 =
        new PictureButton(QStringLiteral("Formulare"), QStringLiteral(":/icons/accessories-text-editor.png"),
                          QStringLiteral("Listare formulare. Modele."), this);
    MButAdm = new PictureButton(QStringLiteral("Administrare"), LockedPicture,
                                QStringLiteral("Administrare program."), this);
    MBut3 = new PictureButton(QStringLiteral("Salvare"), QStringLiteral(":/icons/document-save.png"),
                              QStringLiteral("Salvare sau restaurare date."), this);
    ToolButton3 = new PictureButton(QStringLiteral("Despre..."), QStringLiteral(":/icons/help-about.png"),
                                    QStringLiteral("Date despre program."), this);
    ModelF = new PictureButton(QStringLiteral("Iesire"), QStringLiteral(":/icons/application-exit.png"),
                               QStringLiteral("Inchide programul."), this);
    const std::pair<PictureButton *, const char *> names[] = {{MBut1, "MBut1"},  {MBut2, "MBut2"},
                                                              {MBut4, "MBut4"},  {MButAdm, "MButAdm"},
                                                              {MBut3, "MBut3"},  {ToolButton3, "ToolButton3"},
                                                              {ModelF, "ModelF"}};
    for (const auto &[button, name] : names)
        button->setObjectName(QLatin1String(name));

    RapoarteMenu = new QMenu(this);
    FormulareMenu = new QMenu(this);
    buildMenus();

    DataLabel = new QLabel(this);
    DataLabel->setObjectName(QStringLiteral("DataLabel"));
    QFont big = DataLabel->font();
    big.setPointSizeF(big.pointSizeF() * 2.6);
    big.setBold(true);
    DataLabel->setFont(big);
    DataLabel->setStyleSheet(QStringLiteral("color: #365F9C;"));
    StatusLine = new QLabel(QStringLiteral("ESC - Iesire din program"), this);
    StatusLine->setFrameShape(QFrame::StyledPanel);
    StatusLine->setFrameShadow(QFrame::Sunken);

    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    for (const auto &[button, name] : names)
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(DataLabel);
    row->addSpacing(16);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(2);
    layout->addLayout(row);
    layout->addWidget(StatusLine);

    connect(MBut1, &QToolButton::clicked, this, [this] { RunCommand([this] { CereriClick(); }); });
    connect(MBut2, &QToolButton::clicked, this, [this] { RunCommand([this] { RapoarteClick(); }); });
    connect(MBut4, &QToolButton::clicked, this, [this] { RunCommand([this] { FormulareClick(); }); });
    connect(MButAdm, &QToolButton::clicked, this, [this] { RunCommand([this] { AdministrareClick(); }); });
    connect(MBut3, &QToolButton::clicked, this, [this] { RunCommand([this] { SalvareClick(); }); });
    connect(ToolButton3, &QToolButton::clicked, this, [this] { RunCommand([this] { DespreClick(); }); });
    connect(ModelF, &QToolButton::clicked, this, [this] { IesireClick(); });

    // The window sees these keys before its buttons. F1 and F2 act only
    // while their buttons are enabled: the commands stay locked until the
    // administrator login, whichever way they are asked for.
    auto key = [this](QKeySequence seq, std::function<void()> run) {
        auto *shortcut = new QShortcut(seq, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [run] { RunCommand(run); });
    };
    key(QKeySequence(Qt::Key_F1), [this] {
        if (MBut1->isEnabled())
            CereriClick();
    });
    key(QKeySequence(Qt::Key_F2), [this] {
        if (MBut2->isEnabled())
            RapoarteClick();
    });
    key(QKeySequence(Qt::Key_F12), [this] { IesireClick(); });
    KeyboardRules::attach(this); // Esc closes, with the confirmation

    m_quit = [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    };
    SetAccess(false);
    setFixedHeight(sizeHint().height());
}

void TForm3::SetAccess(bool granted)
{
    m_open = granted;
    MBut1->setEnabled(granted && bool(m_requestList));
    MBut2->setEnabled(granted);
    MBut4->setEnabled(granted);
    MBut3->setEnabled(granted && bool(m_backup));
    MButAdm->setPicture(granted ? OpenPicture : LockedPicture);
}

void TForm3::setRequestListHandler(std::function<void()> open)
{
    m_requestList = std::move(open);
    SetAccess(m_open);
}

void TForm3::setBackupHandler(std::function<void()> open)
{
    m_backup = std::move(open);
    SetAccess(m_open);
}

QMenu *TForm3::dropDown(QMenu *menu, QWidget *button)
{
    // The menu's top-left corner at the button's bottom-left corner.
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    return menu;
}

void TForm3::CereriClick()
{
    if (m_requestList)
        m_requestList();
}

void TForm3::RapoarteClick()
{
    dropDown(RapoarteMenu, MBut2);
}

void TForm3::FormulareClick()
{
    dropDown(FormulareMenu, MBut4);
}

void TForm3::AdministrareClick()
{
    if (AccessGranted()) {
        if (m_adminWindow)
            m_adminWindow();
        return;
    }
    if (!m_login) {
        Mesaj(QStringLiteral("Administrare"), QStringLiteral("Autentificarea nu este disponibila."),
              KindEroare, BtnOk);
        return;
    }
    if (m_login()) {
        setAccessGranted(true);
        SetAccess(true);
    }
}

void TForm3::SalvareClick()
{
    if (m_backup)
        m_backup();
}

void TForm3::DespreClick()
{
    if (!m_about)
        m_about = new TAboutBox(this);
    m_about->exec();
}

void TForm3::IesireClick()
{
    close();
}

void TForm3::showEvent(QShowEvent *event)
{
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        setFixedWidth(area.width());
        move(area.topLeft());
    }
    DataLabel->setText(FormatDate(QDate::currentDate()));
    QWidget::showEvent(event);
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (Mesaj(QStringLiteral("Inchidere program"), QStringLiteral("Vreti sa inchideti programul?"),
              KindConfirmare, BtnDa | BtnNu) != ResDa) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    if (m_quit)
        m_quit();
}

} // namespace kovara
