#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/Resources.h"
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

MainWindow::MainWindow(AccessState &access, AboutBox *about, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_access(access)
    , m_about(about)
{
    InitResources();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(TitleWithVersion());

    cereriButton = new PictureButton(QStringLiteral("Cereri"), QStringLiteral(":/icons/system-users.png"),
                                     QStringLiteral("Evidenta / cautare cereri."), this);
    rapoarteButton =
        new PictureButton(QStringLiteral("Rapoarte"), QStringLiteral(":/icons/document-print.png"),
                          QStringLiteral("Diverse rapoarte."), this);
    formulareButton =
        new PictureButton(QStringLiteral("Formulare"), QStringLiteral(":/icons/accessories-text-editor.png"),
                          QStringLiteral("Listare formulare. Modele."), this);
    adminButton = new PictureButton(QStringLiteral("Administrare"), LockedPicture,
                                    QStringLiteral("Administrare program."), this);
    salvareButton = new PictureButton(QStringLiteral("Salvare"), QStringLiteral(":/icons/document-save.png"),
                                      QStringLiteral("Salvare sau restaurare date."), this);
    aboutButton = new PictureButton(QStringLiteral("Despre..."), QStringLiteral(":/icons/help-about.png"),
                                    QStringLiteral("Date despre program."), this);
    exitButton = new PictureButton(QStringLiteral("Iesire"), QStringLiteral(":/icons/application-exit.png"),
                                   QStringLiteral("Inchide programul."), this);
    const std::pair<PictureButton *, const char *> names[] = {{cereriButton, "cereriButton"},
                                                              {rapoarteButton, "rapoarteButton"},
                                                              {formulareButton, "formulareButton"},
                                                              {adminButton, "adminButton"},
                                                              {salvareButton, "salvareButton"},
                                                              {aboutButton, "aboutButton"},
                                                              {exitButton, "exitButton"}};
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

    connect(cereriButton, &QToolButton::clicked, this, [this] { RunCommand([this] { CereriClick(); }); });
    connect(rapoarteButton, &QToolButton::clicked, this, [this] { RunCommand([this] { RapoarteClick(); }); });
    connect(formulareButton, &QToolButton::clicked, this,
            [this] { RunCommand([this] { FormulareClick(); }); });
    connect(adminButton, &QToolButton::clicked, this,
            [this] { RunCommand([this] { AdministrareClick(); }); });
    connect(salvareButton, &QToolButton::clicked, this, [this] { RunCommand([this] { SalvareClick(); }); });
    connect(aboutButton, &QToolButton::clicked, this, [this] { RunCommand([this] { DespreClick(); }); });
    connect(exitButton, &QToolButton::clicked, this, [this] { IesireClick(); });

    // The window sees these keys before its buttons. F1 and F2 act only
    // while their buttons are enabled: the commands stay locked until the
    // administrator login, whichever way they are asked for.
    auto key = [this](QKeySequence seq, std::function<void()> run) {
        auto *shortcut = new QShortcut(seq, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [run] { RunCommand(run); });
    };
    key(QKeySequence(Qt::Key_F1), [this] {
        if (cereriButton->isEnabled())
            CereriClick();
    });
    key(QKeySequence(Qt::Key_F2), [this] {
        if (rapoarteButton->isEnabled())
            RapoarteClick();
    });
    key(QKeySequence(Qt::Key_F12), [this] { IesireClick(); });
    KeyboardRules::attach(this); // Esc closes, with the confirmation

    m_quit = [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    };
    SetAccess(m_access.granted());
    connect(&m_access, &AccessState::changed, this, &MainWindow::SetAccess);
    setFixedHeight(sizeHint().height());
}

void MainWindow::SetAccess(bool granted)
{
    m_open = granted;
    cereriButton->setEnabled(granted && bool(m_requestList));
    rapoarteButton->setEnabled(granted);
    formulareButton->setEnabled(granted);
    salvareButton->setEnabled(granted && bool(m_backup));
    adminButton->setPicture(granted ? OpenPicture : LockedPicture);
}

void MainWindow::setRequestListHandler(std::function<void()> open)
{
    m_requestList = std::move(open);
    SetAccess(m_open);
}

void MainWindow::setBackupHandler(std::function<void()> open)
{
    m_backup = std::move(open);
    SetAccess(m_open);
}

QMenu *MainWindow::dropDown(QMenu *menu, QWidget *button)
{
    // The menu's top-left corner at the button's bottom-left corner.
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    return menu;
}

void MainWindow::CereriClick()
{
    if (m_requestList)
        m_requestList();
}

void MainWindow::RapoarteClick()
{
    dropDown(RapoarteMenu, rapoarteButton);
}

void MainWindow::FormulareClick()
{
    dropDown(FormulareMenu, formulareButton);
}

void MainWindow::AdministrareClick()
{
    if (m_access.granted()) {
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
        m_access.setGranted(true);
        SetAccess(true);
    }
}

void MainWindow::SalvareClick()
{
    if (m_backup)
        m_backup();
}

void MainWindow::DespreClick()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->exec();
}

void MainWindow::IesireClick()
{
    close();
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        setFixedWidth(area.width());
        move(area.topLeft());
    }
    DataLabel->setText(FormatDate(QDate::currentDate()));
    QWidget::showEvent(event);
}

void MainWindow::endWithoutQuestion()
{
    m_closing = true;
    if (m_quit)
        m_quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
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
