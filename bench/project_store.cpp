#include "bench_library.h"
#include "core/troom_obj.h"
#include "quote/no_window.h"
#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/project_view.h"
#include "quote/room_digest.h"
#include "quote/setup_file.h"
#include "store/customer_store.h"
#include "store/store_schema.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

// A project of 50 rooms, each a fully tiled 6 x 5 m room with 20 appliances, in a store
// that also holds 10 000 other customers with 50 000 rooms: saving it after one room
// changed, after every room changed, and opening it.

namespace {

constexpr int Panel = 1;
constexpr int Appliance = 2;
constexpr int Rooms = 50;

// The store with the crowd of other customers, made once for every benchmark.
class BenchStore {
public:
    BenchStore() {
        library.addPanel(Panel, QStringLiteral("方板"), Qt::gray);
        QImage lamp(30, 30, QImage::Format_RGB32);
        lamp.fill(Qt::yellow);
        library.db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, "
                                       "height, price, danwei, l_img) "
                                       "values (?, 1, '灯', ?, 300, 300, 10, '个', ?)"),
                        {Appliance, KindAppliance, picture::writeBmp(lamp)});
        db.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(db);
        Transaction t(db);
        for (int c = 0; c < 10000; ++c) {
            const qint64 id = db.insert(
                QStringLiteral("insert into userlist (Compid, name, proid) values (?, ?, ?)"),
                {7, QStringLiteral("客户%1").arg(c), QStringLiteral("HT%1").arg(c)});
            for (int r = 0; r < 5; ++r) {
                db.exec(QStringLiteral("insert into roomlist (UserId, Title, RoomWall) "
                                       "values (?, ?, ?)"),
                        {id, QStringLiteral("房间%1").arg(r), QByteArray(2000, 'x')});
            }
        }
        t.commit();
        held.company.compid = 7;
        held.numbering.prefix = QStringLiteral("HT");
        setup = std::make_unique<SetupFile>(folder.filePath(QStringLiteral("setup.ini")));
    }

    BenchLibrary library;
    QTemporaryDir folder;
    Database db;
    HeldSettings held;
    std::unique_ptr<SetupFile> setup;
    CautiousPrompts prompts;
};

BenchStore& benchStore() {
    static BenchStore store;
    return store;
}

// The project of 50 rooms, saved once.
struct BenchProject {
    BenchProject()
        : store(benchStore().db), window(benchStore().library.db),
          project(store, benchStore().held, *benchStore().setup, benchStore().prompts, window) {
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

void BM_SaveAfterOneRoomChanged(benchmark::State& state) {
    BenchProject bench;
    for (auto _ : state) {
        bench.change(17);
        bench.project.savebtClick();
    }
}
BENCHMARK(BM_SaveAfterOneRoomChanged)->Unit(benchmark::kMillisecond);

void BM_SaveAfterEveryRoomChanged(benchmark::State& state) {
    BenchProject bench;
    for (auto _ : state) {
        for (int i = 0; i < Rooms; ++i) {
            bench.change(i);
        }
        bench.project.savebtClick();
    }
}
BENCHMARK(BM_SaveAfterEveryRoomChanged)->Unit(benchmark::kMillisecond);

// The JPEG previews alone, for their share of the save above.
void BM_PreviewPicturesOfEveryRoom(benchmark::State& state) {
    BenchProject bench;
    for (auto _ : state) {
        for (RoomEntry& entry : bench.project.room_list) {
            QImage preview;
            entry.room->designPicture(preview);
            benchmark::DoNotOptimize(picture::encodeJpeg(preview));
        }
    }
}
BENCHMARK(BM_PreviewPicturesOfEveryRoom)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state) {
    BenchProject bench;
    const qint32 id = bench.project.customer.id;
    NoWindow window(benchStore().library.db);
    OpenProject opened(bench.store, benchStore().held, *benchStore().setup, benchStore().prompts,
                       window);
    for (auto _ : state) {
        opened.openproject(id);
    }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

} // namespace
