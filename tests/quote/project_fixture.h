#pragma once

#include "platform/database.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/project_view.h"
#include "quote/setup_file.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>

// A window stand-in that records what the open project asked of it.
class RecordingView : public ProjectView {
public:
    explicit RecordingView(Database& library, Prompts& prompts)
        : library_(library), prompts_(prompts) {}

    RoomContext roomContext() override;
    void roomAdded(int index, TRoom_OBJ& room) override;
    void roomRemoving(int index) override;
    void roomRetitled(int index, const QString& title) override;
    void activate(int index) override { active = index; }
    void customerChanged() override { ++customerShown; }
    void editedChanged(bool edited) override { editedValues.push_back(edited); }
    void progress(int value, int maximum) override;

    QStringList tabs;
    int active = -1;
    int customerShown = 0;
    std::vector<bool> editedValues;
    int progressMaximum = 0;
    int progressValue = 0;
    bool progressShown = false;

private:
    Database& library_;
    Prompts& prompts_;
};

// A program folder with the demo product library and an empty customer store, and one
// open project on it.
class ProjectTest : public ::testing::Test {
protected:
    ProjectTest();

    // A second open project on the same files, as after a restart.
    std::unique_ptr<OpenProject> reopen(RecordingView& view);
    // The id of the first product of a kind with the given size, from the library.
    int productOf(int kind, int width, int height);
    // Row count of a store table.
    int rows(const QString& table);
    // Adds room `i` of a row of rooms the kill tests use: a rectangle 300 to 420 cm wide
    // and 240 cm deep, wholly laid with square panel `panel`.
    TRoom_OBJ& addTiledRoom(int i, int panel);

    TempFolder home;
    Database library;
    Database storeDb;
    HeldSettings held;
    std::unique_ptr<SetupFile> setup;
    ScriptedPrompts prompts;
    std::unique_ptr<CustomerStore> store;
    std::unique_ptr<RecordingView> view;
    std::unique_ptr<OpenProject> project;
};

// Draws a rectangular room of `width` x `height` cm in the middle of the plan, in design
// mode, as the new-room command and the "设计" button leave it.
void drawRectangle(TRoom_OBJ& room, int width, int height);

// A bill line titled "产品" + id: a 300 x 600 square panel sold by "块".
Ppdu_id billLine(qint32 id, qint32 category, double number, double price);
