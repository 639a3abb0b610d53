#pragma once

#include "bench_library.h"
#include "core/troom_obj.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/no_window.h"
#include "quote/open_project.h"
#include "quote/setup_file.h"
#include "store/customer_store.h"

#include <QImage>

#include <cstdlib>

// The products of the benchmark project: a square panel and an appliance.
constexpr int Panel = 1;
constexpr int Appliance = 2;
constexpr int Rooms = 50;

inline void addProjectProducts(BenchLibrary& library) {
    library.addPanel(Panel, QStringLiteral("方板"), Qt::gray);
    QImage lamp(30, 30, QImage::Format_RGB32);
    lamp.fill(Qt::yellow);
    library.db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, "
                                   "height, price, danwei, l_img) "
                                   "values (?, 1, '灯', ?, 300, 300, 10, '个', ?)"),
                    {Appliance, KindAppliance, picture::writeBmp(lamp)});
}

// A project of 50 rooms, each a fully tiled 6 x 5 m room with 20 appliances, saved once
// into the store.
struct BenchProject {
    BenchProject(Database& storeDb, Database& library, HeldSettings& held, SetupFile& setup,
                 Prompts& prompts)
        : store(storeDb), window(library), project(store, held, setup, prompts, window) {
        for (int i = 0; i < Rooms; ++i) {
            NewRoomRequest request;
            request.name = QStringLiteral("房间%1").arg(i);
            TRoom_OBJ& room = project.CreatNewRoom(request);
            room.makeRectangle(600, 500);
            room.editMode = EditDesign;
            room.setTool(FirstDesignTool);
            room.currentProduct = {Panel, KindSquarePanel, 0};
            room.wholeAndPatternFill(0, 0);
            for (int a = 0; a < 20; ++a) {
                auto object = std::make_unique<tdianqi_rec>();
                object->id = Appliance;
                object->x = room.roomBox.minX + 30 * (a % 5) * 4;
                object->y = room.roomBox.minY + 30 * (a / 5) * 4;
                room.objects.push_back(std::move(object));
            }
            room.reseatAllAppliances();
            room.recount();
        }
        project.savebtClick();
    }

    // Takes out or puts back one panel of the room.
    void change(int index) {
        TRoom_OBJ& room = *project.room_list[std::size_t(index)].room;
        const GridCell cell = *room.cellOfPoint({room.roomBox.minX + 50, room.roomBox.minY + 50});
        const bool changed = room.cell(cell.column, cell.row) >= 0 ? room.removePanel(cell)
                                                                   : room.placePanel(cell, 0);
        if (!changed) {
            std::abort(); // the benchmark would measure a save of unchanged rooms
        }
    }

    CustomerStore store;
    NoWindow window;
    OpenProject project;
};
