#include "quote/cursor_table.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QBuffer>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QImage pictureOf(const QAction* action) {
    return action->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The tool bars show a picture beside every command's text: the standard commands their
// usual icons, the tools the pointer shape they give the canvas.
TEST(ToolBarIcons, StandardCommandsAndToolsShowPicturesBesideTheirText) {
    StagedProgram staged;
    // Pointer shapes of distinct colours, as PNG data under the cursor files' names.
    int hue = 0;
    for (const CursorFile& file : cursorFiles()) {
        QImage shape(32, 32, QImage::Format_ARGB32);
        shape.fill(QColor::fromHsv(hue, 200, 200));
        hue += 15;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        shape.save(&buffer, "PNG");
        staged.home().write(QString::fromLatin1(file.file), png);
    }
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    MainActions& actions = program.mainWindow()->actions();
    for (QToolBar* bar : {actions.mainToolBar(), actions.wallToolBar(), actions.designToolBar()}) {
        EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon)
            << bar->objectName().toStdString();
    }
    for (const char* name : {"N27", "ToolButton17", "savebt", "print1", "export1", "undo", "redo",
                             "zoomIn", "zoomOut", "zoomStandard"}) {
        EXPECT_FALSE(actions[QString::fromLatin1(name)]->icon().isNull()) << name;
    }

    // Every tool has a picture of its own, and the fill tools' are their pointer shapes.
    QSet<QByteArray> pictures;
    const char* tools[] = {"N70",         "N72",         "N9",          "N3",
                           "designTool1", "designTool2", "designTool3", "designTool4",
                           "designTool5", "designTool8", "designTool7", "designTool9",
                           "designTool0", "designTool10"};
    for (const char* name : tools) {
        const QImage picture = pictureOf(actions[QString::fromLatin1(name)]);
        ASSERT_FALSE(picture.isNull()) << name;
        pictures.insert(
            QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), int(std::size(tools)));
    const QImage rectangle(staged.home().file(QStringLiteral("CURSOR/CUR_design_Fillrect.cur")),
                           "PNG");
    ASSERT_FALSE(rectangle.isNull());
    EXPECT_EQ(pictureOf(actions[QStringLiteral("designTool2")]),
              rectangle.convertToFormat(QImage::Format_ARGB32));
}
