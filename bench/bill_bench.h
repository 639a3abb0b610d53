#pragma once

#include "bench_library.h"
#include "core/ppdu_id.h"
#include "core/troom_obj.h"
#include "platform/cautious_prompts.h"
#include "quote/bill_of_materials.h"
#include "quote/held_settings.h"
#include "quote/no_window.h"
#include "quote/open_project.h"
#include "quote/project_view.h"
#include "quote/setup_file.h"
#include "store/customer_store.h"
#include "store/store_schema.h"

#include <memory>

// 50 counted rooms of 6 x 5 m that together place 200 distinct products in five
// categories, with 50 non-display items.
inline constexpr int Rooms = 50;
inline constexpr int Products = 200;
inline constexpr int LinesPerRoom = 40;
inline constexpr int Categories = 5;

struct BillBench {
    BillBench()
        : setup(folder.filePath(QStringLiteral("setup.ini"))), window(library.db),
          project(store, held, setup, prompts, window), bill(project, library.db, prompts, window) {
        for (int c = 2; c <= Categories; ++c) {
            library.db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (?, ?)"),
                            {c, QStringLiteral("类别%1").arg(c)});
        }
        storeDb.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(storeDb);
        CustomerRecord& c = project.customer;
        c.keelLength = 1.5;
        c.keelPrice = 3;
        c.connectors = 2;
        c.installationFee = 10;
        c.shoubianPrice = 2;
        for (int r = 0; r < Rooms; ++r) {
            NewRoomRequest request;
            request.name = QStringLiteral("房间%1").arg(r);
            TRoom_OBJ& room = project.CreatNewRoom(request);
            room.makeRectangle(600, 500);
            for (int l = 0; l < LinesPerRoom; ++l) {
                const int id = 1 + (r * LinesPerRoom + l) % Products;
                auto line = std::make_unique<Ppdu_id>();
                line->title = QStringLiteral("产品%1").arg(id);
                line->id = id;
                line->cailiao_id = 1 + id % Categories;
                line->price = 10 + id % 7;
                line->number = 1 + l % 9;
                line->width = line->height = 300;
                room.billLines.push_back(std::move(line));
            }
        }
        for (int i = 0; i < 50; ++i) {
            otherrec item;
            item.id = 1 + i * 7;
            item.cailiao_id = 1 + item.id % Categories;
            item.title = QStringLiteral("物件%1").arg(i);
            item.number = (i % 2 == 0 ? 1 : -1) * (1 + i % 3);
            item.price = 4;
            project.other_list.append(item);
        }
    }

    BenchLibrary library;
    QTemporaryDir folder;
    Database storeDb;
    CustomerStore store{storeDb};
    HeldSettings held;
    SetupFile setup;
    CautiousPrompts prompts;
    NoWindow window;
    OpenProject project;
    BillOfMaterials bill;
};
