#include "catalogue/catalogue_tables.h"

#include "library/product_library.h"

// The vendor's own catalogue. Sizes in millimetres, prices in yuan.
CatalogueRange vendorCatalogue() {
    const QRgb silver = qRgb(200, 204, 210);
    const QRgb pearl = qRgb(240, 238, 230);
    const QRgb champagne = qRgb(222, 200, 150);
    const QRgb ivory = qRgb(245, 240, 220);
    const QRgb white = qRgb(250, 250, 250);
    const QRgb gold = qRgb(196, 160, 70);
    const QRgb grey = qRgb(120, 124, 130);
    const QRgb red = qRgb(190, 40, 40);
    const QRgb key = qRgb(255, 0, 255); // transparent background of kinds 3 to 5

    // clang-format off
    return {VendorRangeFirst, GeneralRangeFirst - 1, 0, {
        {1, "方形铝扣板", {
            {1, "300×300 方板", KindSquarePanel, {
                {"拉丝银方板 300×300", 300, 300, 38, "片", {Motif::Brushed, silver, grey}, 0,
                 "YZ-FB3030-01", "https://example.com/yanzhou/fb3030-01.html"},
                {"珍珠白冲孔板 300×300", 300, 300, 42, "片", {Motif::Perforated, pearl, grey}, 0,
                 "YZ-FB3030-02"},
                {"水波纹方板 300×300", 300, 300, 45, "片",
                 {Motif::Wave, qRgb(205, 225, 240), qRgb(90, 140, 190)}, 0, "YZ-FB3030-03"},
                {"牡丹花方板 300×300", 300, 300, 56, "片",
                 {Motif::Flower, ivory, qRgb(200, 80, 110)}, 0, "YZ-FB3030-04",
                 "https://example.com/yanzhou/fb3030-04.html"},
                {"大理石纹方板 300×300", 300, 300, 52, "片",
                 {Motif::Marble, qRgb(235, 233, 228), qRgb(130, 130, 140)}, StatusOutOfStock,
                 "YZ-FB3030-05"},
                {"菱形格方板 300×300", 300, 300, 46, "片", {Motif::Diamond, champagne, gold}},
                {"蜂窝方板 300×300", 300, 300, 48, "片",
                 {Motif::Honeycomb, silver, qRgb(90, 95, 105)}, StatusDiscontinued, "YZ-FB3030-07"},
                {"同心圆方板 300×300", 300, 300, 44, "片",
                 {Motif::Ripple, white, qRgb(150, 170, 200)}},
                {"D'Art 艺术花板 300×300", 300, 300, 68, "片",
                 {Motif::Flower, qRgb(250, 236, 236), qRgb(170, 50, 90)}, 0, "YZ-FB3030-09"},
                {"100%纯铝拉丝板 300×300", 300, 300, 40, "片",
                 {Motif::Brushed, qRgb(215, 215, 215), qRgb(150, 150, 150)}},
            }},
            {2, "300×600 方板", KindSquarePanel, {
                {"香槟金拉丝板 300×600", 300, 600, 72, "片", {Motif::Brushed, champagne, gold}, 0,
                 "YZ-FB3060-01", "https://example.com/yanzhou/fb3060-01.html"},
                {"胡桃木纹板 300×600", 300, 600, 78, "片",
                 {Motif::WoodGrain, qRgb(150, 100, 60), qRgb(95, 60, 35)}, 0, "YZ-FB3060-02"},
                {"银灰网格板 300×600", 300, 600, 70, "片", {Motif::Mesh, silver, grey}},
                {"亮银镜面板 300×600", 300, 600, 86, "片",
                 {Motif::Mirror, qRgb(210, 220, 230), white}, StatusOutOfStock, "YZ-FB3060-04"},
            }},
            {3, "600×600 方板", KindSquarePanel, {
                {"中式回纹板 600×600", 600, 600, 158, "片", {Motif::Meander, ivory, red}, 0,
                 "YZ-FB6060-01", "https://example.com/yanzhou/fb6060-01.html"},
                {"星光装饰板 600×600", 600, 600, 168, "片",
                 {Motif::Star, qRgb(40, 50, 90), qRgb(250, 230, 150)}, 0, "YZ-FB6060-02"},
                {"方格素板 600×600", 600, 600, 128, "片", {Motif::Checker, white, silver}},
                {"哑光白素板 600×600", 600, 600, 118, "片", {Motif::Matte, white, silver}, 0,
                 "YZ-FB6060-04"},
            }},
        }},
        {2, "条形扣板", {
            {4, "100 宽条板", KindStrip, {
                {"银白条板 100", 600, 100, 22, "米", {Motif::GroovedStrip, silver, grey}, 0,
                 "YZ-TB100-01"},
                {"珍珠白条板 100", 600, 100, 24, "米", {Motif::GroovedStrip, pearl, silver}},
            }},
            {5, "150 宽条板", KindStrip, {
                {"香槟金条板 150", 600, 150, 32, "米", {Motif::GroovedStrip, champagne, gold}, 0,
                 "YZ-TB150-01"},
                {"木纹条板 150", 600, 150, 36, "米",
                 {Motif::WoodStrip, qRgb(170, 120, 75), qRgb(110, 70, 40)}, StatusOutOfStock},
            }},
            {6, "200 宽条板", KindStrip, {
                {"镜面条板 200", 600, 200, 42, "米", {Motif::MirrorStrip, qRgb(205, 215, 225), white},
                 0, "YZ-TB200-01"},
                {"象牙白条板 200", 600, 200, 38, "米", {Motif::GroovedStrip, ivory, silver}},
            }},
            {7, "300 宽条板", KindStrip, {
                {"银灰宽条板 300", 600, 300, 52, "米", {Motif::GroovedStrip, qRgb(170, 175, 182), grey},
                 0, "YZ-TB300-01"},
            }},
        }},
        {3, "镶嵌电器", {
            {8, "照明灯", KindAppliance, {
                {"圆形吸顶灯 300×300", 300, 300, 128, "个",
                 {Motif::RoundLamp, white, qRgb(255, 244, 200)}, 0, "YZ-DQ-ZM01",
                 "https://example.com/yanzhou/zm01.html"},
                {"长方形照明灯 300×600", 300, 600, 168, "个",
                 {Motif::TubeLamp, white, qRgb(255, 250, 225)}, 0, "YZ-DQ-ZM02"},
            }},
            {9, "换气扇", KindAppliance, {
                {"静音换气扇 300×300", 300, 300, 158, "个", {Motif::ExhaustFan, white, grey}, 0,
                 "YZ-DQ-HQ01"},
            }},
            {10, "浴霸", KindAppliance, {
                {"四灯取暖浴霸 300×600", 300, 600, 698, "套",
                 {Motif::BathHeater, white, qRgb(255, 170, 60)}, 0, "YZ-DQ-YB01",
                 "https://example.com/yanzhou/yb01.html"},
                {"三合一浴霸 300×600", 300, 600, 498, "套",
                 {Motif::BathHeater, pearl, qRgb(255, 140, 40)}, StatusOutOfStock, "YZ-DQ-YB02"},
            }},
            {11, "平板灯", KindAppliance, {
                {"LED 平板灯 600×600", 600, 600, 238, "个",
                 {Motif::PanelLight, white, qRgb(235, 245, 255)}, 0, "YZ-DQ-PB01"},
            }},
        }},
        {4, "悬浮装饰", {
            {12, "角花", KindFloating, {
                {"欧式角花 300×300", 300, 300, 35, "个", {Motif::CornerFlower, key, gold}, 0,
                 "YZ-XF-JH01"},
                {"雕花角花 300×300", 300, 300, 38, "个",
                 {Motif::CornerFlower, key, qRgb(250, 250, 245)}},
            }},
            {13, "灯池吊饰", KindFloating, {
                {"圆形灯盘 600×600", 600, 600, 168, "个", {Motif::Rosette, key, gold}, 0,
                 "YZ-XF-DP01", "https://example.com/yanzhou/xf-dp01.html"},
                {"金色圆环 600×600", 600, 600, 98, "个", {Motif::Ring, key, gold}},
            }},
            {14, "祥云饰件", KindFloating, {
                {"祥云饰件 600×300", 600, 300, 88, "个", {Motif::Cloud, key, qRgb(70, 130, 200)}, 0,
                 "YZ-XF-XY01"},
            }},
        }},
        {5, "安装辅料", {
            {15, "龙骨", KindOther, {
                {"38 主龙骨", 600, 50, 6.5, "米", {Motif::MainKeel, key, silver}, 0, "YZ-PJ-LG38"},
                {"三角龙骨", 600, 50, 4.8, "米", {Motif::TriangleKeel, key, silver}, 0, "YZ-PJ-SJLG"},
            }},
            {16, "吊件接件", KindOther, {
                {"三角龙骨吊件", 100, 150, 0.8, "个", {Motif::Hanger, key, grey}, 0, "YZ-PJ-DJ01"},
                {"主龙骨接件", 100, 100, 0.6, "个", {Motif::Connector, key, grey}},
                {"M8 全丝吊杆", 50, 600, 2.5, "个", {Motif::ThreadedRod, key, grey}, 0, "YZ-PJ-DG08"},
            }},
            {17, "收边条", KindOther, {
                {"L 形收边条", 600, 50, 8, "米", {Motif::EdgeTrim, key, silver}, 0, "YZ-PJ-SB01"},
            }},
        }},
        {6, "标记符号", {
            {18, "施工标记", KindMark, {
                {"方向箭头", 300, 300, 0, "个", {Motif::DirectionArrow, key, red}},
                {"中心点标记", 300, 300, 0, "个", {Motif::CentrePoint, key, red}},
                {"检修口", 600, 600, 0, "个", {Motif::AccessHatch, key, qRgb(30, 30, 30)}},
                {"标高符号", 300, 300, 0, "个", {Motif::LevelMark, key, qRgb(20, 60, 160)}},
            }},
        }},
        {7, "旧款产品", {
            {19, "旧款压花方板", KindSquarePanel, {
                {"压花方板 300×300", 300, 300, 30, "片", {Motif::Flower, silver, grey}},
                {"冲孔方板 300×300", 300, 300, 28, "片", {Motif::Perforated, white, silver}},
            }},
            {20, "旧款条板", KindStrip, {
                {"银白窄条板 100", 600, 100, 18, "米", {Motif::GroovedStrip, white, silver}},
            }},
        }, StatusDiscontinued},
    }};
    // clang-format on
}
