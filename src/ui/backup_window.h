#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class DatabaseMaintenance;
class Prompts;
class QLineEdit;
class SetupFile;

// The backup window "备份数据库": "备份数据到：" with the folder, a browse button, "备份"
// and "取消". A backup that copied both databases is remembered as `backup` in
// "setup.ini", which the exit reminder reads.
class BackupWindow : public QDialog {
public:
    struct Links {
        DatabaseMaintenance& maintenance;
        SetupFile& setup;
        Prompts& prompts;
        QString programFolder;
        std::function<QDate()> today;
    };

    explicit BackupWindow(Links links, QWidget* parent = nullptr);

    // Shows the window modally with today's folder in the program folder.
    void run();

    QLineEdit* folderField() const { return folder_; }
    // The browse button: "备份文件/<date>/" inside a chosen folder.
    void browseClick();
    // "备份": backs up into the typed folder and closes the window.
    void backupClick();

private:
    void showFolder(const QString& folder);

    Links links_;
    QLineEdit* folder_;
};
