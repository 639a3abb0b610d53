#include "ui/work_progress_window.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QProgressDialog* dialogOf(const QWidget& window) {
    return window.findChild<QProgressDialog*>();
}

} // namespace

TEST(WindowProgress, ShowsOverTheAskingWindowAfterHalfASecondWithCancelOnlyWhereSafe) {
    QWidget window;
    window.show();
    for (const bool cancellable : {true, false}) {
        SCOPED_TRACE(cancellable ? "cancellable" : "not cancellable");
        WindowProgress progress(&window);
        {
            ProgressScope work(progress, QStringLiteral("备份数据库"), 10, cancellable);
            ASSERT_NE(dialogOf(window), nullptr);
            EXPECT_TRUE(work.advance(1));
            EXPECT_FALSE(dialogOf(window)->isVisible()) << "short work shows nothing";
            QTest::qWait(WindowProgress::DelayMilliseconds + 50);
            EXPECT_TRUE(work.advance(2));
            QProgressDialog* dialog = dialogOf(window);
            ASSERT_TRUE(dialog->isVisible());
            EXPECT_EQ(dialog->parentWidget(), &window);
            EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
            EXPECT_EQ(dialog->labelText(), QStringLiteral("备份数据库"));
            EXPECT_EQ(dialog->value(), 2);

            // Work inside the work shows in the same dialog until it ends.
            progress.begin(QStringLiteral("复制客户库"), 300, false);
            EXPECT_TRUE(progress.advance(150));
            EXPECT_EQ(window.findChildren<QProgressDialog*>().size(), 1);
            EXPECT_EQ(dialog->labelText(), QStringLiteral("复制客户库"));
            EXPECT_EQ(dialog->value(), 150);
            progress.end();
            EXPECT_EQ(dialog->labelText(), QStringLiteral("备份数据库"));
            EXPECT_EQ(dialog->value(), 2);
            EXPECT_EQ(dialog->maximum(), 10);

            QPushButton* cancel = dialog->findChild<QPushButton*>();
            if (!cancellable) {
                EXPECT_TRUE(cancel == nullptr || !cancel->isVisible());
                dialog->cancel(); // as Escape would: work that cannot stop goes on
                EXPECT_TRUE(work.advance(3));
                continue;
            }
            ASSERT_NE(cancel, nullptr);
            EXPECT_EQ(cancel->text(), QStringLiteral("取消"));
            EXPECT_TRUE(work.advance(3));
            cancel->click();
            EXPECT_FALSE(work.advance(4)) << "the work is told to stop";
        }
        EXPECT_EQ(dialogOf(window), nullptr) << "the end takes the dialog away";
    }
}
