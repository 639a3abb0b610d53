#include "next_modal.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tsetrectroomfm.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QSpinBox* field(QDialog& dialog, const char* name) {
    return dialog.findChild<QSpinBox*>(QString::fromUtf8(name));
}

QPushButton* okButton(QDialog& dialog) {
    return qobject_cast<QPushButton*>(dialog.findChild<QDialogButtonBox*>()->buttons().value(0));
}

void typeInto(QSpinBox* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
}

} // namespace

TEST(RectangleWalls, ASizeOutsideTheRangeCannotBeConfirmed) {
    TSETRECTROOMFM dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSpinBox* width = field(dialog, "widthEdit");
    ASSERT_TRUE(width && okButton(dialog));
    ASSERT_EQ(okButton(dialog)->text(), QStringLiteral("确定"));
    EXPECT_TRUE(okButton(dialog)->isEnabled());

    typeInto(width, "0");
    EXPECT_FALSE(okButton(dialog)->isEnabled());
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter confirmed a size of 0 cm";
    EXPECT_EQ(width->text(), QStringLiteral("0")) << "the typed size was replaced";

    typeInto(width, "450");
    EXPECT_TRUE(okButton(dialog)->isEnabled());
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values(), QSize(450, 300));
}

// A room opened from the store has its read walls as the first undo state: "取消" is
// disabled right after opening, "矩形墙面" enables it, and "取消" brings the walls back.
TEST(RectangleWalls, TheFirstEditOfAnOpenedRoomIsUndone) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    main.CreatNewRoom(request);
    main.getActiveOBJ()->makeRectangle(360, 270);
    const QList<QPoint> stored = main.getActiveOBJ()->wall.corners();
    main.project().customer.name = QStringLiteral("钱七");
    main.project().fieldChanged();
    main.actions()["savebt"]->trigger();
    main.actions()["N90"]->trigger();
    ASSERT_TRUE(main.rooms().empty()) << qPrintable(prompts.shown.join('\n'));

    onNextModal([](QDialog& browser) {
        auto* table = browser.findChild<QTableView*>(QStringLiteral("customerTable"));
        table->selectRow(0);
        browser.findChild<QAction*>(QStringLiteral("openCustomer"))->trigger();
    });
    main.actions()["ToolButton17"]->trigger();
    ASSERT_EQ(main.rooms().size(), 1u);
    main.pageControl()->setCurrentIndex(1);
    TRoom_OBJ* room = main.getActiveOBJ();
    ASSERT_EQ(room, main.rooms()[0].room.get());
    ASSERT_EQ(room->wall.corners(), stored);
    QAction* undo = main.actions()["undo"];
    EXPECT_FALSE(undo->isEnabled()) << "nothing to undo right after opening";

    onNextModal([](QDialog& rectangle) {
        field(rectangle, "widthEdit")->setValue(500);
        field(rectangle, "heightEdit")->setValue(400);
        okButton(rectangle)->click();
    });
    main.actions()["N71"]->trigger();
    ASSERT_NE(room->wall.corners(), stored);
    EXPECT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_EQ(room->wall.corners(), stored);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(main.actions()["redo"]->isEnabled());
}
