#pragma once

#include <QHash>
#include <QString>

class PageDw;
class QAction;
class QMainWindow;
class QMenu;

// The menus and the tool bar of the main window: every command of the program has its entry,
// found by its object name. Entries start disabled; the window enables those it runs. The
// cadre list's own commands and column toggles come from its page, as they are.
struct MainMenus {
    QHash<QString, QAction*> actions;
    QMenu* columnsMenu = nullptr;

    QAction* operator[](const char* name) const { return actions.value(QString::fromLatin1(name)); }
};

MainMenus buildMainMenus(QMainWindow& window, const PageDw& page);
