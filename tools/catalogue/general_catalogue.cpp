#include "catalogue/catalogue_tables.h"

#include "library/product_library.h"

// The general-edition catalogue shared by all installations. Sizes in millimetres,
// prices in yuan.
CatalogueRange generalCatalogue() {
    const QRgb silver = qRgb(196, 200, 206);
    const QRgb white = qRgb(248, 248, 248);
    const QRgb cream = qRgb(246, 238, 214);
    const QRgb bronze = qRgb(170, 120, 70);
    const QRgb grey = qRgb(110, 114, 120);
    const QRgb blue = qRgb(60, 110, 180);
    const QRgb key = qRgb(255, 0, 255); // transparent background of kinds 3 to 5

    // clang-format off
    return {GeneralRangeFirst, CustomRangeFirst - 1, GeneralCompany, {
        {50001, "通用方板", {
            {50001, "通用 300×300 方板", KindSquarePanel, {
                {"亮白拉丝板 300×300", 300, 300, 32, "片", {Motif::Brushed, white, silver}, 0,
                 "TY-FB3030-01", "https://example.com/yanzhou/ty-fb3030-01.html"},
                {"银灰冲孔板 300×300", 300, 300, 34, "片", {Motif::Perforated, silver, grey}, 0,
                 "TY-FB3030-02"},
                {"蓝色波浪板 300×300", 300, 300, 36, "片", {Motif::Wave, qRgb(220, 232, 248), blue}},
                {"Bella's 欧式花板 300×300", 300, 300, 58, "片", {Motif::Flower, cream, bronze}, 0,
                 "TY-FB3030-04"},
                {"米黄菱形板 300×300", 300, 300, 38, "片", {Motif::Diamond, cream, bronze},
                 StatusOutOfStock},
                {"古铜同心圆板 300×300", 300, 300, 40, "片",
                 {Motif::Ripple, qRgb(200, 170, 130), bronze}, StatusDiscontinued, "TY-FB3030-06"},
            }},
            {50002, "通用 300×600 方板", KindSquarePanel, {
                {"白色大理石板 300×600", 300, 600, 66, "片",
                 {Motif::Marble, qRgb(242, 240, 236), qRgb(150, 150, 160)}, 0, "TY-FB3060-01"},
                {"蜂窝银板 300×600", 300, 600, 62, "片", {Motif::Honeycomb, silver, grey}},
            }},
            {50003, "通用 600×600 方板", KindSquarePanel, {
                {"金色星光板 600×600", 600, 600, 148, "片",
                 {Motif::Star, qRgb(120, 30, 30), qRgb(240, 200, 100)}, 0, "TY-FB6060-01"},
                {"樱桃木纹板 600×600", 600, 600, 138, "片",
                 {Motif::WoodGrain, qRgb(175, 95, 60), qRgb(120, 60, 35)}},
            }},
        }},
        {50002, "通用条板", {
            {50004, "通用 150 条板", KindStrip, {
                {"亮白条板 150", 600, 150, 26, "米", {Motif::GroovedStrip, white, silver}, 0,
                 "TY-TB150-01"},
                {"柚木条板 150", 600, 150, 30, "米", {Motif::WoodStrip, qRgb(185, 135, 85), bronze}},
            }},
            {50005, "通用 200 条板", KindStrip, {
                {"镜面银条板 200", 600, 200, 36, "米", {Motif::MirrorStrip, silver, white}, 0,
                 "TY-TB200-01"},
            }},
        }},
        {50003, "通用电器", {
            {50006, "通用照明", KindAppliance, {
                {"节能吸顶灯 300×300", 300, 300, 98, "个",
                 {Motif::RoundLamp, white, qRgb(255, 250, 215)}, 0, "TY-DQ-ZM01"},
                {"双管照明灯 300×600", 300, 600, 138, "个",
                 {Motif::TubeLamp, white, qRgb(245, 250, 255)}, 0, "TY-DQ-ZM02",
                 "https://example.com/yanzhou/ty-zm02.html"},
                {"超薄平板灯 600×600", 600, 600, 198, "个",
                 {Motif::PanelLight, white, qRgb(250, 250, 240)}},
            }},
            {50007, "通用换气", KindAppliance, {
                {"换气扇 300×300", 300, 300, 118, "个", {Motif::ExhaustFan, silver, grey}, 0,
                 "TY-DQ-HQ01"},
            }},
            {50008, "进口浴霸", KindAppliance, {
                {"灯暖浴霸 300×600", 300, 600, 898, "套",
                 {Motif::BathHeater, white, qRgb(255, 160, 50)}, 0, "TY-DQ-YB01"},
            }, StatusOutOfStock},
        }},
        {50004, "通用悬浮", {
            {50009, "通用饰件", KindFloating, {
                {"铜色角花 300×300", 300, 300, 28, "个", {Motif::CornerFlower, key, bronze}},
                {"白色灯盘 600×600", 600, 600, 128, "个", {Motif::Rosette, key, white}, 0,
                 "TY-XF-DP01"},
                {"蓝色祥云 600×300", 600, 300, 72, "个", {Motif::Cloud, key, blue}},
            }},
        }},
        {50005, "通用辅料", {
            {50010, "通用配件", KindOther, {
                {"轻钢主龙骨", 600, 50, 5.5, "米", {Motif::MainKeel, key, silver}, 0, "TY-PJ-LG01"},
                {"通用吊件", 100, 150, 0.7, "个", {Motif::Hanger, key, grey}},
                {"铝合金收边条", 600, 50, 7, "米", {Motif::EdgeTrim, key, white}, 0, "TY-PJ-SB01"},
            }},
        }},
        {50006, "通用标记", {
            {50011, "通用符号", KindMark, {
                {"箭头标记", 300, 300, 0, "个", {Motif::DirectionArrow, key, blue}},
                {"灯位标记", 300, 300, 0, "个", {Motif::CentrePoint, key, blue}},
            }},
        }},
        {50007, "停产系列", {
            {50012, "停产方板", KindSquarePanel, {
                {"网格方板 300×300", 300, 300, 26, "片", {Motif::Mesh, silver, grey}},
            }},
        }, StatusDiscontinued},
    }};
    // clang-format on
}
