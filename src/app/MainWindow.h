#pragma once

// The main window: a strip across the top of the screen with the program's
// large buttons, today's date and the two drop-down menus. Every command of
// the program starts here and runs through RunCommand.
//
// The windows of the other areas plug in through the handlers below; a
// command without its handler stays disabled.

#include "shell/ui/CommandHost.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace kovara {

class PictureButton;
class AboutBox;
class AccessState;

class MainWindow : public QWidget, public CommandHost
{
    Q_OBJECT
public:
    // The commands follow the given access state (SetAccess on each change).
    explicit MainWindow(AccessState &access, AboutBox *about = nullptr, QWidget *parent = nullptr);

    PictureButton *cereriButton;    // "Cereri"
    PictureButton *rapoarteButton;  // "Rapoarte"
    PictureButton *formulareButton; // "Formulare"
    PictureButton *adminButton;     // "Administrare"
    PictureButton *salvareButton;   // "Salvare"
    PictureButton *aboutButton;     // "Despre..."
    PictureButton *exitButton;      // "Iesire"
    QLabel *DataLabel;              // today's date, dd.MM.yyyy
    QLabel *StatusLine;             // "ESC - Iesire din program"
    QMenu *RapoarteMenu;
    QMenu *FormulareMenu;

    // Enables (granted) or disables "Cereri", "Rapoarte", "Formulare" and
    // "Salvare", and shows on "Administrare" the picture of open or closed
    // access.
    void SetAccess(bool granted);

    // "Administrare" while access is not granted: the administrator login;
    // true when it granted access. Without a handler access stays locked.
    void setLoginHandler(std::function<bool()> login) { m_login = std::move(login); }
    // "Administrare" once access is granted: the administration window.
    void setAdminWindowHandler(std::function<void()> open) { m_adminWindow = std::move(open); }
    // "Cereri": the request list; "Salvare": the backup window.
    void setRequestListHandler(std::function<void()> open);
    void setBackupHandler(std::function<void()> open);

    // A menu entry, by its path: {"Rapoarte", "Trusou pentru nou-nascuti",
    // "Raport Finante", "Creare DBF"} or {"Formulare", "Cerere ..."}.
    // Null when there is no such entry.
    QAction *menuAction(const QStringList &path) const;
    // Gives a menu entry its command and enables it; a path that names no
    // entry fails (kovara::Error).
    void setCommand(const QStringList &path, std::function<void()> command) override;
    QWidget *commandWindow() override { return this; }
    // Every leaf entry of both menus, as paths.
    QList<QStringList> menuPaths() const;

    // What ends the program once closing is confirmed (tests replace it).
    void setQuitAction(std::function<void()> quit) { m_quit = std::move(quit); }
    // Ends the program without the closing question (after a restore the
    // constants in memory are no longer those of the data folder).
    void endWithoutQuestion();

    // The button commands.
    void CereriClick();
    void RapoarteClick();
    void FormulareClick();
    void AdministrareClick();
    void SalvareClick();
    void DespreClick();
    void IesireClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QMenu *dropDown(QMenu *menu, QWidget *button);

    AccessState &m_access;
    QPointer<AboutBox> m_about;
    bool m_open = false;
    bool m_closing = false;
    std::function<bool()> m_login;
    std::function<void()> m_adminWindow;
    std::function<void()> m_requestList;
    std::function<void()> m_backup;
    std::function<void()> m_quit;
};

} // namespace kovara
