#pragma once

// Where an area's commands are installed: the program's menus, by path.
// The main window is one; the composition root hands it to each area, so
// that no area needs to know the window itself.

#include <QStringList>
#include <functional>

class QWidget;

namespace kovara {

class CommandHost
{
public:
    virtual ~CommandHost() = default;
    // Gives the menu entry at `path` ({"Rapoarte", "Trusou pentru
    // nou-nascuti", "Raport Finante", "Creare DBF"}) its command and enables
    // it. A path that names no entry is a fault of the program: it fails
    // (kovara::Error) when the windows are put together, at start.
    virtual void setCommand(const QStringList &path, std::function<void()> command) = 0;
    // The window the commands' dialogs belong to.
    virtual QWidget *commandWindow() = 0;
};

} // namespace kovara
