#pragma once

#include "quote/project_view.h"

class Tmainfm;

// How the main window shows the open project: room tabs, the customer page, the save
// button and the progress bar in the status bar.
class MainProjectView : public ProjectView {
public:
    explicit MainProjectView(Tmainfm& window) : window_(window) {}

    RoomContext roomContext() override;
    void roomAdded(int index, TRoom_OBJ& room) override;
    void roomRemoving(int index) override;
    void roomRetitled(int index, const QString& title) override;
    void activate(int index) override;
    void customerChanged() override;
    void editedChanged(bool edited) override;
    void progress(int value, int maximum) override;
    void processEvents() override;

private:
    Tmainfm& window_;
};
