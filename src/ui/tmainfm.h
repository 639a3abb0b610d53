#pragma once

#include "core/current_product.h"
#include "core/troom_obj.h"
#include "quote/closing_sequence.h"
#include "quote/setup_form.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class BillOfMaterials;
class Ceiling3DWindow;
class CustomerPage;
class CustomerStore;
class DesignStatisticsPanel;
class KeyFilter;
class MainActions;
class MainAutosave;
class MainBillEdits;
class MainMaintenance;
class MainProjectView;
class OpenProject;
class ProductPickerPanel;
class Prompts;
class QLabel;
class QProgressBar;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class Reports;
class RoomCanvasWidget;
class StartupSession;
class TUserFM;
struct NewRoomRequest;

// The main window: menus and tool bars, the page control with the customer page and
// one tab per room, the status bar, and the start and closing sequences.
class Tmainfm : public QMainWindow {
public:
    static constexpr int StatusPanels = 8;

    Tmainfm(StartupSession& session, Prompts& prompts, ClosingSequence::Clock clock = {});
    ~Tmainfm() override;

    // Main window creation. Returns false when start-up must end (a database could not
    // be opened; the message has been shown).
    bool FormCreate();
    // Writes the settings kept at exit; runs once, when the window is destroyed.
    void FormDestroy();

    MainActions& actions() { return *actions_; }
    QTabWidget* pageControl() const { return pages_; }
    QLabel* statusPanel(int index) const;
    // A passing notice in the status bar of work done without a window, e.g. "已保存 14:05".
    void showNotice(const QString& text);
    CloseHooks& closeHooks() { return closing_.hooks(); }

    // --- Settings (src/ui/main_settings.cpp).
    // The held settings changed (the settings window pushed them).
    void settingsPushed();
    // What saving settings does to the open rooms and the bill.
    SettingsSaveHooks settingsSaveHooks();
    // The automatic edge trim line may be shown: set at start and by saving settings; the
    // legacy import clears it.
    bool edgeTrimReady() const;
    void setEdgeTrimReady(bool ready);
    // Makes the customer page active.
    void showStatistics();
    // The tab change: the active page decides what the work area shows.
    void sPageControl1Change();

    // Adds a room entry with its tab and makes it the active room.
    void CreatNewRoom(const NewRoomRequest& request);
    // The room of the active tab; none on the customer page.
    TRoom_OBJ* getActiveOBJ() const { return active_; }
    const std::vector<RoomEntry>& rooms() const;
    RoomCanvasWidget* canvas() const { return canvas_; }

    // --- Design workspace (src/ui/design_window.cpp).
    DesignStatisticsPanel* statisticsPanel() const { return statisticsPanel_; }
    KeyFilter* keyFilter() const { return keyFilter_; }
    ProductPickerPanel* productPicker() const { return picker_; }
    // The picker selection carried across room tabs and given to the fill tools.
    CurrentProduct& pickerSelection();
    // Set by the refresh once the active room is modified; cleared by saving.
    bool projectEdited() const;
    // The workspace refresh: status bar, buttons, options, menus of the active room.
    void refreshWorkspace();

    // The data commands of the settings menu (src/ui/main_maintenance.cpp).
    MainMaintenance& maintenance() { return *maintenance_; }

    // --- The open project (src/ui/main_project*.cpp).
    OpenProject& project();
    BillOfMaterials& bill() { return *bill_; }
    // The hand edits of the bill (src/ui/main_bill_edits.cpp).
    MainBillEdits& billEdits() { return *billEdits_; }
    CustomerPage* customerPage() const { return customerPage_; }
    TUserFM* customerBrowser() const { return browser_; }
    // Offers the copies a program that did not end cleanly left, then starts the
    // automatic copies (src/ui/main_autosave.cpp).
    void startAutosave();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool initDB();
    void buildWorkArea();
    void buildStatusBar();
    void buildFixedLength();
    QWidget* buildStartPanel();
    void showProjectArea();
    void wireRoomCommands();
    // Status bar texts of the active room, through the workspace refresh.
    void refreshFromRoom();
    // Design workspace (src/ui/design_window.cpp).
    QWidget* buildProjectArea();
    void wireDesignCommands();
    void wireDesignOptions();
    void installKeyFilter();
    void wirePicker();
    void showRoomInPage();
    // Wall mode: the wall tool button of the room's tool is pressed.
    void showWallButtons();
    // Runs a command on the active room, then refreshes the workspace.
    void onActiveRoom(const char* action, std::function<void(TRoom_OBJ&)> command);
    // Frees the rooms, last first, with the canvas detached.
    void disposOBJ();
    // The open project (src/ui/main_project.cpp).
    friend class MainProjectView;
    void buildProject();
    void wireProjectCommands();
    void N27Click();
    void ToolButton17Click();
    // The room's tab icon tells whether it takes part in the statistics.
    void showRoomIcon(int index);
    // The canvas and the statistics list leave the active room's page.
    void detachCanvas();
    // "另存为..." and "关闭客户" are enabled while a customer is open.
    void setCustomerCommands(bool open);
    // The open project as an exchange file (src/ui/main_exchange.cpp).
    void wireExchange();
    void wireBrowserExchange();
    QString exchangeFolder() const;
    void exportProjectFile();
    void importProjectFile();
    // Closing (src/ui/main_closing.cpp): the hooks of the save question and the backup
    // reminder; whether a room was changed since it was created or loaded.
    void wireClosing();
    bool roomsModified() const;
    // Reports (src/ui/main_reports.cpp): the print and export commands and their enabling.
    void wireReports();
    void refreshReportCommands();
    void printPreview();
    // "下料单" (src/ui/main_cutting.cpp).
    void wireCutting();
    // "导入V5项目文件" (src/ui/main_legacy_import.cpp).
    void wireLegacyImport();
    // "3D效果" (src/ui/main_view3d.cpp): the active room's 3D window, kept in step with it.
    void wireView3D();
    void follow3DView();

    StartupSession& session_;
    Prompts& prompts_;
    ClosingSequence closing_;
    std::unique_ptr<MainActions> actions_;
    QStackedWidget* workArea_ = nullptr;
    QWidget* startPanel_ = nullptr;
    QLabel* homeLink_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QWidget* projectArea_ = nullptr;
    ProductPickerPanel* picker_ = nullptr;
    DesignStatisticsPanel* statisticsPanel_ = nullptr;
    KeyFilter* keyFilter_ = nullptr;
    QLabel* panels_[StatusPanels] = {};
    QSpinBox* fixedLength_ = nullptr;
    RoomCanvasWidget* canvas_ = nullptr;
    std::unique_ptr<CustomerStore> store_;
    std::unique_ptr<MainProjectView> projectView_;
    std::unique_ptr<OpenProject> project_;
    std::unique_ptr<BillOfMaterials> bill_;
    std::unique_ptr<MainMaintenance> maintenance_;
    std::unique_ptr<MainBillEdits> billEdits_;
    std::unique_ptr<Reports> reports_;
    std::unique_ptr<MainAutosave> autosave_;
    CustomerPage* customerPage_ = nullptr;
    // The customer browser, made once with the project.
    TUserFM* browser_ = nullptr;
    QPointer<Ceiling3DWindow> view3d_;
    QProgressBar* saveProgress_ = nullptr;
    TRoom_OBJ* active_ = nullptr;
    bool started_ = false;
    bool destroyed_ = false;
};
