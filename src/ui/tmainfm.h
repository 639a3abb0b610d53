#pragma once

#include "core/current_product.h"
#include "core/troom_obj.h"
#include "quote/closing_sequence.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class MainActions;
class Prompts;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class RoomCanvasWidget;
class StartupSession;
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
    CloseHooks& closeHooks() { return closing_.hooks(); }

    // The held settings changed (the settings window pushed them).
    void settingsPushed();
    // Makes the customer page active.
    void showStatistics();
    // The tab change: the active page decides what the work area shows.
    void sPageControl1Change();

    // Adds a room entry with its tab and makes it the active room.
    void CreatNewRoom(const NewRoomRequest& request);
    // The room of the active tab; none on the customer page.
    TRoom_OBJ* getActiveOBJ() const { return active_; }
    const std::vector<RoomEntry>& rooms() const { return room_list; }
    RoomCanvasWidget* canvas() const { return canvas_; }

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
    // Status bar texts of the active room: its hint and its zoom.
    void refreshFromRoom();
    // Frees the rooms, last first, with the canvas detached.
    void disposOBJ();

    StartupSession& session_;
    Prompts& prompts_;
    ClosingSequence closing_;
    std::unique_ptr<MainActions> actions_;
    QStackedWidget* workArea_ = nullptr;
    QWidget* startPanel_ = nullptr;
    QLabel* homeLink_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QLabel* panels_[StatusPanels] = {};
    QSpinBox* fixedLength_ = nullptr;
    RoomCanvasWidget* canvas_ = nullptr;
    std::vector<RoomEntry> room_list;
    TRoom_OBJ* active_ = nullptr;
    // The product carried from room to room when the tab changes.
    CurrentProduct pickerSelection_;
    bool started_ = false;
    bool destroyed_ = false;
};
