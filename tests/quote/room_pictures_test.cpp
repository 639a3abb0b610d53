#include "core/tpic_rec.h"
#include "library/product_library.h"
#include "platform/picture.h"
#include "platform/work_progress.h"
#include "quote/report_files.h"
#include "report_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// Records the steps of the work and stops it at a given step.
class RecordingProgress : public WorkProgress {
public:
    void begin(const QString& caption, int total, bool cancellable) override {
        captions << caption;
        totals.push_back(total);
        this->cancellable = cancellable;
    }
    bool advance(int done) override {
        steps.push_back(done);
        return done < stopAt;
    }
    void end() override { ++ended; }

    QStringList captions;
    std::vector<int> totals;
    std::vector<int> steps;
    bool cancellable = false;
    int stopAt = 1 << 30;
    int ended = 0;
};

// What a page made of the project: its markup, its room pictures' bytes, and the text of
// the PDF design scheme.
struct Drawn {
    QString page;
    std::vector<QByteArray> pictures;
    QString pdfText;
};

class RoomPicturesTest : public ReportTest {
protected:
    // Rooms of the three modes with the products cold in their caches, so drawing them
    // first has to read every product; the square room also holds an appliance.
    void designRooms() {
        const struct {
            RoomMode mode;
            int kind;
            const char* title;
        } shapes[] = {{SquarePanelRoom, KindSquarePanel, "客厅"},
                      {StripsAlongColumns, KindStrip, "厨房"},
                      {StripsAlongRows, KindStrip, "卫生间"},
                      {SquarePanelRoom, KindSquarePanel, "卧室"}};
        for (const auto& shape : shapes) {
            NewRoomRequest request;
            request.name = QString::fromUtf8(shape.title);
            request.roomMode = shape.mode;
            TRoom_OBJ& room = project->CreatNewRoom(request);
            drawRectangle(room, 360, 270);
            const QVariant product = library.scalar(
                QStringLiteral("select id from pic where style = ? order by id limit 1"),
                {shape.kind});
            room.currentProduct = {product.toInt(), shape.kind, 0};
            room.wholeAndPatternFill(0, 0);
        }
        TRoom_OBJ& square = *project->room_list[0].room;
        auto object = std::make_unique<tdianqi_rec>();
        object->id = productOf(KindAppliance, 300, 300);
        object->x = 900;
        object->y = 930;
        square.objects.push_back(std::move(object));
        square.reseatAllAppliances();
        for (const RoomEntry& entry : project->room_list) {
            entry.room->recount();
        }
        forgetProducts();
    }

    void forgetProducts() {
        for (const RoomEntry& entry : project->room_list) {
            entry.room->dropRenderCache();
            entry.room->productIndex.clear();
            entry.room->productCache.clear();
        }
    }

    QString pictureFile(int index) const {
        return QDir(reports.printFolder())
            .filePath(report_files::roomPictureName(
                project->customer.name, index,
                project->room_list[std::size_t(index)].room->getName()));
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString pdfText(const QString& pdf) {
        QProcess process;
        process.start(tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    Drawn draw(bool parallel, bool reuse) {
        project->pictures().options = {parallel, reuse};
        Drawn drawn;
        drawn.page = decoded(reports.print(ReportMode::DesignDrawings, nullptr));
        for (int i = 0; i < int(project->room_list.size()); ++i) {
            drawn.pictures.push_back(bytesOf(pictureFile(i)));
        }
        if (!tool("pdftotext").isEmpty()) {
            const QString pdf = home.file(QStringLiteral("设计方案.pdf"));
            EXPECT_EQ(reports.writePdf(ReportMode::DesignDrawings, pdf), pdf);
            drawn.pdfText = pdfText(pdf);
        }
        return drawn;
    }

    // The picture the room gives when drawn now, as the page writes it.
    QByteArray drawnNow(int index) {
        QImage image;
        EXPECT_TRUE(project->room_list[std::size_t(index)].room->designPicture(image));
        return picture::encodeJpeg(image, 100);
    }
};

TEST_F(RoomPicturesTest, TheDrawingsAreTheSameSeriallyInParallelAndFromStoredPictures) {
    designRooms();
    for (const int company : {7, SpecialLayoutCompany}) {
        SCOPED_TRACE(company);
        held.company.compid = company;
        const Drawn serial = draw(false, false);
        ASSERT_EQ(serial.pictures.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(serial.pictures[std::size_t(i)], drawnNow(i)) << "room " << i;
        }
        forgetProducts();
        const Drawn parallel = draw(true, false);
        EXPECT_EQ(parallel.page.toStdString(), serial.page.toStdString());
        EXPECT_EQ(parallel.pictures, serial.pictures) << "each room drawn alike on any thread";
        EXPECT_EQ(parallel.pdfText.toStdString(), serial.pdfText.toStdString());

        ASSERT_TRUE(project->savebtClick());
        const Drawn stored = draw(true, true);
        EXPECT_EQ(stored.page.toStdString(), serial.page.toStdString());
        EXPECT_EQ(stored.pdfText.toStdString(), serial.pdfText.toStdString());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(stored.pictures[std::size_t(i)],
                      store->roomPicture(project->room_list[std::size_t(i)].id))
                << "room " << i << " as stored";
        }
        if (!serial.pdfText.isEmpty()) {
            for (const char* title : {"客厅", "厨房", "卫生间", "卧室"}) {
                EXPECT_TRUE(serial.pdfText.contains(QString::fromUtf8(title))) << title;
            }
            EXPECT_EQ(serial.pdfText.contains(QStringLiteral("客户确认")),
                      company == SpecialLayoutCompany);
            // The statistics of company 308 carry their own lines on paper too.
            const QString pdf = home.file(QStringLiteral("报价单.pdf"));
            ASSERT_EQ(reports.writePdf(ReportMode::Statistics, pdf), pdf);
            const QString text = pdfText(pdf);
            for (const char* line : {"实收金额", "安装附件用量是根据房间面积自动生成", "用户签字：",
                                     "专案服务", "(印章)"}) {
                EXPECT_EQ(text.contains(QString::fromUtf8(line)), company == SpecialLayoutCompany)
                    << line;
            }
        }
    }
}

// Whatever was stored or drawn before, a room whose objects, cells or title changed is
// drawn again, by the page and by the save, and the save's preview serves the next page.
TEST_F(RoomPicturesTest, AChangedRoomIsNeverShownWithItsOldPicture) {
    designRooms();
    ASSERT_TRUE(project->savebtClick());
    const QByteArray storedKitchen = store->roomPicture(project->room_list[1].id);
    TRoom_OBJ& square = *project->room_list[0].room;
    const QByteArray storedSquare = store->roomPicture(project->room_list[0].id);

    const auto changes = std::vector<std::function<void()>>{
        [&] {
            square.objects.front()->x += 30;
            square.reseatAllAppliances();
        },
        [&] {
            const QPoint inside(square.roomBox.minX + 150, square.roomBox.minY + 150);
            ASSERT_TRUE(square.removePanel(*square.cellOfPoint(inside)));
        },
        [&] { square.setName(QStringLiteral("大客厅")); },
    };
    for (std::size_t c = 0; c < changes.size(); ++c) {
        SCOPED_TRACE(c);
        const QByteArray before = bytesOf(pictureFile(0));
        changes[c]();
        reports.print(ReportMode::DesignDrawings, nullptr);
        EXPECT_EQ(bytesOf(pictureFile(0)), drawnNow(0));
        if (c < 2) {
            EXPECT_NE(bytesOf(pictureFile(0)), c == 0 ? storedSquare : before);
        }
        EXPECT_EQ(bytesOf(pictureFile(1)), storedKitchen) << "the unchanged room as stored";
    }
    ASSERT_TRUE(project->savebtClick());
    const QByteArray saved = store->roomPicture(project->room_list[0].id);
    QImage image;
    ASSERT_TRUE(square.designPicture(image));
    EXPECT_EQ(saved, picture::encodeJpeg(image));
    reports.print(ReportMode::DesignDrawings, nullptr);
    EXPECT_EQ(bytesOf(pictureFile(0)), saved);
}

// The page counts a step per room and one for itself; stopped midway, it writes nothing,
// and a stopped PDF leaves the file it would have replaced whole.
TEST_F(RoomPicturesTest, TheDrawingsReportTheirProgressAndStopWithoutWritingAnything) {
    designRooms();
    RecordingProgress progress;
    const QString page = reports.print(ReportMode::DesignDrawings, nullptr, progress);
    ASSERT_FALSE(page.isEmpty());
    EXPECT_EQ(progress.totals, std::vector<int>{5});
    EXPECT_TRUE(progress.cancellable);
    EXPECT_EQ(progress.ended, 1);
    ASSERT_FALSE(progress.steps.empty());
    EXPECT_TRUE(std::is_sorted(progress.steps.begin(), progress.steps.end()));
    EXPECT_EQ(progress.steps.back(), 5);
    ASSERT_TRUE(QFile::remove(page));
    ASSERT_TRUE(QFile::remove(pictureFile(2)));

    const QString pdf = home.file(QStringLiteral("old.pdf"));
    home.write(QStringLiteral("old.pdf"), "the old file");
    for (const int stopAt : {0, 2}) {
        SCOPED_TRACE(stopAt);
        RecordingProgress stopping;
        stopping.stopAt = stopAt;
        project->pictures().clear();
        EXPECT_TRUE(reports.print(ReportMode::DesignDrawings, nullptr, stopping).isEmpty());
        EXPECT_FALSE(QFile::exists(page));
        EXPECT_FALSE(QFile::exists(pictureFile(2)));
        EXPECT_TRUE(reports.writePdf(ReportMode::DesignDrawings, pdf, stopping).isEmpty());
        EXPECT_EQ(bytesOf(pdf), "the old file");
        EXPECT_EQ(stopping.ended, 2);
    }
    EXPECT_TRUE(prompts.messages().isEmpty()) << "stopping is not a failure to tell";
}

} // namespace
