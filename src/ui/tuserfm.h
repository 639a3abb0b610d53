#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class CustomerBrowser;
class CustomerStore;
class ProductLibrary;
class Prompts;
class QAction;
class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeWidget;
class RoomPreview;
class StartupSession;

// "客户": the customer browser. Lists the company's customers (detailed list or icons),
// filters them by area, searches them, sums them up in the status bar, and shows the
// selected customer's rooms, project summary and a room's design picture. Customers are
// created, edited, deleted and opened from here; a room can be renamed or imported into
// the open project, and the list exported to a workbook.
class TUserFM : public QDialog {
public:
    TUserFM(StartupSession& session, CustomerStore& store, Prompts& prompts,
            QWidget* parent = nullptr);
    ~TUserFM() override;

    // Opens the customer as the open project; false when the user cancelled.
    std::function<bool(qint32 id)> onOpen;
    // Copies a stored room into the open project.
    std::function<void(qint32 roomId)> onImportRoom;
    // The exchange file commands; their buttons stay disabled while these are unset.
    std::function<void(qint32 id)> onExportCustomer;
    std::function<void()> onImportCustomer;

    // Shows the browser modally with the area lists and the unfiltered customer list
    // reloaded; the room import command shows only when `roomImport`.
    void showModal(bool roomImport);
    // The new customer procedure (also the main window's "新建客户..."): the customer
    // form, the stored row, and the row on top of the list while the browser is visible.
    // The new id and name; nothing when the form was cancelled.
    std::optional<std::pair<qint32, QString>> newCustomer();

    CustomerBrowser& browser() { return *browser_; }
    RoomPreview* preview() const { return preview_; }

private:
    void buildCommands();
    QWidget* buildSearchBar();
    QWidget* buildLists();
    QWidget* buildDetails();
    void wire();
    void reloadAreas();
    void setMode(int mode);
    void showList();
    void showStatus();
    void enableCommands();

    qint32 selectedCustomer() const;
    qint32 selectedRoom() const;
    void customerChosen();
    void roomChosen();
    void showSelection();

    // Commands (src/ui/tuserfm_commands.cpp).
    void openCustomer();
    void editCustomer();
    void deleteCustomer();
    void renameRoom();
    void importRoom();
    void exportList();
    void searchClicked();
    void areaClicked(int row);

    StartupSession& session_;
    CustomerStore& store_;
    Prompts& prompts_;
    std::unique_ptr<ProductLibrary> library_;
    std::unique_ptr<CustomerBrowser> browser_;
    QStringList areas_;
    QStringList handlers_;
    bool roomImport_ = false;

    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* edit_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* exportCustomer_ = nullptr;
    QAction* importCustomer_ = nullptr;
    QAction* exportList_ = nullptr;
    QAction* importRoom_ = nullptr;
    QAction* bigger_ = nullptr;
    QAction* smaller_ = nullptr;
    QToolButton* modeButton_ = nullptr;
    QComboBox* searchText_ = nullptr;
    QComboBox* searchField_ = nullptr;
    QComboBox* searchArea_ = nullptr;
    QListWidget* areaPanel_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QTableView* table_ = nullptr;
    QListView* icons_ = nullptr;
    QListWidget* rooms_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* summary_ = nullptr;
    RoomPreview* preview_ = nullptr;
    QLabel* status_[4] = {};
};
