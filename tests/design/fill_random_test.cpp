#include "fill_fixture.h"

#include "core/ppdu_id.h"
#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <map>
#include <random>

using namespace sample;

namespace {

// Random sequences of fills, replacements and deletions on random rooms, driven like the
// canvas drives them, keep the grid consistent: after a paint every covered cell refers
// to an anchor whose panel spans it, and the quantities equal those of a full recount.
class RandomFills : public FillTest {
protected:
    std::string done; // the last operation, for failure messages
    std::mt19937 random{20261209};

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void newRoom() {
        RoomContext context;
        context.canvas = &canvas;
        context.library = &library.database();
        // One room in four is a strip room, along the columns or the rows.
        const int mode =
            pick(0, 3) == 0 ? pick(StripsAlongColumns, StripsAlongRows) : int(SquarePanelRoom);
        room = std::make_unique<TRoom_OBJ>(context, 300, 300, mode, pick(0, 1) == 0);
        room->editMode = EditDesign;
        room->prompts = &prompts;
        room->wall.setOrigin({-700, -700});
        for (int c = 1; c <= TRoom_OBJ::LastCell; ++c) {
            if (pick(0, 5) == 0) {
                room->cell(c, 0) = 150;
            }
            if (pick(0, 5) == 0) {
                room->cell(0, c) = 150;
            }
        }
        const int left = pick(880, 960);
        const int top = pick(880, 960);
        setOutline(*room, rectangleCorners(left, top, left + pick(60, 300), top + pick(60, 280)));
        room->computeActiveRange();
        room->rebuildMask();
    }

    QPoint anyPoint() { return {pick(150, 560), pick(150, 560)}; }

    Qt::KeyboardModifiers anyModifiers() {
        switch (pick(0, 9)) {
        case 0:
            return Qt::ShiftModifier;
        case 1:
            return Qt::ControlModifier;
        case 2:
            return Qt::AltModifier;
        default:
            return Qt::NoModifier;
        }
    }

    void oneOperation() {
        static const int products[] = {Panel300,
                                       Panel600,
                                       Panel300x600,
                                       fill_sample::OtherPanel300,
                                       fill_sample::OtherPanel600,
                                       Appliance300,
                                       Appliance300x600,
                                       Floating,
                                       fill_sample::Strip};
        static const quint8 tools[] = {DesignFreeFill,    DesignRectangleFill, DesignBorderFill,
                                       DesignRowFill,     DesignColumnFill,    DesignBrush,
                                       DesignReplaceFill, DesignDelete};
        // Strip rooms mostly get the strip.
        const bool strips = room->roomstyle != SquarePanelRoom && pick(0, 2) != 0;
        const int product = strips ? fill_sample::Strip : products[pick(0, 8)];
        const tpic_rec* item = room->productLookup(product, 0);
        ASSERT_NE(item, nullptr);
        choose(tools[pick(0, 7)], product, item->kind, pick(0, 3));
        room->showSelectedProduct = pick(0, 3) == 0;
        const int kindOfStep = pick(0, 9);
        done =
            (testing::Message() << "tool " << int(room->tool) << " product " << product
                                << " orientation " << int(room->currentProduct.orientation)
                                << " ghost " << room->showSelectedProduct << " step " << kindOfStep)
                .GetString();
        switch (kindOfStep) {
        case 0:
            move(anyPoint());
            room->replace(pick(0, 2));
            break;
        case 1:
            if (item->kind == KindSquarePanel || item->kind == KindStrip) {
                room->wholeAndPatternFill(pick(0, 6), room->currentProduct.orientation);
            }
            break;
        case 2: {
            move(anyPoint());
            room->deleteProduct();
            break;
        }
        case 3: {
            // A brush stroke over a few cells.
            const Qt::KeyboardModifiers modifiers = anyModifiers();
            QPoint p = anyPoint();
            move(p, modifiers);
            room->pointerPress(p, Qt::LeftButton, modifiers);
            for (int i = 0; i < 5; ++i) {
                p += QPoint(pick(-20, 20), pick(-20, 20));
                move(p, modifiers);
            }
            room->pointerRelease(p, Qt::LeftButton, modifiers);
            break;
        }
        default:
            if (pick(0, 1) == 0) {
                click(anyPoint(), anyModifiers());
            } else {
                drag(anyPoint(), anyPoint(), anyModifiers());
            }
            break;
        }
    }

    void expectConsistentGrid() {
        room->paint();
        for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
            for (int r = room->firstRow; r <= room->lastRow; ++r) {
                const qint32 value = room->cell(c, r);
                if (value >= -1) {
                    continue;
                }
                const GridCell anchor = TRoom_OBJ::coveredCellAnchor(value);
                const qint32 product = room->cell(anchor.column, anchor.row);
                ASSERT_GE(product, 0) << c << "," << r;
                const tpic_rec* item = room->productLookup(
                    product, room->cellAttribute(anchor.column, anchor.row) % 10);
                ASSERT_NE(item, nullptr);
                const TRoom_OBJ::CellSpan span = room->spanTest(anchor, item->width, item->height);
                ASSERT_TRUE(span.fits);
                EXPECT_LT(c - anchor.column, span.columns) << c << "," << r;
                EXPECT_LT(r - anchor.row, span.rows) << c << "," << r;
                EXPECT_GE(c, anchor.column);
                EXPECT_GE(r, anchor.row);
            }
        }
    }

    std::map<int, double> quantities() const {
        std::map<int, double> result;
        for (const std::unique_ptr<Ppdu_id>& line : room->billLines) {
            if (line->number != 0) {
                result[line->id] = line->number;
            }
        }
        return result;
    }
};

TEST_F(RandomFills, KeepTheGridConsistentAndTheQuantitiesThoseOfARecount) {
    for (int trial = 0; trial < 20; ++trial) {
        newRoom();
        for (int step = 0; step < 30; ++step) {
            SCOPED_TRACE(testing::Message() << "trial " << trial << " step " << step);
            oneOperation();
            SCOPED_TRACE(done);
            expectConsistentGrid();
            const std::map<int, double> kept = quantities();
            room->recount();
            ASSERT_EQ(kept, quantities()) << done;
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

} // namespace
