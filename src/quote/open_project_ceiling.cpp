#include "quote/open_project.h"

#include "quote/held_settings.h"

int OpenProject::ceilingHeight(int index) const {
    if (index < 0 || index >= int(room_list.size())) {
        return held_.ceilingHeight;
    }
    const auto own = ceilingHeights_.find(room_list[std::size_t(index)].room.get());
    return own != ceilingHeights_.end() ? own->second : held_.ceilingHeight;
}

std::optional<int> OpenProject::ownCeilingHeight(int index) const {
    if (index < 0 || index >= int(room_list.size())) {
        return std::nullopt;
    }
    const auto own = ceilingHeights_.find(room_list[std::size_t(index)].room.get());
    return own != ceilingHeights_.end() ? std::optional<int>(own->second) : std::nullopt;
}

void OpenProject::setCeilingHeight(int index, int heightCm) {
    if (index < 0 || index >= int(room_list.size()) || ceilingHeight(index) == heightCm) {
        return;
    }
    TRoom_OBJ& room = *room_list[std::size_t(index)].room;
    ceilingHeights_[&room] = heightCm;
    room.roomModified = true;
    setRoomProjectedited(true);
}
