#pragma once

#include "store/database_maintenance.h"

#include <QDate>

#include <functional>
#include <memory>

class BackupWindow;
class CustomerStore;
class Prompts;
class StartupSession;
class Tmainfm;
class Tsetupfm2;

// The main window's data commands of the settings menu: "小区管理" and "经办人管理"
// (the window "数据设置"), "备份数据库" (also run by the exit reminder), "压缩数据库" and
// "重新下载产品".
class MainMaintenance {
public:
    MainMaintenance(Tmainfm& window, StartupSession& session, Prompts& prompts,
                    std::function<QDate()> today = {});
    ~MainMaintenance();

    // The area and handler lists read again and offered by the customer page.
    void reloadNameLists();

    // The commands, as their menu entries run them; `tab` 0 shows the areas, 1 the
    // handlers.
    void editNameLists(int tab);
    void backup();
    void compact();
    void emptyLibrary();

    Tsetupfm2& nameListWindow() const { return *nameLists_; }
    BackupWindow& backupWindow() const { return *backupWindow_; }

private:
    Tmainfm& window_;
    StartupSession& session_;
    Prompts& prompts_;
    std::unique_ptr<CustomerStore> store_;
    DatabaseMaintenance maintenance_;
    Tsetupfm2* nameLists_ = nullptr;
    BackupWindow* backupWindow_ = nullptr;
};
