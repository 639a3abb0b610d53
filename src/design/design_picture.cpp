#include "design/design_picture_name.h"
#include "design/room_render.h"

#include "platform/picture.h"
#include "platform/prompts.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int LeftMargin = 75;
constexpr int TopMargin = 45;
constexpr int CaptionFromRight = 220;
constexpr int CaptionFromBottom = 20;
constexpr int CaptionPadding = 10;

// Puts the room's zoom, origin and object rectangles back as the canvas last drew them,
// however the picture's drawing ends.
class SavedView {
public:
    explicit SavedView(TRoom_OBJ& room)
        : room_(room), zoom_(room.zoom), paperWidth_(room.wall.paperWidth()),
          origin_(room.wall.getOrigin()) {
        for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
            rectangles_.push_back({object->canvasRect, object->planRect});
        }
    }
    ~SavedView() {
        room_.zoom = zoom_;
        room_.wall.setPaperWidth(paperWidth_);
        room_.wall.setOrigin(origin_);
        room_.wall.refreshCanvasPoints();
        for (std::size_t i = 0; i < room_.objects.size() && i < rectangles_.size(); ++i) {
            room_.objects[i]->canvasRect = rectangles_[i].first;
            room_.objects[i]->planRect = rectangles_[i].second;
        }
    }
    SavedView(const SavedView&) = delete;
    SavedView& operator=(const SavedView&) = delete;

private:
    TRoom_OBJ& room_;
    const qint32 zoom_;
    const int paperWidth_;
    const QPoint origin_;
    std::vector<std::pair<ObjectBox, ObjectBox>> rectangles_;
};

} // namespace

bool TRoom_OBJ::designPicture(QImage& picture) {
    Bounds box;
    if (!wall.planBounds(box)) {
        return false;
    }
    const int width = box.maxX - box.minX;
    const int height = box.maxY - box.minY;
    const int scale = width > 1000 || height > 1000 ? 1 : 2;
    // A picture of the size already is drawn over: making a new one costs more than
    // drawing it.
    const QSize size(scale * width + 2 * LeftMargin, scale * height + 2 * TopMargin);
    if (picture.size() != size || picture.format() != QImage::Format_RGB32) {
        picture = QImage(size, QImage::Format_RGB32);
    }
    picture.fill(toQRgb(colors::White));
    {
        const SavedView saved(*this);
        wall.setPaperWidth(scale * 2000);
        wall.setOrigin({LeftMargin - scale * box.minX, TopMargin - scale * box.minY});
        if (wall.pointCount() >= 3) {
            wall.refreshCanvasPoints();
            designContent(picture, RenderTarget::Picture);
            roomMaskOverlay(picture, RenderTarget::Picture);
            lengthLabels(picture, RenderTarget::Picture);
        }
    }
    QPainter p(&picture);
    room_render::preparePainter(p);
    p.setFont(room_render::songTiFont());
    p.setPen(toQColor(colors::Grey));
    // A caption wider than its place moves left rather than being cut at the frame.
    const QString caption = QStringLiteral("砚舟集成吊顶设计软件 ") + webAddress();
    const int captionWidth = p.fontMetrics().horizontalAdvance(caption) + CaptionPadding;
    p.drawText(QPoint(picture.width() - std::max(CaptionFromRight, captionWidth),
                      picture.height() - CaptionFromBottom + p.fontMetrics().ascent()),
               caption);
    p.setPen(QPen(toQColor(colors::Black), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return true;
}

bool TRoom_OBJ::exportDesignImage(const QString& customerName) {
    if (!prompts) {
        return false;
    }
    QString path = prompts->chooseSaveFile(QStringLiteral("导出设计图"),
                                           designPictureFileName(customerName, title),
                                           QStringLiteral("jpeg (*.jpg)|*.jpg"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".jpg");
    }
    QImage picture;
    if (!designPicture(picture)) {
        prompts->message(QStringLiteral("房间没有墙体，无法导出设计图"));
        return false;
    }
    if (!picture::saveJpeg(picture, path)) {
        prompts->message(QStringLiteral("无法写入文件：") + path);
        return false;
    }
    return true;
}
