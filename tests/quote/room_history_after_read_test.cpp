#include "project_fixture.h"

#include <functional>

// A room that arrives from stored records (opened with its project, copied, imported from
// another customer) starts its history with the state read: nothing to undo, and its first
// edit undoes back to what was read.
TEST_F(ProjectTest, ARoomReadFromItsRecordsUndoesItsFirstEditBackToWhatWasRead) {
    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    drawRectangle(project->CreatNewRoom(request), 360, 270);
    ASSERT_TRUE(project->savebtClick());
    const QList<QPoint> stored = project->room_list[0].room->wall.corners();
    const qint32 storedRoom = project->room_list[0].id;

    RecordingView otherView(library, prompts);
    auto opened = reopen(otherView);
    const std::pair<const char*, std::function<bool()>> arrivals[] = {
        {"opened", [&] { return opened->openproject(project->customer.id); }},
        {"copied",
         [&] {
             prompts.answerConfirm(true);
             return opened->copyRoom(0);
         }},
        {"imported",
         [&] {
             prompts.answerConfirm(true);
             return opened->importRoom(storedRoom);
         }},
    };
    for (const auto& [how, arrive] : arrivals) {
        ASSERT_TRUE(arrive()) << how;
        TRoom_OBJ& room = *opened->room_list.back().room;
        ASSERT_EQ(room.wall.corners(), stored) << how;
        EXPECT_FALSE(room.canUndo) << how;
        EXPECT_FALSE(room.canRedo) << how;
        room.undo();
        EXPECT_EQ(room.wall.corners(), stored) << how << ": nothing before the read state";

        room.makeRectangle(500, 400); // "矩形墙面"
        ASSERT_NE(room.wall.corners(), stored);
        EXPECT_TRUE(room.canUndo) << how;
        room.undo();
        EXPECT_EQ(room.wall.corners(), stored) << how;
        EXPECT_FALSE(room.canUndo) << how;
        EXPECT_TRUE(room.canRedo) << how;
    }
}
