#pragma once

#include "design/room_statistics.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;
class StatisticsListModel;

// The room statistics list under the canvas ("产品", "规格", "数量", "单位") with the
// room's options beside it and the area label. The list is shared by the rooms: the
// active room rewrites it.
class DesignStatisticsPanel : public QWidget {
public:
    explicit DesignStatisticsPanel(QWidget* parent = nullptr);
    ~DesignStatisticsPanel() override;

    RoomStatisticsView& view() { return view_; }

    QTreeView* list() const { return list_; }
    QLabel* areaLabel() const { return area_; }
    QCheckBox* snapGuides() const { return snapGuides_; }               // "贴齐辅助线"
    QCheckBox* lockCanvas() const { return lockCanvas_; }               // "锁定画布"
    QCheckBox* showSelected() const { return showSelected_; }           // "显示选中的产品"
    QCheckBox* stripFree() const { return stripFree_; }                 // "条扣自由模式"
    QPushButton* exportPicture() const { return exportPicture_; }       // "导出设计图"
    QPushButton* exportStatistics() const { return exportStatistics_; } // "导出统计表"

private:
    RoomStatisticsView view_;
    StatisticsListModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* area_ = nullptr;
    QCheckBox* snapGuides_ = nullptr;
    QCheckBox* lockCanvas_ = nullptr;
    QCheckBox* showSelected_ = nullptr;
    QCheckBox* stripFree_ = nullptr;
    QPushButton* exportPicture_ = nullptr;
    QPushButton* exportStatistics_ = nullptr;
};
