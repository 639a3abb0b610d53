#pragma once

#include "store/name_list_editor.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QTabWidget;

// "数据设置": the area list on the tab "小区管理" and the handler list on the tab
// "经办人管理", each with "添加", "修改" and "删除", and "确定" to close.
class Tsetupfm2 : public QDialog {
public:
    Tsetupfm2(CustomerStore& store, Prompts& prompts, QWidget* parent = nullptr);

    // Reads both lists and shows the window modally on the tab (0 areas, 1 handlers).
    void showOn(int tab);

    QTabWidget* tabs() const { return tabs_; }
    QListWidget* list(NameList which) const { return page(which).list; }
    QPushButton* renameButton(NameList which) const { return page(which).rename; }
    QPushButton* deleteButton(NameList which) const { return page(which).remove; }

private:
    struct Page {
        NameListEditor editor;
        QListWidget* list = nullptr;
        QPushButton* rename = nullptr;
        QPushButton* remove = nullptr;
    };

    QWidget* buildPage(Page& page, const char* name);
    const Page& page(NameList which) const { return which == NameList::Areas ? areas_ : handlers_; }
    enum class Command { Add, Rename, Delete };
    // Runs a command of the page on its selected entry; an engine error ends it with the
    // engine's message.
    void run(Page& page, Command command);
    // Shows the page's entries again, the row selected.
    void fill(Page& page, int row);
    // "修改" and "删除" need a selected entry.
    static void enableCommands(Page& page);

    Prompts& prompts_;
    Page areas_;
    Page handlers_;
    QTabWidget* tabs_ = nullptr;
};
