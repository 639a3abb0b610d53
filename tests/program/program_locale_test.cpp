#include "support/temp_folder.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIcon>
#include <QLocale>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

// Qt's own file dialogs show what the file system model gives them: under the program's
// application object its type names, sizes and dates are Chinese, and its tool buttons
// and entries have theme icons.
TEST(ProgramLocale, FileDialogEntriesAreChineseWithIcons) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);
    EXPECT_EQ(QLocale::system().language(), QLocale::Chinese);

    TempFolder folder;
    folder.write("设计/a.txt", "12345");
    folder.write("b.txt", "1234567");
    QFileSystemModel model;
    const QModelIndex root = model.setRootPath(folder.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount(root) == 2; }, 10000));
    const QModelIndex dir = model.index(folder.file("设计"));
    const QModelIndex file = model.index(folder.file("b.txt"));
    EXPECT_EQ(dir.siblingAtColumn(2).data().toString(), "文件夹");
    EXPECT_EQ(file.siblingAtColumn(1).data().toString(), chinese.formattedDataSize(7));
    EXPECT_EQ(
        file.siblingAtColumn(3).data().toString(),
        chinese.toString(QFileInfo(folder.file("b.txt")).lastModified(), QLocale::ShortFormat));

    EXPECT_FALSE(QIcon::fromTheme("folder").isNull());
    QStyle* style = QApplication::style();
    EXPECT_EQ(style->standardIcon(QStyle::SP_DirIcon).name(), "folder");
    EXPECT_EQ(style->standardIcon(QStyle::SP_FileDialogToParent).name(), "go-up");
    EXPECT_EQ(style->standardIcon(QStyle::SP_FileDialogNewFolder).name(), "folder-new");
}
