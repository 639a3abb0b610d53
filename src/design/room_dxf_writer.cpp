// The room's drawing written through dxflib: the header, the tables with the layers and
// one text style that holds Chinese, the product and dimension blocks, and the entities.

#include "design/room_dxf.h"

#include "design/room_dxf_drawing.h"
#include "design/room_dxf_stream.h"

#include <QSaveFile>

#include <dl_dxf.h>

#include <cmath>
#include <numbers>

namespace room_dxf {
namespace {

constexpr double DimensionOffset = 400; // mm from the wall to the dimension line
constexpr double ExtensionGap = 50;
constexpr double ExtensionBeyond = 100;
constexpr double TickHalf = 60;
constexpr double DimensionTextHeight = 150;
constexpr double AttributeHeight = 60;
constexpr double OpeningTextHeight = 120;
constexpr int DefaultLineweight = -3;
constexpr int ByBlock = 0;
constexpr int ByLayer = 256;
constexpr int Blue = 5;
constexpr int Green = 3;
constexpr int AnonymousBlock = 1;
constexpr int BlockWithAttributes = 2;
constexpr int InvisibleAttribute = 1;
// dxflib's justification codes: horizontal 1 centre, vertical 2 middle.
constexpr int Centre = 1;
constexpr int Middle = 2;
const std::string TextStyle = "Standard";

struct LayerColour {
    const QString& name;
    int colour;
};

const LayerColour Layers[] = {{WallLayer, 7},     {OpeningLayer, 4},   {GridLayer, 8},
                              {PanelLayer, 3},    {StripLayer, 3},     {ApplianceLayer, 1},
                              {FloatingLayer, 6}, {DimensionLayer, 2}, {TextLayer, 7}};

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

Point turned(Point p, double degrees) {
    const double a = radians(degrees);
    return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

Point along(Point p, Point direction, double distance) {
    return {p.x + direction.x * distance, p.y + direction.y * distance};
}

// The direction of a line turned to read from left to right, in degrees.
double readingAngle(Line line) {
    double degrees =
        std::atan2(line.to.y - line.from.y, line.to.x - line.from.x) * 180 / std::numbers::pi;
    if (degrees > 90.5) {
        degrees -= 180;
    } else if (degrees <= -89.5) {
        degrees += 180;
    }
    return degrees;
}

class DrawingWriter {
public:
    DrawingWriter(DxfStream& out, const RoomDrawing& drawing) : out_(out), d_(drawing) {
        for (const Block& block : d_.blocks) {
            blockNames_.push_back(block.name.toStdString());
            titles_.push_back(DxfStream::text(block.title));
            sizes_.push_back(DxfStream::text(block.size));
        }
    }

    void write() {
        header();
        tables();
        blocks();
        entities();
        dxf_.writeObjects(out_);
        dxf_.writeObjectsEnd(out_);
        out_.dxfEOF();
    }

private:
    static DL_Attributes on(const QString& layer, int colour = ByLayer) {
        return DL_Attributes(DxfStream::text(layer), colour, -1, -1, "BYLAYER");
    }
    static std::string dimensionBlockName(std::size_t i) { return "*D" + std::to_string(i + 1); }

    void header() {
        dxf_.writeHeader(out_);
        out_.dxfString(9, "$INSUNITS");
        out_.dxfInt(70, 4); // millimetres
        out_.dxfString(9, "$MEASUREMENT");
        out_.dxfInt(70, 1); // metric
        // The code page of the text of a drawing before AutoCAD 2007: Simplified Chinese.
        out_.dxfString(9, "$DWGCODEPAGE");
        out_.dxfString(3, "ANSI_936");
        out_.sectionEnd();
    }

    void tables() {
        out_.sectionTables();
        dxf_.writeVPort(out_);
        out_.tableLinetypes(3);
        dxf_.writeLinetype(out_, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
        dxf_.writeLinetype(out_, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
        dxf_.writeLinetype(out_, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
        out_.tableEnd();
        out_.tableLayers(int(std::size(Layers)) + 1);
        dxf_.writeLayer(out_, DL_LayerData("0", 0),
                        DL_Attributes("", 7, -1, DefaultLineweight, "CONTINUOUS"));
        for (const LayerColour& layer : Layers) {
            dxf_.writeLayer(out_, DL_LayerData(DxfStream::text(layer.name), 0),
                            DL_Attributes("", layer.colour, -1, DefaultLineweight, "CONTINUOUS"));
        }
        out_.tableEnd();
        // A TrueType font with Chinese characters, present wherever the program runs.
        out_.tableStyle(1);
        dxf_.writeStyle(
            out_, DL_StyleData(TextStyle, 0, 0, 1, 0, 0, DimensionTextHeight, "simsun.ttc", ""));
        out_.tableEnd();
        dxf_.writeView(out_);
        dxf_.writeUcs(out_);
        out_.tableAppid(1);
        dxf_.writeAppid(out_, "ACAD");
        out_.tableEnd();
        dxf_.writeDimStyle(out_, TickHalf, ExtensionBeyond, ExtensionGap, 40, DimensionTextHeight);
        dxf_.writeBlockRecord(out_);
        for (const std::string& name : blockNames_) {
            dxf_.writeBlockRecord(out_, name);
        }
        for (std::size_t i = 0; i < d_.dimensions.size(); ++i) {
            dxf_.writeBlockRecord(out_, dimensionBlockName(i));
        }
        out_.tableEnd();
        out_.sectionEnd();
    }

    void blocks() {
        out_.sectionBlocks();
        for (const char* space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(out_, DL_BlockData(space, 0, 0, 0, 0));
            dxf_.writeEndBlock(out_, space);
        }
        for (std::size_t i = 0; i < d_.blocks.size(); ++i) {
            productBlock(i);
        }
        for (std::size_t i = 0; i < d_.dimensions.size(); ++i) {
            dimensionBlock(i);
        }
        out_.sectionEnd();
    }

    // The product unturned around its centre, a mark on its top edge to show which way it
    // lies, and its name and size as attribute definitions that read upright once the
    // block is turned by its orientation.
    void productBlock(std::size_t i) {
        const Block& block = d_.blocks[i];
        out_.blockFlags(BlockWithAttributes);
        dxf_.writeBlock(out_, DL_BlockData(blockNames_[i], BlockWithAttributes, 0, 0, 0));
        const DL_Attributes inside = on(QStringLiteral("0"), ByBlock);
        const double w = block.width / 2;
        const double h = block.height / 2;
        polyline({{-w, -h}, {w, -h}, {w, h}, {-w, h}}, true, inside);
        dxf_.writeLine(out_, DL_LineData(-w / 4, h * 0.8, 0, w / 4, h * 0.8, 0), inside);
        out_.setDefinitions(true);
        out_.attributeFlags(block.kind == 0 ? InvisibleAttribute : 0);
        const double upright = block.orientation * 90.0;
        attribute(NameTag, titles_[i], turned({0, AttributeHeight * 0.7}, upright), upright,
                  inside);
        attribute(SizeTag, sizes_[i], turned({0, -AttributeHeight * 0.7}, upright), upright,
                  inside);
        out_.setDefinitions(false);
        dxf_.writeEndBlock(out_, blockNames_[i]);
    }

    // The dimension drawn as CAD programs draw an aligned one: two extension lines, the
    // dimension line with oblique ticks and the length in millimetres over it.
    void dimensionBlock(std::size_t i) {
        const WallDimension& dim = d_.dimensions[i];
        const std::string name = dimensionBlockName(i);
        out_.blockFlags(AnonymousBlock);
        dxf_.writeBlock(out_, DL_BlockData(name, AnonymousBlock, 0, 0, 0));
        const DL_Attributes inside = on(QStringLiteral("0"), ByBlock);
        const Point a = along(dim.wall.from, dim.outward, DimensionOffset);
        const Point b = along(dim.wall.to, dim.outward, DimensionOffset);
        for (const auto& [wall, line] : {std::pair(dim.wall.from, a), std::pair(dim.wall.to, b)}) {
            line3(along(wall, dim.outward, ExtensionGap), along(line, dim.outward, ExtensionBeyond),
                  inside);
        }
        line3(a, b, inside);
        const Point direction{(b.x - a.x) / dim.lengthMm, (b.y - a.y) / dim.lengthMm};
        const Point tick{(direction.x + dim.outward.x) * TickHalf / std::numbers::sqrt2,
                         (direction.y + dim.outward.y) * TickHalf / std::numbers::sqrt2};
        for (const Point end : {a, b}) {
            line3({end.x - tick.x, end.y - tick.y}, {end.x + tick.x, end.y + tick.y}, inside);
        }
        const Point middle =
            along({(a.x + b.x) / 2, (a.y + b.y) / 2}, dim.outward, DimensionTextHeight * 0.8);
        text(middle, DimensionTextHeight, std::to_string(std::lround(dim.lengthMm)),
             readingAngle({a, b}), inside);
        dxf_.writeEndBlock(out_, name);
    }

    void entities() {
        out_.sectionEntities();
        std::vector<Point> corners;
        std::vector<double> bulges;
        for (const Vertex& v : d_.outline) {
            corners.push_back(v.at);
            bulges.push_back(v.bulge);
        }
        polyline(corners, true, on(WallLayer), bulges);
        for (const Opening& opening : d_.openings) {
            const DL_Attributes style = on(OpeningLayer, opening.door ? Green : Blue);
            line3(opening.span.from, opening.span.to, style);
            const Point middle{(opening.span.from.x + opening.span.to.x) / 2,
                               (opening.span.from.y + opening.span.to.y) / 2};
            text(middle, OpeningTextHeight,
                 DxfStream::text((opening.door ? QStringLiteral("门 ") : QStringLiteral("窗 ")) +
                                 QString::number(std::lround(opening.widthMm))),
                 readingAngle(opening.span), style);
        }
        const DL_Attributes grid = on(GridLayer);
        for (const Line& line : d_.gridLines) {
            line3(line.from, line.to, grid);
        }
        inserts(d_.panels, on(PanelLayer), InvisibleAttribute);
        for (const std::vector<Point>& strip : d_.strips) {
            polyline(strip, true, on(StripLayer));
        }
        inserts(d_.appliances, on(ApplianceLayer), 0);
        inserts(d_.floating, on(FloatingLayer), 0);
        const DL_Attributes dimensions = on(DimensionLayer);
        for (std::size_t i = 0; i < d_.dimensions.size(); ++i) {
            dimension(i, dimensions);
        }
        for (const Label& label : d_.labels) {
            text(label.at, label.height, DxfStream::text(label.text), 0, on(TextLayer));
        }
        out_.sectionEnd();
    }

    // One block reference per product, its name and size as attributes that read upright.
    void inserts(const std::vector<Insert>& placed, const DL_Attributes& layer, int flags) {
        out_.attributeFlags(flags);
        for (const Insert& insert : placed) {
            out_.attributesFollow();
            dxf_.writeInsert(out_,
                             DL_InsertData(blockNames_[std::size_t(insert.block)], insert.centre.x,
                                           insert.centre.y, 0, 1, 1, 1, insert.rotation, 1, 1, 0,
                                           0),
                             layer);
            const auto i = std::size_t(insert.block);
            attribute(NameTag, titles_[i], along(insert.centre, {0, 1}, AttributeHeight * 0.7), 0,
                      layer);
            attribute(SizeTag, sizes_[i], along(insert.centre, {0, -1}, AttributeHeight * 0.7), 0,
                      layer);
            out_.entity("SEQEND");
            out_.dxfString(100, "AcDbEntity");
            out_.entityAttributes(layer);
        }
        out_.attributeFlags(0);
    }

    void dimension(std::size_t i, const DL_Attributes& layer) {
        const WallDimension& dim = d_.dimensions[i];
        const Point lineEnd = along(dim.wall.to, dim.outward, DimensionOffset);
        const Point middle =
            along({(dim.wall.from.x + dim.wall.to.x) / 2, (dim.wall.from.y + dim.wall.to.y) / 2},
                  dim.outward, DimensionOffset + DimensionTextHeight * 0.8);
        DL_DimensionData data(lineEnd.x, lineEnd.y, 0, middle.x, middle.y, 0, 1 | 32, 5, 1, 1.0, "",
                              TextStyle, 0);
        data.arrow1Flipped = false;
        data.arrow2Flipped = false;
        out_.dimensionBlock(dimensionBlockName(i));
        dxf_.writeDimAligned(
            out_, data,
            DL_DimAlignedData(dim.wall.from.x, dim.wall.from.y, 0, dim.wall.to.x, dim.wall.to.y, 0),
            layer);
    }

    void polyline(const std::vector<Point>& points, bool closed, const DL_Attributes& style,
                  const std::vector<double>& bulges = {}) {
        dxf_.writePolyline(out_, DL_PolylineData(int(points.size()), 0, 0, closed ? 1 : 0), style);
        for (std::size_t i = 0; i < points.size(); ++i) {
            dxf_.writeVertex(out_, DL_VertexData(points[i].x, points[i].y, 0,
                                                 i < bulges.size() ? bulges[i] : 0));
        }
        dxf_.writePolylineEnd(out_);
    }

    void line3(Point from, Point to, const DL_Attributes& style) {
        dxf_.writeLine(out_, DL_LineData(from.x, from.y, 0, to.x, to.y, 0), style);
    }

    void text(Point middle, double height, const std::string& content, double degrees,
              const DL_Attributes& style) {
        dxf_.writeText(out_,
                       DL_TextData(middle.x, middle.y, 0, middle.x, middle.y, 0, height, 1, 0,
                                   Centre, Middle, content, TextStyle, radians(degrees)),
                       style);
    }

    void attribute(const QString& tag, const std::string& value, Point middle, double degrees,
                   const DL_Attributes& style) {
        dxf_.writeAttribute(out_,
                            DL_AttributeData(middle.x, middle.y, 0, middle.x, middle.y, 0,
                                             AttributeHeight, 1, 0, Centre, Middle,
                                             tag.toStdString(), value, TextStyle, radians(degrees)),
                            style);
    }

    DL_Dxf dxf_;
    DxfStream& out_;
    const RoomDrawing& d_;
    std::vector<std::string> blockNames_;
    std::vector<std::string> titles_;
    std::vector<std::string> sizes_;
};

void fail(QString* failure, const QString& reason) {
    if (failure) {
        *failure = reason;
    }
}

} // namespace

bool write(TRoom_OBJ& room, const QString& path, QString* failure) {
    const RoomDrawing drawing = roomDrawing(room);
    if (drawing.outline.size() < 3) {
        fail(failure, QStringLiteral("房间没有墙体，无法导出DXF图纸"));
        return false;
    }
    DxfStream out;
    DrawingWriter(out, drawing).write();
    // Written under a temporary name and renamed once complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(out.bytes().data(), qint64(out.bytes().size())) != qint64(out.bytes().size()) ||
        !file.commit()) {
        fail(failure, QStringLiteral("无法写入文件：") + path);
        return false;
    }
    return true;
}

} // namespace room_dxf
