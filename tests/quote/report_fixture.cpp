#include "report_fixture.h"

#include "core/ppdu_id.h"
#include "library/product_library.h"
#include "platform/default_opener.h"
#include "platform/gbk.h"
#include "quote/dealer_details.h"

#include <QFile>
#include <QStandardPaths>

ReportTest::ReportTest()
    : bill(*project, library, prompts, *view),
      reports({*project, bill, library, held, *setup, prompts, home.path()}) {
    opener::setHandler([this](const QString& path) {
        opened.append(path);
        return true;
    });
    const std::vector<CategoryRow> categories = ProductLibrary(library).allCategories();
    categoryA = categories.at(0).id;
    categoryB = categories.at(1).id;
    held.company.url = QStringLiteral("https://www.yanzhou-diaoding.cn");
    writeDealerDetails(*setup, {QStringLiteral("砚舟吊顶旗舰店"), QStringLiteral("专业集成吊顶"),
                                QStringLiteral("文一路88号"), QStringLiteral("0571-8888"),
                                QStringLiteral("13900000000"), QStringLiteral("价格有效期30天")});
    CustomerRecord& c = project->customer;
    c.name = QStringLiteral("张三");
    c.proid = QStringLiteral("HT0012");
    c.areaTitle = QStringLiteral("阳光小区");
    c.addr = QStringLiteral("5栋101");
    c.tele = QStringLiteral("0571-1234");
    c.tele2 = QStringLiteral("13800000000");
    c.memo = QStringLiteral("周末施工");
    c.designdate = QDateTime(QDate(2024, 5, 1), QTime(0, 0));
    c.workdate = zeroDate();
    c.zk = 100;
    c.keelLength = 1;
    c.keelPrice = 2.5;
    c.triangleKeelLength = c.triangleKeelPrice = c.hangers = 0;
    c.connectors = 2;
    c.installationFee = 10;
    c.autoShoubian = 1;
    otherrec correction;
    correction.id = 11;
    correction.cailiao_id = categoryA;
    correction.title = QStringLiteral("产品11");
    correction.danwei = QStringLiteral("块");
    correction.number = 2;
    correction.price = 5;
    otherrec extra = correction;
    extra.id = 13;
    extra.title = QStringLiteral("产品13");
    extra.price = 8;
    extra.number = 1;
    project->other_list = {correction, extra};
}

ReportTest::~ReportTest() {
    opener::setHandler({});
}

TRoom_OBJ& ReportTest::addRoom(int index) {
    struct Fixed {
        const char* title;
        int width, height;
        std::vector<Ppdu_id> lines;
    };
    const Fixed rooms[] = {
        {"客厅",
         300,
         300,
         {billLine(11, categoryA, 10, 5), billLine(12, categoryA, 2, 3.5),
          billLine(21, categoryB, 4, 7.5)}},
        {"卧室", 300, 400, {billLine(11, categoryA, 4, 5), billLine(22, categoryB, 1, 20)}},
        {"厨房", 200, 200, {billLine(23, categoryB, 3, 2)}}};
    const Fixed& fixed = rooms[index];
    NewRoomRequest request;
    request.name = QString::fromUtf8(fixed.title);
    TRoom_OBJ& room = project->CreatNewRoom(request);
    drawRectangle(room, fixed.width, fixed.height);
    room.billLines.clear();
    for (const Ppdu_id& l : fixed.lines) {
        room.billLines.push_back(std::make_unique<Ppdu_id>(l));
    }
    return room;
}

QString ReportTest::decoded(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return gbk::decode(file.readAll());
}

QString ReportTest::tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromUtf8(name));
}
