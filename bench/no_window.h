#pragma once

#include "platform/database.h"
#include "quote/project_view.h"

// A project view without a window: rooms get the library and nothing is shown.
class NoWindow : public ProjectView {
public:
    explicit NoWindow(Database& library) : library_(library) {}
    RoomContext roomContext() override {
        RoomContext context;
        context.library = &library_;
        return context;
    }
    void roomAdded(int, TRoom_OBJ&) override {}
    void roomRemoving(int) override {}
    void roomRetitled(int, const QString&) override {}
    void activate(int) override {}
    void customerChanged() override {}
    void editedChanged(bool) override {}
    void progress(int, int) override {}

private:
    Database& library_;
};
