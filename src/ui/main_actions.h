#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The menu bar and tool bars of the main window. Every command exists with its caption;
// commands whose subsystem is not built yet stay disabled. Actions and menus are found
// by object name (the component names of the main window: "N27", "savebt", "N70", ...).
class MainActions {
public:
    explicit MainActions(QMainWindow& window);

    // The action named `name`; aborts on an unknown name so that a typo cannot pass.
    QAction* operator[](const QString& name) const;
    QMenu* menu(const QString& name) const;

    QToolBar* mainToolBar() const { return mainBar_; }
    QToolBar* wallToolBar() const { return wallBar_; }
    QToolBar* designToolBar() const { return designBar_; }

private:
    QAction* add(const char* name, const char* caption, const char* iconText = nullptr);
    QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
    void buildFileMenu();
    void buildRoomMenu();
    void buildDesignMenu();
    void buildOutputMenus();
    void buildSettingsMenu();
    void buildToolBars();

    QMainWindow& window_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QToolBar* mainBar_ = nullptr;
    QToolBar* wallBar_ = nullptr;
    QToolBar* designBar_ = nullptr;
};
