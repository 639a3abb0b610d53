#include "design/floating_arrangement.h"

#include "design/object_support.h"

#include <algorithm>

namespace {

// Moves the reference to the end (drawn last, on top) or the start of the list.
void changeLayer(std::vector<std::unique_ptr<tdianqi_rec>>& objects, std::size_t reference,
                 bool toTop) {
    std::unique_ptr<tdianqi_rec> record = std::move(objects[reference]);
    objects.erase(objects.begin() + std::ptrdiff_t(reference));
    if (toTop) {
        objects.push_back(std::move(record));
    } else {
        objects.insert(objects.begin(), std::move(record));
    }
}

} // namespace

void TRoom_OBJ::floatingArrangement(int tag) {
    using namespace floating_arrangement;
    const int hit = hitTest(pointerPoint);
    const std::vector<tdianqi_rec*> selected = object_support::selectedObjects(*this);
    if (hit < 0 || selected.empty() || tag < AlignTops || tag > ToBottom) {
        return;
    }
    const tdianqi_rec& reference = *objects[std::size_t(hit)];
    // Bottoms and rights are compared where the canvas shows them.
    const QPoint referenceEnd =
        wall.canvasToPlan({reference.canvasRect.right, reference.canvasRect.bottom});
    const QPoint referenceStart(reference.x, reference.y);
    for (tdianqi_rec* object : selected) {
        const QPoint end = wall.canvasToPlan({object->canvasRect.right, object->canvasRect.bottom});
        switch (tag) {
        case AlignTops:
            object->y = referenceStart.y();
            break;
        case AlignBottoms:
            object->y += referenceEnd.y() - end.y();
            break;
        case AlignLefts:
            object->x = referenceStart.x();
            break;
        case AlignRights:
            object->x += referenceEnd.x() - end.x();
            break;
        default:
            break;
        }
    }
    switch (tag) {
    case SpaceAcross:
        spaceEvenly(selected, Axis::X);
        break;
    case SpaceDown:
        spaceEvenly(selected, Axis::Y);
        break;
    case ShareOverPanel:
        shareOverPanel(*this, selected);
        break;
    case ToTop:
    case ToBottom:
        changeLayer(objects, std::size_t(hit), tag == ToTop);
        break;
    default:
        break;
    }
    roomModified = true;
    recordStep();
    paint();
    object_support::refreshAllRectangles(*this);
}
