#include "fill_fixture.h"

#include "library/product_library.h"

void fill_sample::addProducts(TestLibrary& library) {
    library.addProduct(OtherPanel300, 1, QStringLiteral("方板B"), KindSquarePanel, 300, 300);
    library.addProduct(OtherPanel300x600, 1, QStringLiteral("长板B"), KindSquarePanel, 300, 600);
    library.addProduct(OtherPanel600, 1, QStringLiteral("方板600B"), KindSquarePanel, 600, 600);
    library.addProduct(Strip, 1, QStringLiteral("条板B"), KindStrip, 3000, 300,
                       TestLibrary::standardPicture(), 8, QStringLiteral("米"));
    library.addProduct(OtherAppliance300, 2, QStringLiteral("灯B"), KindAppliance, 300, 300);
}

FillTest::FillTest(int roomMode, int cellSize) {
    sample::addProducts(library);
    fill_sample::addProducts(library);
    RoomContext context;
    context.canvas = &canvas;
    context.library = &library.database();
    room = std::make_unique<TRoom_OBJ>(context, cellSize, cellSize, roomMode, false);
    room->editMode = EditDesign;
    room->prompts = &prompts;
    room->wall.setOrigin({-700, -700});
    setOutline(*room, rectangleCorners(900, 900, 1200, 1200));
    room->computeActiveRange();
    room->rebuildMask();
}

void FillTest::choose(quint8 tool, int product, int kind, int orientation) {
    room->setTool(tool);
    room->currentProduct = {product, kind, quint8(orientation)};
    room->rubberBand = true;
    if (tool == DesignBorderFill) {
        room->solidFill = false;
    } else if (tool != DesignFreeFill && tool != DesignBrush) {
        room->solidFill = true;
    }
}

QPoint FillTest::centre(int column, int row) {
    return {(column - 1) * 30 + 15 - 700, (row - 1) * 30 + 15 - 700};
}

void FillTest::move(QPoint p, Qt::KeyboardModifiers modifiers) {
    room->pointerMove(p, modifiers);
}

void FillTest::click(QPoint p, Qt::KeyboardModifiers modifiers) {
    move(p, modifiers);
    room->pointerPress(p, Qt::LeftButton, modifiers);
    room->pointerRelease(p, Qt::LeftButton, modifiers);
}

void FillTest::drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers) {
    move(from, modifiers);
    room->pointerPress(from, Qt::LeftButton, modifiers);
    move(to, modifiers);
    room->pointerRelease(to, Qt::LeftButton, modifiers);
}

int FillTest::anchorsOf(int product, int firstColumn, int firstRow, int lastColumn,
                        int lastRow) const {
    int count = 0;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        for (int r = firstRow; r <= lastRow; ++r) {
            count += room->cell(c, r) == product ? 1 : 0;
        }
    }
    return count;
}
