#pragma once

#include <QDialog>
#include <QElapsedTimer>

class Prompts;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QTreeView;

// The export dialog "导出网页格式": a folder tree, the chosen folder's contents, the name
// of the folder to export into ("文件夹名：") and the full path ("保存路径：").
class Tsavewebfm : public QDialog {
public:
    Tsavewebfm(Prompts& prompts, QWidget* parent = nullptr);

    // Opens at `start` with `proposal` as the name; the accepted folder (created when it
    // was new), or empty when the user cancelled.
    QString choose(const QString& start, const QString& proposal);

    // The folder selected in the tree.
    QString selectedFolder() const;
    void selectFolder(const QString& folder);
    QLineEdit* nameField() const { return name_; }
    QLabel* pathLabel() const { return path_; }
    // "确定": stays open when the folder exists and may not be overwritten, or cannot be
    // created.
    void okClick();

private:
    void refreshPath();
    // Scrolls the selected folder into the middle of the tree.
    void showCurrentFolder();
    // The same while the tree is still filling after opening; later the user moves it.
    void followStartFolder();

    Prompts& prompts_;
    QFileSystemModel* folders_;
    QFileSystemModel* contents_;
    QTreeView* tree_;
    QListView* list_;
    QLineEdit* name_;
    QLabel* path_;
    QString chosen_;
    QElapsedTimer opened_;
};
