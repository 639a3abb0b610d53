#include "core/tdianqi_rec.h"
#include "core/tpic_rec.h"
#include "core/troom_obj.h"
#include "library/product_library.h"
#include "scene/scene_builder.h"
#include "scene/scene_parts.h"

void addObjects(SceneAssembly& assembly, TRoom_OBJ& room, double heightCm) {
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        const tpic_rec* product = room.productLookup(object->id, object->orientation & 0xFF);
        if (!product || product->width <= 0 || product->height <= 0) {
            continue;
        }
        const bool floating = object->kind == KindFloating;
        const QRectF rect(object->x, object->y, product->width / 10.0, product->height / 10.0);
        SceneMesh& mesh =
            assembly.mesh(floating ? SceneMesh::Kind::Floating : SceneMesh::Kind::Appliances,
                          assembly.productMaterial(*product));
        SceneAssembly::addFlat(
            mesh, {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()},
            heightCm - (floating ? FloatingDropCm : ApplianceDropCm), /*facingDown=*/true,
            UvFrame::over(rect));
    }
}
