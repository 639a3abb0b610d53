#include "ui/main_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

MainActions::MainActions(QMainWindow& window) : window_(window) {
    buildFileMenu();
    buildRoomMenu();
    buildDesignMenu();
    buildOutputMenus();
    buildSettingsMenu();
    buildToolBars();
}

QAction* MainActions::operator[](const QString& name) const {
    QAction* action = actions_.value(name);
    if (!action) {
        qFatal("unknown main window command %s", qPrintable(name));
    }
    return action;
}

QMenu* MainActions::menu(const QString& name) const {
    QMenu* m = menus_.value(name);
    if (!m) {
        qFatal("unknown main window menu %s", qPrintable(name));
    }
    return m;
}

QAction* MainActions::add(const char* name, const char* caption, const char* iconText) {
    auto* action = new QAction(QString::fromUtf8(caption), &window_);
    action->setObjectName(QString::fromUtf8(name));
    if (iconText) {
        action->setIconText(QString::fromUtf8(iconText));
    }
    // Enabled by the subsystem that implements the command.
    action->setEnabled(false);
    actions_.insert(action->objectName(), action);
    return action;
}

QMenu* MainActions::addMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* m = parent ? parent->addMenu(QString::fromUtf8(caption))
                      : window_.menuBar()->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromUtf8(name));
    menus_.insert(m->objectName(), m);
    return m;
}

void MainActions::buildFileMenu() {
    QMenu* m = addMenu(nullptr, "fileMenu", "文件");
    m->addAction(add("N27", "新建客户...", "新建"));
    m->addAction(add("ToolButton17", "打开/管理客户...", "打开"));
    m->addAction(add("savebt", "保存"));
    m->addAction(add("N34", "另存为..."));
    m->addAction(add("N90", "关闭客户"));
    m->addSeparator();
    m->addAction(add("exportProjectFile", "导出客户项目为文件"));
    m->addAction(add("importProjectFile", "从文件导入客户项目"));
    m->addAction(add("importV5", "导入V5项目文件"));
    m->addSeparator();
    QAction* exit = add("exit", "退出");
    exit->setEnabled(true);
    m->addAction(exit);
}

void MainActions::buildRoomMenu() {
    QMenu* m = addMenu(nullptr, "roomMenu", "房间");
    m->addAction(add("N11", "新建房间..."));
    m->addAction(add("ToolButton10", "删除房间..."));
    m->addAction(add("ToolButton27", "复制房间..."));
    m->addAction(add("ToolButton38", "导入房间..."));
    m->addAction(add("sButton2", "更新名称"));
    m->addAction(add("changeRoomMode", "更改模式"));
    QAction* notCounted = add("notCounted", "不参加项目统计");
    notCounted->setCheckable(true);
    m->addAction(notCounted);
    m->addSeparator();
    auto* wallTools = new QActionGroup(&window_);
    for (const auto& [name, caption] : {std::pair{"N70", "绘制墙面"}, std::pair{"N72", "拆分墙面"},
                                        std::pair{"N9", "调整墙面"}, std::pair{"N3", "移动整体"}}) {
        QAction* a = add(name, caption);
        a->setCheckable(true);
        wallTools->addAction(a);
        m->addAction(a);
    }
    m->addAction(add("N71", "矩形墙面...", "矩形墙面"));
    m->addAction(add("N73", "清空墙面...", "清空墙面"));
    m->addAction(add("rotateRoom", "旋转"));
    // Mirroring exists in the room model but is not offered.
    QMenu* flip = addMenu(m, "flipMenu", "翻转");
    flip->addAction(add("flipHorizontal", "水平翻转"));
    flip->addAction(add("flipVertical", "垂直翻转"));
    flip->menuAction()->setVisible(false);
    flip->menuAction()->setEnabled(false);
    QAction* view3d = add("view3d", "3D效果");
    view3d->setShortcut(Qt::Key_F3);
    m->addAction(view3d);
}

void MainActions::buildDesignMenu() {
    QMenu* m = addMenu(nullptr, "designMenu", "设计");
    auto* tools = new QActionGroup(&window_);
    struct Tool {
        const char* name;
        const char* caption;
        int tag;
    };
    for (const Tool& t :
         {Tool{"designTool1", "自由填充", 1}, Tool{"designTool2", "矩形填充", 2},
          Tool{"designTool3", "边框填充", 3}, Tool{"designTool4", "单行填充", 4},
          Tool{"designTool5", "单列填充", 5}, Tool{"designTool8", "替换填充", 8},
          Tool{"designTool7", "喷枪填充", 7}, Tool{"designTool9", "移动/交换工具", 9},
          Tool{"designTool0", "鼠标/查看工具", 0}, Tool{"designTool10", "删除产品", 10}}) {
        QAction* a = add(t.name, t.caption);
        a->setCheckable(true);
        a->setData(t.tag);
        tools->addAction(a);
        m->addAction(a);
    }
    actions_.value(QStringLiteral("designTool2"))->setChecked(true);
    m->addSeparator();
    m->addAction(add("fillAll", "全部填充"));
    QMenu* other = addMenu(m, "otherFillMenu", "其他填充");
    const char* patterns[] = {"横向奇数行", "横向偶数行", "纵向奇数列",
                              "纵向偶数列", "奇数棋盘式", "偶数棋盘式"};
    for (int i = 0; i < 6; ++i) {
        QAction* a = add(qPrintable(QStringLiteral("fillPattern%1").arg(i + 1)), patterns[i]);
        a->setData(i + 1);
        other->addAction(a);
    }
    QMenu* align = addMenu(m, "wallAlignMenu", "墙面对齐");
    const char* alignments[] = {"左上角对齐", "右上角对齐", "左下角对齐", "右下角对齐",
                                "居中",       "水平居中",   "垂直居中"};
    for (int i = 0; i < 7; ++i) {
        QAction* a = add(qPrintable(QStringLiteral("align%1").arg(i + 1)), alignments[i]);
        a->setData(i + 1);
        align->addAction(a);
    }
    align->addAction(add("manualAdjust", "手动调整"));
    align->addAction(add("lockCanvasAlign", "锁定画布"));
    m->addAction(add("clearDesign", "清空产品", "清除设计"));
    m->addSeparator();
    m->addAction(add("centreView", "定位"));
    m->addAction(add("zoomIn", "放大"));
    m->addAction(add("zoomOut", "缩小"));
    m->addAction(add("zoomStandard", "标准"));
}

void MainActions::buildOutputMenus() {
    QMenu* print = addMenu(nullptr, "printMenu", "打印");
    print->addAction(add("print1", "打印当前房间", "打印"));
    print->addAction(add("print2", "打印所有设计图"));
    print->addAction(add("print3", "打印所有统计表"));
    print->addSeparator();
    print->addAction(add("printPreview", "打印预览..."));
    QMenu* exp = addMenu(nullptr, "exportMenu", "导出");
    exp->addAction(add("export1", "导出当前房间", "导出"));
    exp->addAction(add("export2", "导出所有设计图"));
    exp->addAction(add("export3", "导出所有统计表"));
    exp->addSeparator();
    exp->addAction(add("exportPdf3", "导出PDF报价单"));
    exp->addAction(add("exportPdf2", "导出PDF设计方案"));
    exp->addSeparator();
    exp->addAction(add("exportPicture", "导出设计图"));
    exp->addAction(add("exportDxf", "导出DXF图纸"));
    exp->addAction(add("exportDxfAll", "导出全部房间DXF"));
    exp->addAction(add("exportGltf", "导出3D模型(glTF)"));
    exp->addAction(add("exportExcel", "导出统计表-EXCEL"));
}

void MainActions::buildSettingsMenu() {
    QMenu* m = addMenu(nullptr, "settingsMenu", "设置");
    QAction* setup = add("setup", "参数设置");
    QAction* skin = add("skin", "换肤");
    setup->setEnabled(true);
    skin->setEnabled(true);
    m->addAction(setup);
    m->addAction(skin);
    m->addSeparator();
    m->addAction(add("areas", "小区管理"));
    m->addAction(add("handlers", "经办人管理"));
    m->addAction(add("productManager", "产品管理"));
    m->addSeparator();
    m->addAction(add("backupDb", "备份数据库"));
    m->addAction(add("compactDb", "压缩数据库"));
    m->addAction(add("redownload", "重新下载产品"));
}

void MainActions::buildToolBars() {
    mainBar_ = window_.addToolBar(QStringLiteral("常用"));
    mainBar_->setObjectName(QStringLiteral("mainToolBar"));
    mainBar_->setMovable(false);
    for (const char* name : {"N27", "ToolButton17", "savebt"}) {
        mainBar_->addAction(actions_.value(QString::fromUtf8(name)));
    }
    mainBar_->addSeparator();
    for (const char* name : {"N11", "ToolButton10", "ToolButton27", "ToolButton38"}) {
        mainBar_->addAction(actions_.value(QString::fromUtf8(name)));
    }
    mainBar_->addSeparator();
    auto* modes = new QActionGroup(&window_);
    for (const auto& [name, caption] :
         {std::pair{"modeRoom", "房间"}, std::pair{"modeDesign", "设计"}}) {
        QAction* a = add(name, caption);
        a->setCheckable(true);
        modes->addAction(a);
        mainBar_->addAction(a);
    }
    QAction* statistics = add("statistics", "统计");
    statistics->setEnabled(true);
    // The statistics button's menu holds the sheets made from the statistics.
    statistics->setMenu(new QMenu(&window_));
    statistics->menu()->addAction(add("cuttingList", "下料单"));
    mainBar_->addAction(statistics);
    qobject_cast<QToolButton*>(mainBar_->widgetForAction(statistics))
        ->setPopupMode(QToolButton::MenuButtonPopup);
    mainBar_->addSeparator();
    mainBar_->addAction(add("undo", "取消"));
    mainBar_->addAction(add("redo", "重做"));
    mainBar_->addSeparator();
    mainBar_->addAction(actions_.value(QStringLiteral("print1")));
    mainBar_->addAction(actions_.value(QStringLiteral("export1")));

    window_.addToolBarBreak();
    wallBar_ = window_.addToolBar(QStringLiteral("墙面"));
    wallBar_->setObjectName(QStringLiteral("wallToolBar"));
    wallBar_->setMovable(false);
    for (const char* name : {"N70", "N72", "N9", "N3", "N71", "N73", "rotateRoom"}) {
        wallBar_->addAction(actions_.value(QString::fromUtf8(name)));
    }
    wallBar_->addSeparator();
    for (const auto& [name, caption] :
         {std::pair{"lockxy", "贴齐辅助线"}, std::pair{"usectrl", "贴齐直线"},
          std::pair{"lockbt", "锁定画布"}}) {
        QAction* a = add(name, caption);
        a->setCheckable(true);
        wallBar_->addAction(a);
    }

    designBar_ = window_.addToolBar(QStringLiteral("设计"));
    designBar_->setObjectName(QStringLiteral("designToolBar"));
    designBar_->setMovable(false);
    for (const char* name :
         {"designTool1", "designTool2", "designTool3", "designTool4", "designTool5", "designTool8",
          "designTool7", "designTool9", "designTool0", "designTool10"}) {
        designBar_->addAction(actions_.value(QString::fromUtf8(name)));
    }
    designBar_->addSeparator();
    // Drop-down buttons: the button itself runs "全部" and "居中".
    QAction* otherFill = add("otherFillButton", "其他填充");
    auto* otherMenu = new QMenu(&window_);
    QAction* all = add("fillButtonAll", "全部");
    all->setData(0);
    otherMenu->addAction(all);
    otherMenu->addActions(menus_.value(QStringLiteral("otherFillMenu"))->actions());
    otherFill->setMenu(otherMenu);
    QAction* align = add("wallAlignButton", "墙面对齐");
    align->setMenu(menus_.value(QStringLiteral("wallAlignMenu")));
    designBar_->addAction(otherFill);
    designBar_->addAction(align);
    designBar_->addAction(actions_.value(QStringLiteral("clearDesign")));
    designBar_->addAction(actions_.value(QStringLiteral("view3d")));
    for (QAction* a : {otherFill, align}) {
        if (auto* button = qobject_cast<QToolButton*>(designBar_->widgetForAction(a))) {
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    designBar_->setVisible(false);
}
