#include "ui/design_statistics_panel.h"

#include "design/room_statistics.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

// The rows of the room statistics list as a table for the view; rebuilt whenever the
// room rewrites the list.
class StatisticsListModel : public QAbstractTableModel {
public:
    explicit StatisticsListModel(RoomStatisticsView& view, QObject* parent)
        : QAbstractTableModel(parent), view_(view) {
        view_.rowsChanged = [this] {
            beginResetModel();
            endResetModel();
        };
    }
    ~StatisticsListModel() override { view_.rowsChanged = nullptr; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(view_.rows().size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= int(view_.rows().size())) {
            return {};
        }
        const StatisticsRow& row = view_.rows()[std::size_t(index.row())];
        if (role == Qt::DisplayRole) {
            return index.column() == 0 ? row.caption : row.subItems.value(index.column() - 1);
        }
        if (role == Qt::FontRole && row.imageIndex == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        static const char* const captions[] = {"产品", "规格", "数量", "单位"};
        return (section >= 0 && section < 4) ? QString::fromUtf8(captions[section]) : QVariant();
    }

private:
    RoomStatisticsView& view_;
};

DesignStatisticsPanel::DesignStatisticsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("designStatisticsPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    model_ = new StatisticsListModel(view_, this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("roomStatisticsList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setModel(model_);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column) {
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    layout->addWidget(list_, 1);

    auto* exports = new QVBoxLayout;
    exportPicture_ = new QPushButton(QStringLiteral("导出设计图"), this);
    exportPicture_->setObjectName(QStringLiteral("sButton1"));
    exportStatistics_ = new QPushButton(QStringLiteral("导出统计表"), this);
    exportStatistics_->setObjectName(QStringLiteral("sButton3"));
    exports->addWidget(exportPicture_);
    exports->addWidget(exportStatistics_);
    exports->addStretch(1);
    layout->addLayout(exports);

    auto* options = new QVBoxLayout;
    const auto box = [this, options](QCheckBox*& target, const char* name, const char* caption) {
        target = new QCheckBox(QString::fromUtf8(caption), this);
        target->setObjectName(QString::fromUtf8(name));
        options->addWidget(target);
    };
    box(snapGuides_, "optionSnapGuides", "贴齐辅助线");
    box(lockCanvas_, "optionLockCanvas", "锁定画布");
    box(showSelected_, "optionShowSelected", "显示选中的产品");
    box(stripFree_, "optionStripFree", "条扣自由模式");
    area_ = new QLabel(this);
    area_->setObjectName(QStringLiteral("roomAreaLabel"));
    options->addWidget(area_);
    options->addStretch(1);
    layout->addLayout(options);
}

DesignStatisticsPanel::~DesignStatisticsPanel() {
    // The model goes first: it unhooks itself from the list it shows.
    delete model_;
}
