#include "quote/open_project.h"

#include "quote/held_settings.h"

int OpenProject::ceilingHeight(int index) const {
    if (index < 0 || index >= int(room_list.size())) {
        return held_.ceilingHeight;
    }
    const auto own = ceilingHeights_.find(room_list[std::size_t(index)].room.get());
    return own != ceilingHeights_.end() ? own->second : held_.ceilingHeight;
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
