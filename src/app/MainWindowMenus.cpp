// The two drop-down menus of the main window, entry by entry.

#include "app/MainWindow.h"
#include "base/Error.h"
#include "shell/ui/ErrorDisplay.h"

#include <QAction>
#include <QMenu>

namespace kovara {
namespace {

// Each leaf entry, as its path under the menu button.
const QList<QStringList> &reportPaths()
{
    static const QString Stat = QStringLiteral("Alocatie de stat / indemnizatie / stimulent");
    static const QString NouNascuti = QStringLiteral("Alocatie pentru copii nou-nascuti");
    static const QString Trusou = QStringLiteral("Trusou pentru nou-nascuti");
    static const QString Finante = QStringLiteral("Raport Finante");
    static const QString Centralizator = QStringLiteral("Centralizator Dispozitii");
    static const QString Trezorerie = QStringLiteral("Raport Trezorerie");
    static const QString Anexa2 = QStringLiteral("Anexa 2");
    static const QList<QStringList> paths = {
        {Stat, QStringLiteral("Listare Borderou")},
        {Stat, QStringLiteral("Listare Borderou pt. copii cu handicap")},
        {NouNascuti, QStringLiteral("Listare Stat de plata")},
        {NouNascuti, QStringLiteral("Listare Dispozitii")},
        {NouNascuti, QStringLiteral("Raportare Ministerul Muncii")},
        {NouNascuti, Finante, QStringLiteral("Creare DBF")},
        {NouNascuti, Finante, QStringLiteral("Listare DBF")},
        {Trusou, QStringLiteral("Listare Stat de plata")},
        {Trusou, Centralizator, QStringLiteral("Listare")},
        {Trusou, Centralizator, QStringLiteral("Export in Excel")},
        {Trusou, QStringLiteral("Listare Dispozitii")},
        {Trusou, QStringLiteral("Situatie statistica semestriala")},
        {Trusou, Finante, QStringLiteral("Creare DBF")},
        {Trusou, Finante, QStringLiteral("Listare DBF")},
        {Trusou, Trezorerie, QStringLiteral("Creare DBF")},
        {Trusou, Trezorerie, Anexa2, QStringLiteral("Listare")},
        {Trusou, Trezorerie, Anexa2, QStringLiteral("Export in Excel")},
        {Trusou, Trezorerie, QStringLiteral("Listare Anexa 3")},
    };
    return paths;
}

const QStringList &formEntries()
{
    static const QStringList entries = {
        QStringLiteral("Cerere alocatie de stat / indemnizatie / stimulent"),
        QStringLiteral("Cerere alocatie pentru copii nou-nascuti"),
        QStringLiteral("Cerere trusou pentru nou-nascuti"),
    };
    return entries;
}

QMenu *subMenu(QMenu *parent, const QString &title)
{
    for (QAction *a : parent->actions()) {
        if (a->menu() && a->text() == title)
            return a->menu();
    }
    return parent->addMenu(title);
}

QAction *findIn(QMenu *menu, const QStringList &path, int from)
{
    for (QAction *a : menu->actions()) {
        if (a->text() != path[from])
            continue;
        if (from + 1 == path.size())
            return a->menu() ? nullptr : a;
        if (a->menu())
            return findIn(a->menu(), path, from + 1);
    }
    return nullptr;
}

// A leaf waits, disabled, for the work behind it.
void addLeaf(QMenu *menu, const QString &title)
{
    QAction *action = menu->addAction(title);
    action->setEnabled(false);
}

} // namespace

void MainWindow::buildMenus()
{
    for (const QStringList &path : reportPaths()) {
        QMenu *menu = RapoarteMenu;
        for (int i = 0; i + 1 < path.size(); ++i)
            menu = subMenu(menu, path[i]);
        addLeaf(menu, path.last());
    }
    for (const QString &entry : formEntries())
        addLeaf(FormulareMenu, entry);
}

QAction *MainWindow::menuAction(const QStringList &path) const
{
    if (path.size() < 2)
        return nullptr;
    if (path.first() == QLatin1String("Rapoarte"))
        return findIn(RapoarteMenu, path, 1);
    if (path.first() == QLatin1String("Formulare"))
        return findIn(FormulareMenu, path, 1);
    return nullptr;
}

QList<QStringList> MainWindow::menuPaths() const
{
    QList<QStringList> all;
    for (const QStringList &p : reportPaths())
        all.append(QStringList{QStringLiteral("Rapoarte")} + p);
    for (const QString &entry : formEntries())
        all.append({QStringLiteral("Formulare"), entry});
    return all;
}

void MainWindow::setCommand(const QStringList &path, std::function<void()> command)
{
    QAction *action = menuAction(path);
    if (!action)
        throw Error(QStringLiteral("Meniul nu are comanda \"%1\".").arg(path.join(QStringLiteral(" > "))));
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [command] { RunCommand(command); });
    action->setEnabled(bool(command));
}

} // namespace kovara
