#include "core/tpic_rec.h"
#include "core/troom_obj.h"
#include "design/grid_edges.h"
#include "design/room_render.h"
#include "scene/scene_builder.h"
#include "scene/scene_parts.h"

#include <vector>

namespace {

double cm(qint64 mm) {
    return double(mm) / 10.0;
}

// The cells of the active range, each with the block it belongs to: a kept panel's
// anchor, or a block of its own for a cell that shows the ceiling.
class CellOwners {
public:
    CellOwners(const TRoom_OBJ& room)
        : firstColumn_(room.firstColumn), firstRow_(room.firstRow),
          columns_(room.lastColumn - room.firstColumn + 1), rows_(room.lastRow - room.firstRow + 1),
          owners_(std::size_t(columns_ * rows_), -1) {}

    bool inRange(int c, int r) const {
        return c >= firstColumn_ && r >= firstRow_ && c < firstColumn_ + columns_ &&
               r < firstRow_ + rows_;
    }
    int& at(int c, int r) {
        return owners_[std::size_t((r - firstRow_) * columns_ + (c - firstColumn_))];
    }
    // Outside the range every cell is one block, the outside.
    int owner(int c, int r) const {
        return inRange(c, r) ? owners_[std::size_t((r - firstRow_) * columns_ + (c - firstColumn_))]
                             : -2;
    }

private:
    int firstColumn_, firstRow_, columns_, rows_;
    std::vector<int> owners_;
};

class CeilingBuilder {
public:
    CeilingBuilder(SceneAssembly& assembly, TRoom_OBJ& room, const SceneOutline& outline,
                   double heightCm)
        : assembly_(assembly), room_(room), outline_(outline), height_(heightCm), edges_(room),
          ceilingMaterial_(
              assembly.colourMaterial(QStringLiteral("吊顶"), toQColor(room_render::Ceiling))),
          lineMaterial_(
              assembly.colourMaterial(QStringLiteral("网格线"), toQColor(room_render::Lines))) {}

    void build() {
        switch (room_.roomstyle) {
        case SquarePanelRoom:
            squarePanels();
            break;
        case StripsAlongColumns:
            strips(/*alongColumns=*/true);
            break;
        case StripsAlongRows:
            strips(/*alongColumns=*/false);
            break;
        default:
            flat(ceilingMaterial_, SceneMesh::Kind::Ceiling, outline_.bounds(),
                 UvFrame::over(outline_.bounds()));
            break;
        }
    }

private:
    QRectF cellRect(int c, int r, qint64 widthMm, qint64 heightMm) const {
        return QRectF(cm(edges_.columnLeft(c)), cm(edges_.rowTop(r)), cm(widthMm), cm(heightMm));
    }

    void flat(int material, SceneMesh::Kind kind, const QRectF& rect, const UvFrame& uv) {
        const std::vector<std::vector<QPointF>> pieces = clipToOutline(outline_, rect);
        if (pieces.empty()) {
            return;
        }
        SceneMesh& mesh = assembly_.mesh(kind, material);
        for (const std::vector<QPointF>& piece : pieces) {
            SceneAssembly::addFlat(mesh, piece, height_, /*facingDown=*/true, uv);
        }
    }

    void squarePanels() {
        CellOwners owners(room_);
        struct Kept {
            GridCell anchor;
            const tpic_rec* product;
            TRoom_OBJ::CellSpan span;
        };
        std::vector<Kept> kept;
        room_.normaliseCoveredCells(
            [&kept](GridCell anchor, const tpic_rec& product, TRoom_OBJ::CellSpan span) {
                kept.push_back({anchor, &product, span});
            });
        int block = 0;
        for (const Kept& panel : kept) {
            const QRectF rect = cellRect(panel.anchor.column, panel.anchor.row,
                                         panel.product->width, panel.product->height);
            flat(assembly_.productMaterial(*panel.product), SceneMesh::Kind::SquarePanels, rect,
                 UvFrame::over(rect));
            for (int c = 0; c < panel.span.columns; ++c) {
                for (int r = 0; r < panel.span.rows; ++r) {
                    const int column = panel.anchor.column + c;
                    const int row = panel.anchor.row + r;
                    if (owners.inRange(column, row)) {
                        owners.at(column, row) = block;
                    }
                }
            }
            ++block;
        }
        for (int r = room_.firstRow; r <= room_.lastRow; ++r) {
            for (int c = room_.firstColumn; c <= room_.lastColumn; ++c) {
                if (owners.at(c, r) >= 0) {
                    continue;
                }
                owners.at(c, r) = block++;
                const QRectF rect = cellRect(c, r, room_.columnWidth(c), room_.rowHeight(r));
                flat(ceilingMaterial_, SceneMesh::Kind::Ceiling, rect, UvFrame::over(rect));
            }
        }
        blockLines(owners);
    }

    // A line along every edge between two blocks, in runs as long as the edge goes on.
    void blockLines(const CellOwners& owners) {
        for (int c = room_.firstColumn; c <= room_.lastColumn + 1; ++c) {
            const double x = cm(edges_.columnLeft(c));
            int runStart = -1;
            for (int r = room_.firstRow; r <= room_.lastRow + 1; ++r) {
                const bool edge =
                    r <= room_.lastRow && owners.owner(c - 1, r) != owners.owner(c, r);
                if (edge && runStart < 0) {
                    runStart = r;
                } else if (!edge && runStart >= 0) {
                    line({x, cm(edges_.rowTop(runStart))}, {x, cm(edges_.rowTop(r))});
                    runStart = -1;
                }
            }
        }
        for (int r = room_.firstRow; r <= room_.lastRow + 1; ++r) {
            const double y = cm(edges_.rowTop(r));
            int runStart = -1;
            for (int c = room_.firstColumn; c <= room_.lastColumn + 1; ++c) {
                const bool edge =
                    c <= room_.lastColumn && owners.owner(c, r - 1) != owners.owner(c, r);
                if (edge && runStart < 0) {
                    runStart = c;
                } else if (!edge && runStart >= 0) {
                    line({cm(edges_.columnLeft(runStart)), y}, {cm(edges_.columnLeft(c)), y});
                    runStart = -1;
                }
            }
        }
    }

    // A thin strip along an axis-parallel plan line, cut to the room.
    void line(QPointF from, QPointF to) {
        const double half = GridLineWidthCm / 2;
        const QPointF across = from.y() == to.y() ? QPointF(0, half) : QPointF(half, 0);
        const QPointF lo(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
        const QPointF hi(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
        const QRectF rect(lo - across, hi + across);
        const std::vector<std::vector<QPointF>> pieces = clipToOutline(outline_, rect);
        if (pieces.empty()) {
            return;
        }
        SceneMesh& mesh = assembly_.mesh(SceneMesh::Kind::GridLines, lineMaterial_);
        for (const std::vector<QPointF>& piece : pieces) {
            SceneAssembly::addFlat(mesh, piece, height_ - GridLineDropCm, /*facingDown=*/true,
                                   UvFrame::over(rect));
        }
    }

    // One quad per column (row) over the room, its picture repeated along its length.
    void strips(bool alongColumns) {
        const int first = alongColumns ? room_.firstColumn : room_.firstRow;
        const int last = alongColumns ? room_.lastColumn : room_.lastRow;
        const double runStart = alongColumns ? cm(edges_.rowTop(room_.firstRow))
                                             : cm(edges_.columnLeft(room_.firstColumn));
        const double runEnd = alongColumns ? cm(edges_.rowTop(room_.lastRow + 1))
                                           : cm(edges_.columnLeft(room_.lastColumn + 1));
        for (int i = first; i <= last; ++i) {
            const double edge = alongColumns ? cm(edges_.columnLeft(i)) : cm(edges_.rowTop(i));
            const qint64 size = alongColumns ? room_.columnWidth(i) : room_.rowHeight(i);
            const QRectF rect = alongColumns ? QRectF(edge, runStart, cm(size), runEnd - runStart)
                                             : QRectF(runStart, edge, runEnd - runStart, cm(size));
            const qint32 entry = alongColumns ? room_.cell(i, 1) : room_.cell(1, i);
            const tpic_rec* strip =
                entry >= 0 ? room_.productLookup(entry, alongColumns ? 1 : 0) : nullptr;
            const bool fits = strip && (alongColumns ? strip->width == size && strip->height > 0
                                                     : strip->height == size && strip->width > 0);
            if (fits) {
                const UvFrame uv = alongColumns
                                       ? UvFrame{rect.topLeft(), rect.width(), cm(strip->height)}
                                       : UvFrame{rect.topLeft(), cm(strip->width), rect.height()};
                flat(assembly_.productMaterial(*strip), SceneMesh::Kind::Strips, rect, uv);
            } else {
                flat(ceilingMaterial_, SceneMesh::Kind::Ceiling, rect, UvFrame::over(rect));
            }
            const QPointF from = alongColumns ? QPointF(edge, runStart) : QPointF(runStart, edge);
            const QPointF to = alongColumns ? QPointF(edge, runEnd) : QPointF(runEnd, edge);
            line(from, to);
        }
    }

    SceneAssembly& assembly_;
    TRoom_OBJ& room_;
    const SceneOutline& outline_;
    const double height_;
    const GridEdges edges_;
    const int ceilingMaterial_;
    const int lineMaterial_;
};

} // namespace

void addCeiling(SceneAssembly& assembly, TRoom_OBJ& room, const SceneOutline& outline,
                double heightCm) {
    CeilingBuilder(assembly, room, outline, heightCm).build();
}
