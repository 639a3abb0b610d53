#include "core/troom_obj.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/default_opener.h"
#include "render_fixture.h"

#include <gtest/gtest.h>

// The design popup of the 3 x 3 m render-test room (canvas 200..500 at 1 px per cm):
// which entries a right click enables, and what the entries run.

namespace {

constexpr QPoint EmptyCell{350, 350}; // cell (35, 35)
constexpr QPoint PanelCell{245, 245}; // cell (32, 32)
constexpr QPoint ObjectPoint{435, 435};

class DesignPopup : public RenderTest {
protected:
    DesignPopup() {
        room->currentProduct = {paint_sample::Panel, KindSquarePanel, 0};
        room->placePanel({32, 32}, 0);
        room->currentProduct = {};
        room->paint();
    }

    const MenuItem& open(QPoint at) {
        room->pointerMove(at, {});
        room->popupRequested(at);
        return room->designPopup.items.front();
    }
    const MenuItem& entry(const char* caption) const {
        for (const MenuItem& item : room->designPopup.items) {
            if (item.caption == QString::fromUtf8(caption)) {
                return item;
            }
        }
        ADD_FAILURE() << caption;
        static const MenuItem none;
        return none;
    }
    bool enabled(const char* caption) const { return entry(caption).enabled; }
};

TEST_F(DesignPopup, EntriesComeInTheirOrderWithTheCentringCaptionEndingInASpace) {
    open(EmptyCell);
    QStringList captions;
    for (const MenuItem& item : room->designPopup.items) {
        captions << item.caption;
    }
    EXPECT_EQ(captions.join(u'|'),
              QStringLiteral("选择当前产品|删除产品|墙面对齐|手动调整|产品方向|"
                             "悬浮产品对齐|替换|产品详细信息|取消菜单"));
    EXPECT_EQ(entry("墙面对齐").items[4].caption, QStringLiteral("居中 "));
    EXPECT_EQ(entry("墙面对齐").items[7].tag, 9);
    EXPECT_EQ(entry("悬浮产品对齐").items.size(), 9u);
}

TEST_F(DesignPopup, AnEmptyCellEnablesNeitherChoosingNorDeletingNorTurning) {
    open(EmptyCell);
    EXPECT_FALSE(enabled("选择当前产品"));
    EXPECT_FALSE(enabled("删除产品"));
    EXPECT_FALSE(enabled("产品方向"));
    EXPECT_FALSE(enabled("替换"));
    EXPECT_FALSE(enabled("悬浮产品对齐"));
    EXPECT_TRUE(enabled("墙面对齐"));
    EXPECT_TRUE(enabled("手动调整"));

    // A product carried under the pointer can be turned, and replacing needs one.
    room->currentProduct = {paint_sample::Panel, KindSquarePanel, 0};
    room->showSelectedProduct = true;
    open(EmptyCell);
    EXPECT_TRUE(enabled("产品方向"));
    EXPECT_TRUE(enabled("替换"));
    EXPECT_FALSE(enabled("选择当前产品"));
}

TEST_F(DesignPopup, APanelOrAnObjectEnablesChoosingDeletingAndTurning) {
    open(PanelCell);
    EXPECT_TRUE(enabled("选择当前产品"));
    EXPECT_TRUE(enabled("删除产品"));
    EXPECT_TRUE(enabled("产品方向"));

    addObject(*room, paint_sample::Appliance, KindAppliance, 1110, 1110);
    room->paint();
    open(ObjectPoint);
    EXPECT_TRUE(enabled("选择当前产品"));
    EXPECT_TRUE(enabled("产品方向"));
}

TEST_F(DesignPopup, TheDeleteToolLooksOnlyAtTheCellAndNeverArranges) {
    tdianqi_rec& object = addObject(*room, paint_sample::Appliance, KindAppliance, 1110, 1110);
    object.selected = true;
    room->paint();
    open(EmptyCell);
    EXPECT_TRUE(enabled("悬浮产品对齐"));

    room->tool = DesignDelete;
    open(ObjectPoint);
    EXPECT_FALSE(enabled("悬浮产品对齐"));
    EXPECT_FALSE(enabled("选择当前产品")); // the cell under the object is empty
    EXPECT_FALSE(enabled("产品方向"));
    open(PanelCell);
    EXPECT_TRUE(enabled("删除产品"));
}

TEST_F(DesignPopup, ProductDetailsOpenTheTrimmedAddressOfThePanelUnderThePoint) {
    open(PanelCell);
    EXPECT_FALSE(enabled("产品详细信息"));

    library.database().exec(QStringLiteral("update pic set picurl = ? where id = ?"),
                            {QStringLiteral("  http://example.com/p1 "), paint_sample::Panel});
    open(PanelCell);
    ASSERT_TRUE(enabled("产品详细信息"));
    QString opened;
    opener::setHandler([&opened](const QString& address) {
        opened = address;
        return true;
    });
    entry("产品详细信息").onChosen();
    opener::setHandler({});
    EXPECT_EQ(opened, QStringLiteral("http://example.com/p1"));
}

TEST_F(DesignPopup, ChoosingTheCurrentProductUsesThePointOfTheRightClick) {
    open(PanelCell);
    room->pointerMove(EmptyCell, {}); // the pointer moves on before the entry is chosen
    entry("选择当前产品").onChosen();
    EXPECT_EQ(room->currentProduct.id, paint_sample::Panel);
    EXPECT_TRUE(room->showSelectedProduct);
}

} // namespace
