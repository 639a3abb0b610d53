#pragma once

#include "quote/project_view.h"

#include <memory>

class Tmainfm;
class WindowProgress;

// How the main window shows the open project: room tabs, the customer page, the save
// button and the progress bar in the status bar.
class MainProjectView : public ProjectView {
public:
    explicit MainProjectView(Tmainfm& window);
    ~MainProjectView() override;

    RoomContext roomContext() override;
    void roomAdded(int index, TRoom_OBJ& room) override;
    void roomRemoving(int index) override;
    void roomRetitled(int index, const QString& title) override;
    void activate(int index) override;
    void customerChanged() override;
    void editedChanged(bool edited) override;
    void progress(int value, int maximum) override;
    void processEvents() override;
    WorkProgress& work() override;

private:
    Tmainfm& window_;
    std::unique_ptr<WindowProgress> work_;
};
