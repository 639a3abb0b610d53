#pragma once

#include "platform/database.h"
#include "quote/project_view.h"

class Prompts;

// A project view without a window: rooms get the library (and the prompts, when given),
// nothing is shown, and the view only remembers which room entry was made active.
class NoWindow : public ProjectView {
public:
    explicit NoWindow(Database& library, Prompts* prompts = nullptr)
        : library_(library), prompts_(prompts) {}
    RoomContext roomContext() override {
        RoomContext context;
        context.library = &library_;
        context.prompts = prompts_;
        return context;
    }
    void roomAdded(int, TRoom_OBJ&) override {}
    void roomRemoving(int) override {}
    void roomRetitled(int, const QString&) override {}
    void activate(int index) override { active_ = index; }
    void customerChanged() override {}
    void editedChanged(bool) override {}
    void progress(int, int) override {}

    // The room entry last made active; -1 for the customer page.
    int active() const { return active_; }

private:
    Database& library_;
    Prompts* prompts_;
    int active_ = -1;
};
