#include "ui/tool_bar_icons.h"

#include "quote/cursor_table.h"
#include "ui/main_actions.h"

#include <QAction>
#include <QIcon>
#include <QStyle>
#include <QToolBar>

namespace {

struct ThemeIcon {
    const char* action;
    const char* theme;
    QStyle::StandardPixmap fallback;
};

constexpr ThemeIcon StandardCommands[] = {
    {"N27", "document-new", QStyle::SP_FileIcon},
    {"ToolButton17", "document-open", QStyle::SP_DialogOpenButton},
    {"savebt", "document-save", QStyle::SP_DialogSaveButton},
    {"print1", "document-print", QStyle::SP_FileDialogContentsView},
    {"export1", "document-export", QStyle::SP_DriveFDIcon},
    {"undo", "edit-undo", QStyle::SP_ArrowBack},
    {"redo", "edit-redo", QStyle::SP_ArrowForward},
    {"zoomIn", "zoom-in", QStyle::SP_ArrowUp},
    {"zoomOut", "zoom-out", QStyle::SP_ArrowDown},
    {"zoomStandard", "zoom-original", QStyle::SP_BrowserReload},
};

// Each tool shows the pointer shape (by slot) it gives the canvas.
constexpr std::pair<const char*, int> ToolShapes[] = {
    {"N70", 2},          {"N72", 5},           {"N9", 4},           {"N3", 6},
    {"designTool1", 26}, {"designTool2", 21},  {"designTool3", 20}, {"designTool4", 22},
    {"designTool5", 23}, {"designTool8", 25},  {"designTool7", 24}, {"designTool9", 28},
    {"designTool0", 29}, {"designTool10", 31},
};

} // namespace

void giveToolBarIcons(MainActions& actions, const CursorTable& cursors, const QStyle& style) {
    for (const ThemeIcon& c : StandardCommands) {
        actions[QString::fromLatin1(c.action)]->setIcon(
            QIcon::fromTheme(QString::fromLatin1(c.theme), style.standardIcon(c.fallback)));
    }
    for (const auto& [action, slot] : ToolShapes) {
        if (cursors.isLoaded(slot)) {
            actions[QString::fromLatin1(action)]->setIcon(QIcon(cursors.cursor(slot).pixmap()));
        }
    }
    for (QToolBar* bar : {actions.mainToolBar(), actions.wallToolBar(), actions.designToolBar()}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
}
