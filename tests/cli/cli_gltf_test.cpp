#include "cli_fixture.h"

#include "core/troom_obj.h"
#include "store/room_ceilings.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// The JSON chunk of a .glb file; empty when the file is not one.
QJsonObject glbJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 20 || !bytes.startsWith("glTF")) {
        return {};
    }
    const auto length = qFromLittleEndian<quint32>(bytes.constData() + 12);
    return QJsonDocument::fromJson(bytes.mid(20, qsizetype(length))).object();
}

// The smallest and largest position over every mesh, from the accessors' bounds.
std::pair<QList<double>, QList<double>> positionBounds(const QJsonObject& gltf) {
    QList<double> low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    const QJsonArray accessors = gltf[QStringLiteral("accessors")].toArray();
    for (const QJsonValue mesh : gltf[QStringLiteral("meshes")].toArray()) {
        for (const QJsonValue primitive : mesh[QStringLiteral("primitives")].toArray()) {
            const QJsonObject position =
                accessors[primitive[QStringLiteral("attributes")][QStringLiteral("POSITION")]
                              .toInt()]
                    .toObject();
            for (int axis = 0; axis < 3; ++axis) {
                low[axis] = std::min(low[axis], position[QStringLiteral("min")][axis].toDouble());
                high[axis] = std::max(high[axis], position[QStringLiteral("max")][axis].toDouble());
            }
        }
    }
    return {low, high};
}

} // namespace

// The room shown after opening (the last) at the height stored for it, the first one at
// the setting's height; a room number the project does not have and walls that do not close write
// nothing.
TEST_F(CliTest, GltfWritesTheRoomAtItsCeilingHeight) {
    const qint32 id = addDesignedCustomer(QStringLiteral("王五"),
                                          {QStringLiteral("客厅"), QStringLiteral("厨房")});
    const std::vector<RoomRecord> rooms = store->roomsOf(id, false);
    ASSERT_EQ(rooms.size(), 2u);
    room_ceilings::store(storeDb, rooms[1].id, 300);

    struct Case {
        QStringList room;
        double width, height; // metres
    };
    for (const Case& c :
         {Case{{}, 3.6, 3.0}, Case{{QStringLiteral("--room"), QStringLiteral("1")}, 3.0, 2.6}}) {
        const QString file = home.file(QStringLiteral("模型.glb"));
        QFile::remove(file);
        const CliResult result = run(QStringList{QStringLiteral("gltf"), QString::number(id),
                                                 QStringLiteral("--out"), file} +
                                     c.room);
        ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
        EXPECT_EQ(result.out, file + u'\n');
        const QJsonObject gltf = glbJson(file);
        EXPECT_EQ(gltf[QStringLiteral("asset")][QStringLiteral("version")].toString(),
                  QStringLiteral("2.0"));
        const auto [low, high] = positionBounds(gltf);
        EXPECT_NEAR(high[0] - low[0], c.width, 1e-4);
        EXPECT_NEAR(high[2] - low[2], 2.4, 1e-4);
        EXPECT_NEAR(low[1], 0, 1e-6);
        EXPECT_NEAR(high[1], c.height, 1e-5);
    }

    const QString missing = home.file(QStringLiteral("没有.glb"));
    CliResult result = run({QStringLiteral("gltf"), QString::number(id), QStringLiteral("--room"),
                            QStringLiteral("3"), QStringLiteral("--out"), missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errorLines, QStringList{QStringLiteral("yanzhou-cli: 没有第3个房间")});

    // Walls of two corners enclose nothing.
    TRoom_OBJ open(RoomContext{}, 300, 300, SquarePanelRoom, false);
    open.wall.setOutline({{900, 900}, {1200, 900}}, {});
    QByteArray wall;
    ASSERT_TRUE(open.writeWall(&wall));
    storeDb.exec(QStringLiteral("update roomlist set RoomWall = ? where id = ?"),
                 {wall, rooms[0].id});
    result = run({QStringLiteral("gltf"), QString::number(id), QStringLiteral("--room"),
                  QStringLiteral("1"), QStringLiteral("--out"), missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errorLines,
              QStringList{QStringLiteral("yanzhou-cli: 房间墙面未封闭,无法生成3D效果")});
    EXPECT_FALSE(QFileInfo::exists(missing));
}
