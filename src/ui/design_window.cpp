// The design workspace of the main window: the mode switch, the design tool buttons and
// menu entries, the fill, alignment, zoom, undo and export commands, the statistics list
// with the room options, the picker column, the key filter and the workspace refresh.

#include "design/design_workspace.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "scene/room_model_export.h"
#include "ui/design_statistics_panel.h"
#include "ui/key_filter.h"
#include "ui/main_actions.h"
#include "ui/product_picker_panel.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The "设计" menu's tool entries by tag.
QString toolAction(int tag) {
    return QStringLiteral("designTool%1").arg(tag);
}
constexpr int toolTags[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10};

void applyOption(QCheckBox* box, const workspace::OptionState& state) {
    const QSignalBlocker quiet(box);
    box->setEnabled(state.enabled);
    box->setChecked(state.checked);
}

} // namespace

// The picker column on the left, the room tabs beside it.
QWidget* Tmainfm::buildProjectArea() {
    projectArea_ = new QWidget(this);
    projectArea_->setObjectName(QStringLiteral("projectArea"));
    auto* layout = new QHBoxLayout(projectArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The picker fills its lists once the library is open (FormCreate).
    picker_ = new ProductPickerPanel(session_.library(), &prompts_, projectArea_);
    layout->addWidget(picker_);
    statisticsPanel_ = new DesignStatisticsPanel(projectArea_);
    statisticsPanel_->setFixedHeight(150);
    statisticsPanel_->hide();
    return projectArea_;
}

// The canvas fills the room page less 10 pixels on each side; the statistics list with
// the options stands under it.
void Tmainfm::showRoomInPage() {
    QLayout* layout = pages_->currentWidget()->layout();
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        box->addWidget(canvas_, 1);
        box->addWidget(statisticsPanel_, 0);
    }
    canvas_->show();
    statisticsPanel_->show();
}

void Tmainfm::onActiveRoom(const char* action, std::function<void(TRoom_OBJ&)> command) {
    QAction* a = (*actions_)[QString::fromUtf8(action)];
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, command = std::move(command)] {
        if (active_) {
            command(*active_);
            refreshWorkspace();
        }
    });
}

void Tmainfm::wireDesignCommands() {
    // "房间" and "设计".
    onActiveRoom("modeRoom", [this](TRoom_OBJ& room) {
        workspace::switchToWalls(room, (*actions_)[QStringLiteral("N70")]->isChecked());
    });
    onActiveRoom("modeDesign",
                 [this](TRoom_OBJ& room) { workspace::switchToDesign(room, pickerSelection()); });

    // The tool buttons and their radio entries share one action each.
    for (int tag : toolTags) {
        QAction* a = (*actions_)[toolAction(tag)];
        onActiveRoom(qPrintable(toolAction(tag)), [this, a, tag](TRoom_OBJ& room) {
            a->setChecked(true);
            workspace::chooseTool(room, tag, pickerSelection());
        });
    }

    // Zoom and view.
    onActiveRoom("zoomStandard", [](TRoom_OBJ& room) {
        room.zoom = 12;
        room.zoomOut();
    });
    onActiveRoom("undo", [](TRoom_OBJ& room) { room.undo(); });
    onActiveRoom("redo", [](TRoom_OBJ& room) { room.redo(); });
    onActiveRoom("rotateRoom", [](TRoom_OBJ& room) { room.rotateRoom(); });
    onActiveRoom("exportPicture",
                 [this](TRoom_OBJ& room) { room.exportDesignImage(project_->customer.name); });
    onActiveRoom("exportGltf", [this](TRoom_OBJ& room) {
        if (room.prompts) {
            exportRoomModel(room, project_->ceilingHeight(project_->indexOf(&room)),
                            project_->customer.name, *room.prompts);
        }
    });

    // Whole and pattern fills with the picker's orientation; the drop-down button itself
    // runs "全部".
    const auto fill = [this](int pattern) {
        return [this, pattern](TRoom_OBJ& room) {
            room.wholeAndPatternFill(pattern, pickerSelection().orientation);
        };
    };
    onActiveRoom("fillAll", fill(0));
    onActiveRoom("fillButtonAll", fill(0));
    onActiveRoom("otherFillButton", fill(0));
    for (int pattern = 1; pattern <= 6; ++pattern) {
        onActiveRoom(qPrintable(QStringLiteral("fillPattern%1").arg(pattern)), fill(pattern));
    }
    onActiveRoom("clearDesign", [](TRoom_OBJ& room) { room.clearDesign(); });

    // "墙面对齐": seven alignments; the drop-down button itself runs "居中".
    for (int tag = 1; tag <= 7; ++tag) {
        onActiveRoom(qPrintable(QStringLiteral("align%1").arg(tag)),
                     [tag](TRoom_OBJ& room) { room.roomToGridAlignment(tag, true); });
    }
    onActiveRoom("wallAlignButton", [](TRoom_OBJ& room) { room.roomToGridAlignment(5, true); });

    // "手动调整" and "锁定画布" of the "墙面对齐" menu.
    onActiveRoom("manualAdjust",
                 [this](TRoom_OBJ& room) { workspace::chooseTool(room, 0, pickerSelection()); });
    onActiveRoom("lockCanvasAlign", [this](TRoom_OBJ& room) {
        workspace::chooseTool(room, 1, pickerSelection());
        room.lockCanvas = true;
        room.paint();
    });
}

void Tmainfm::wireDesignOptions() {
    DesignStatisticsPanel* panel = statisticsPanel_;
    const auto option = [this](QCheckBox* box, std::function<void(TRoom_OBJ&, bool)> apply) {
        connect(box, &QCheckBox::clicked, this, [this, apply = std::move(apply)](bool checked) {
            if (active_) {
                apply(*active_, checked);
                refreshWorkspace();
            }
        });
    };
    option(panel->snapGuides(), [](TRoom_OBJ& room, bool on) {
        room.snapRulerX = on;
        room.snapRulerY = on;
    });
    option(panel->lockCanvas(), [](TRoom_OBJ& room, bool on) {
        room.lockCanvas = on;
        room.paint();
    });
    option(panel->showSelected(), [](TRoom_OBJ& room, bool on) {
        room.showSelectedProduct = on;
        room.paint();
    });
    option(panel->stripFree(), [](TRoom_OBJ& room, bool on) { room.stripFreeMode = on; });
}

void Tmainfm::installKeyFilter() {
    KeyFilter::Hooks hooks;
    hooks.inMainWindow = [this](const QWidget* target) { return target->window() == this; };
    hooks.roomActive = [this] { return active_ != nullptr; };
    hooks.overCanvas = [this] { return KeyFilter::pointerOver(canvas_); };
    hooks.surroundingsMoved = [this] { refreshWorkspace(); };
    // The tools write their hint and state as the pointer moves; the rest of the refresh
    // waits for the room's notification.
    canvas_->setMoveNotifier([this] {
        if (active_ && !project_->loading()) {
            panels_[5]->setText(workspace::toolStatusText(*active_));
            panels_[7]->setText(active_->hintText);
        }
    });
    hooks.run = [this](workspace::InputAction action, int wheelDelta) {
        if (!active_) {
            return;
        }
        switch (action) {
        case workspace::InputAction::DeleteAtPointer:
            workspace::deleteAtPointer(*active_);
            break;
        case workspace::InputAction::Undo:
            active_->undo();
            break;
        case workspace::InputAction::Redo:
            active_->redo();
            break;
        case workspace::InputAction::Zoom:
            active_->wheelTurned(wheelDelta);
            break;
        case workspace::InputAction::None:
            return;
        }
        refreshWorkspace();
    };
    keyFilter_ = new KeyFilter(std::move(hooks), this);
    qApp->installEventFilter(keyFilter_);
}

CurrentProduct& Tmainfm::pickerSelection() {
    return picker_->picker().selection();
}

void Tmainfm::wirePicker() {
    ProductPickerPanel& picker = *picker_;
    picker.activeRoom = [this] { return active_; };
    picker.selectionForgotten = [this] {
        if (active_) {
            active_->currentProduct.id = -1;
        }
        refreshWorkspace();
        for (int i = 1; i <= 5; ++i) {
            panels_[i]->clear();
        }
    };
    // The active room has taken the choice already; a view, move or delete tool gives way
    // to free fill.
    picker.rowChosen = [this](const PickerStatusTexts& texts, bool replaceTool) {
        panels_[1]->setText(texts.title);
        panels_[2]->setText(texts.size);
        panels_[3]->setText(texts.price);
        if (!texts.status.isEmpty()) {
            panels_[4]->setText(texts.status);
        }
        if (active_ && replaceTool) {
            (*actions_)[toolAction(1)]->setChecked(true);
            workspace::chooseTool(*active_, 1, pickerSelection());
        }
        refreshWorkspace();
    };
    picker.fillPatternChosen = [this](int pattern, int orientation) {
        if (active_) {
            active_->wholeAndPatternFill(pattern, orientation);
            refreshWorkspace();
        }
    };
    picker.orientationChosen = [this](int) { refreshWorkspace(); };
    picker.popupOpening = [this] { refreshWorkspace(); };
}

void Tmainfm::refreshWorkspace() {
    workspace::RefreshInput input;
    input.loading = project_->loading();
    input.projectEdited = project_->edited();
    input.pickerHasSelection = pickerSelection().id >= 0;
    ProductPicker& picker = picker_->picker();
    const std::optional<workspace::WorkspaceState> refreshed = workspace::refresh(active_, input);
    if (!refreshed) {
        return;
    }
    follow3DView();
    const workspace::WorkspaceState& state = *refreshed;
    MainActions& actions = *actions_;
    // The picker popup's "填充" entries and its product entries.
    picker.setFillEnabled(-1, state.wholeFill);
    picker.setFillEnabled(0, state.wholeFill);
    for (int pattern = 1; pattern <= 6; ++pattern) {
        picker.setFillEnabled(pattern, state.patterns[pattern]);
    }
    picker.setProductEntriesEnabled(state.pickerEntries);
    panels_[5]->setText(state.toolText);
    panels_[6]->setText(state.zoomText);
    panels_[7]->setText(state.wallNote);
    statisticsPanel_->areaLabel()->setText(state.areaText);
    if (state.projectEdited != project_->edited()) {
        project_->setRoomProjectedited(state.projectEdited);
    }

    // The whole and pattern fills in the menu and on the drop-down button.
    for (const char* name : {"fillAll", "fillButtonAll", "otherFillButton"}) {
        actions[QString::fromUtf8(name)]->setEnabled(state.wholeFill);
    }
    actions.menu(QStringLiteral("otherFillMenu"))->setEnabled(state.wholeFill);
    for (int pattern = 1; pattern <= 6; ++pattern) {
        actions[QStringLiteral("fillPattern%1").arg(pattern)]->setEnabled(state.patterns[pattern]);
    }

    for (const char* name : {"modeRoom", "modeDesign"}) {
        actions[QString::fromUtf8(name)]->setEnabled(state.roomActive);
    }
    if (!state.roomActive) {
        actions[QStringLiteral("undo")]->setEnabled(false);
        actions[QStringLiteral("redo")]->setEnabled(false);
        return;
    }
    actions[state.designMode ? QStringLiteral("modeDesign") : QStringLiteral("modeRoom")]
        ->setChecked(true);
    actions.wallToolBar()->setVisible(!state.designMode);
    actions.designToolBar()->setVisible(state.designMode);
    if (state.pressedTag) {
        actions[toolAction(*state.pressedTag)]->setChecked(true);
    }
    showWallButtons();
    for (const char* name : {"N73", "clearDesign"}) {
        actions[QString::fromUtf8(name)]->setToolTip(state.clearHint);
    }

    applyOption(statisticsPanel_->stripFree(), state.stripFreeMode);
    applyOption(statisticsPanel_->showSelected(), state.showSelected);
    applyOption(statisticsPanel_->snapGuides(), state.snapGuides);
    applyOption(statisticsPanel_->lockCanvas(), state.lockCanvas);
    actions[QStringLiteral("lockxy")]->setChecked(state.snapGuides.checked);
    actions[QStringLiteral("lockbt")]->setChecked(state.lockCanvas.checked);
    actions[QStringLiteral("usectrl")]->setChecked(state.snapStraight.checked);

    actions[QStringLiteral("undo")]->setEnabled(state.canUndo);
    actions[QStringLiteral("redo")]->setEnabled(state.canRedo);
}
