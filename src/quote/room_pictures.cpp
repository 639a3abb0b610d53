#include "quote/room_pictures.h"

#include "core/troom_obj.h"
#include "design/picture_products.h"
#include "platform/picture.h"
#include "quote/room_digest.h"

#include <QBuffer>
#include <QFuture>
#include <QImage>
#include <QImageReader>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <memory>

namespace {

// A picture decoded straight at the size it is printed at. Below the reader's quality of
// 50 the decoder itself shrinks by powers of two, which is many times faster than decoding
// the whole picture and shrinking that.
QImage decodedAt(const QByteArray& jpeg, int width) {
    QBuffer buffer;
    buffer.setData(jpeg);
    QImageReader reader(&buffer, "JPEG");
    const QSize size = reader.size();
    if (size.isEmpty()) {
        return {};
    }
    reader.setQuality(49);
    reader.setScaledSize(QSize(width, std::max(1, size.height() * width / size.width())));
    return reader.read();
}

QImage scaledTo(const QImage& image, int width) {
    return image.scaledToWidth(width, Qt::SmoothTransformation);
}

RoomJpeg drawnJpeg(TRoom_OBJ& room, int quality) {
    // Each thread draws its rooms into one picture.
    thread_local QImage image;
    if (!room.designPicture(image)) {
        return std::nullopt;
    }
    return picture::encodeJpeg(image, quality);
}

} // namespace

std::vector<RoomVersion> roomVersions(const std::vector<TRoom_OBJ*>& rooms) {
    std::vector<RoomVersion> states;
    states.reserve(rooms.size());
    for (TRoom_OBJ* room : rooms) {
        states.push_back({room, roomDigest(*room)});
    }
    return states;
}

void RoomPictures::stored(const TRoom_OBJ* room, QByteArray digest, QByteArray preview) {
    stored_[room] = {std::move(digest), std::move(preview), 0};
}

QByteArray RoomPictures::storedDigest(const TRoom_OBJ* room) const {
    const auto found = stored_.find(room);
    return found == stored_.end() ? QByteArray() : found->second.digest;
}

QByteArray RoomPictures::storedPreview(const TRoom_OBJ* room) const {
    const auto found = stored_.find(room);
    return found == stored_.end() ? QByteArray() : found->second.jpeg;
}

void RoomPictures::forget(const TRoom_OBJ* room) {
    stored_.erase(room);
    drawn_.erase(room);
}

void RoomPictures::clear() {
    stored_.clear();
    drawn_.clear();
}

const QByteArray* RoomPictures::reusable(const RoomVersion& state, int quality) const {
    if (!options.reuse) {
        return nullptr;
    }
    const auto stored = stored_.find(state.room);
    if (stored != stored_.end() && stored->second.digest == state.digest &&
        !stored->second.jpeg.isEmpty()) {
        return &stored->second.jpeg;
    }
    const auto drawn = drawn_.find(state.room);
    if (drawn != drawn_.end() && drawn->second.digest == state.digest &&
        (quality == 0 || drawn->second.quality == quality)) {
        return &drawn->second.jpeg;
    }
    return nullptr;
}

bool RoomPictures::drawAll(const std::vector<RoomVersion>& rooms, const std::vector<int>& toDraw,
                           int alreadyDone, const std::function<void(int)>& draw,
                           const Advance& advance) {
    if (!advance(alreadyDone)) {
        return false;
    }
    // Every thread draws rooms of its own; none of them reaches the library.
    std::vector<std::unique_ptr<picture_products::WithoutLibrary>> guards;
    for (const int i : toDraw) {
        picture_products::lookUp(*rooms[std::size_t(i)].room);
    }
    // Between parts no picture is being drawn, so the progress may let events run.
    const int part =
        options.parallel ? 2 * std::max(1, QThreadPool::globalInstance()->maxThreadCount()) : 1;
    std::vector<int> indexes;
    for (std::size_t from = 0; from < toDraw.size(); from += std::size_t(part)) {
        indexes.assign(toDraw.begin() + std::ptrdiff_t(from),
                       toDraw.begin() + std::ptrdiff_t(std::min(toDraw.size(), from + part)));
        for (const int i : indexes) {
            guards.push_back(
                std::make_unique<picture_products::WithoutLibrary>(*rooms[std::size_t(i)].room));
        }
        if (options.parallel) {
            QtConcurrent::blockingMap(indexes, [&draw](int i) { draw(i); });
        } else {
            std::for_each(indexes.begin(), indexes.end(), draw);
        }
        guards.clear();
        if (!advance(alreadyDone + int(from + indexes.size()))) {
            return false;
        }
    }
    return true;
}

std::vector<int> RoomPictures::takeKept(const std::vector<RoomVersion>& rooms, int quality,
                                        std::vector<RoomJpeg>& out) const {
    out.assign(rooms.size(), std::nullopt);
    std::vector<int> toDraw;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        if (const QByteArray* kept = reusable(rooms[i], quality)) {
            out[i] = *kept;
        } else {
            toDraw.push_back(int(i));
        }
    }
    return toDraw;
}

void RoomPictures::keepDrawn(const std::vector<RoomVersion>& rooms, const std::vector<int>& drawn,
                             const std::vector<RoomJpeg>& out, int quality) {
    for (const int i : drawn) {
        const RoomVersion& state = rooms[std::size_t(i)];
        if (out[std::size_t(i)]) {
            drawn_[state.room] = {state.digest, *out[std::size_t(i)], quality};
        }
    }
}

std::optional<std::vector<RoomJpeg>> RoomPictures::jpegs(const std::vector<RoomVersion>& rooms,
                                                         int quality, const Advance& advance) {
    std::vector<RoomJpeg> out;
    const std::vector<int> toDraw = takeKept(rooms, quality, out);
    const auto draw = [&](int i) {
        out[std::size_t(i)] = drawnJpeg(*rooms[std::size_t(i)].room, quality);
    };
    if (!drawAll(rooms, toDraw, int(rooms.size() - toDraw.size()), draw, advance)) {
        return std::nullopt;
    }
    keepDrawn(rooms, toDraw, out, quality);
    return out;
}

struct RoomPictures::Pending::Work {
    RoomPictures* owner = nullptr;
    std::vector<RoomVersion> rooms;
    int quality = 0;
    std::vector<RoomJpeg> out;
    std::vector<int> toDraw;
    std::vector<std::unique_ptr<picture_products::WithoutLibrary>> guards;
    QFuture<void> drawing;

    ~Work() { drawing.waitForFinished(); }
};

RoomPictures::Pending::Pending(std::unique_ptr<Work> work) : work_(std::move(work)) {}
RoomPictures::Pending::Pending(Pending&&) noexcept = default;
RoomPictures::Pending::~Pending() = default;

std::vector<RoomJpeg> RoomPictures::Pending::take() {
    Work& work = *work_;
    work.drawing.waitForFinished();
    work.guards.clear();
    work.owner->keepDrawn(work.rooms, work.toDraw, work.out, work.quality);
    return std::move(work.out);
}

RoomPictures::Pending RoomPictures::startJpegs(const std::vector<RoomVersion>& rooms, int quality) {
    auto work = std::make_unique<Pending::Work>();
    work->owner = this;
    work->rooms = rooms;
    work->quality = quality;
    work->toDraw = takeKept(rooms, quality, work->out);
    for (const int i : work->toDraw) {
        TRoom_OBJ& room = *rooms[std::size_t(i)].room;
        picture_products::lookUp(room);
        work->guards.push_back(std::make_unique<picture_products::WithoutLibrary>(room));
    }
    Pending::Work* at = work.get();
    const auto draw = [at](int i) {
        at->out[std::size_t(i)] = drawnJpeg(*at->rooms[std::size_t(i)].room, at->quality);
    };
    if (options.parallel) {
        work->drawing = QtConcurrent::map(work->toDraw, draw);
    } else {
        std::for_each(work->toDraw.begin(), work->toDraw.end(), draw);
    }
    return Pending(std::move(work));
}

std::optional<std::vector<QImage>> RoomPictures::printed(const std::vector<RoomVersion>& rooms,
                                                         int width, const Advance& advance) {
    std::vector<QImage> out(rooms.size());
    std::vector<const QByteArray*> kept(rooms.size());
    // Kept pictures are decoded on every core too; only the others need their room.
    std::vector<int> toDecode;
    std::vector<int> toDraw;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        kept[i] = reusable(rooms[i], 0);
        (kept[i] ? toDecode : toDraw).push_back(int(i));
    }
    const auto picture = [&](int i) {
        const std::size_t at = std::size_t(i);
        if (kept[at]) {
            out[at] = decodedAt(*kept[at], width);
            return;
        }
        thread_local QImage image;
        if (rooms[at].room->designPicture(image)) {
            out[at] = scaledTo(image, width);
        }
    };
    if (options.parallel) {
        QtConcurrent::blockingMap(toDecode, picture);
    } else {
        std::for_each(toDecode.begin(), toDecode.end(), picture);
    }
    if (!drawAll(rooms, toDraw, int(rooms.size() - toDraw.size()), picture, advance)) {
        return std::nullopt;
    }
    return out;
}
