#pragma once

#include <QByteArray>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QImage;
class TRoom_OBJ;

// A room's design picture as the bytes of a JPEG file; none when the room has no outline.
using RoomJpeg = std::optional<QByteArray>;

// A room with the digest of its records and title (room_digest.h).
struct RoomVersion {
    TRoom_OBJ* room = nullptr;
    QByteArray digest;
};
std::vector<RoomVersion> roomVersions(const std::vector<TRoom_OBJ*>& rooms);

// The design pictures of a project's rooms, drawn once per room state. Per room it keeps
// the preview the store holds with the digest of the records it was made from, and the
// picture drawn last with its digest. A picture asked for a state it already has is
// reused (the stored preview at any quality: it is the same drawing at the same size);
// the others are drawn and encoded on every core, each room by one thread with its own
// painter, and come back in the rooms' order.
class RoomPictures {
public:
    // Called on the asking thread after each part of the work with the number of rooms
    // done; false stops the work (the user cancelled).
    using Advance = std::function<bool(int done)>;

    struct Options {
        bool parallel = true;
        bool reuse = true;
    };
    Options options;

    // What the store holds for the room: the digest of its records and its preview (empty
    // when it holds none).
    void stored(const TRoom_OBJ* room, QByteArray digest, QByteArray preview);
    // The digest the store holds for the room; empty when it was never stored.
    QByteArray storedDigest(const TRoom_OBJ* room) const;
    QByteArray storedPreview(const TRoom_OBJ* room) const;
    void forget(const TRoom_OBJ* room);
    void clear();

    // The rooms of one call are distinct: each is drawn by one thread.

    // Each room's picture as JPEG at `quality`. None when stopped.
    std::optional<std::vector<RoomJpeg>> jpegs(const std::vector<RoomVersion>& rooms, int quality,
                                               const Advance& advance);
    // The same pictures drawn on the pool while this thread does other work, such as
    // writing the rows they go with. The rooms must not change until they are taken;
    // left untaken, they are waited for when the pending work goes.
    class Pending {
    public:
        Pending(Pending&&) noexcept;
        ~Pending();
        std::vector<RoomJpeg> take();

    private:
        friend class RoomPictures;
        struct Work;
        explicit Pending(std::unique_ptr<Work> work);
        std::unique_ptr<Work> work_;
    };
    Pending startJpegs(const std::vector<RoomVersion>& rooms, int quality);

    // Each room's picture scaled to `width` pixels, its proportions kept, for paper; a null
    // image for a room without outline. None when stopped.
    std::optional<std::vector<QImage>> printed(const std::vector<RoomVersion>& rooms, int width,
                                               const Advance& advance);

private:
    struct Kept {
        QByteArray digest;
        QByteArray jpeg;
        int quality = 0;
    };
    // The kept JPEG of the room's state; with `quality` 0 at any quality.
    const QByteArray* reusable(const RoomVersion& state, int quality) const;
    // Fills `out` with the kept pictures and gives the indexes of the rooms to draw.
    std::vector<int> takeKept(const std::vector<RoomVersion>& rooms, int quality,
                              std::vector<RoomJpeg>& out) const;
    void keepDrawn(const std::vector<RoomVersion>& rooms, const std::vector<int>& drawn,
                   const std::vector<RoomJpeg>& out, int quality);
    // Runs `draw` for every index of `toDraw`, each room's products read first on this
    // thread; false when stopped.
    bool drawAll(const std::vector<RoomVersion>& rooms, const std::vector<int>& toDraw,
                 int alreadyDone, const std::function<void(int)>& draw, const Advance& advance);

    std::unordered_map<const TRoom_OBJ*, Kept> stored_;
    std::unordered_map<const TRoom_OBJ*, Kept> drawn_;
};
