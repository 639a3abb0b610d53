#include "ui/backup_window.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/setup_file.h"
#include "store/database_maintenance.h"
#include "ui/work_progress_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

BackupWindow::BackupWindow(Links links, QWidget* parent)
    : QDialog(parent), links_(std::move(links)) {
    setObjectName(QStringLiteral("backupfm"));
    setWindowTitle(QStringLiteral("备份数据库"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("备份数据到："), this));
    auto* row = new QHBoxLayout;
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("folderField"));
    folder_->setMinimumWidth(360);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    row->addWidget(folder_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    auto* backup = new QPushButton(QStringLiteral("备份"), this);
    backup->setObjectName(QStringLiteral("backupButton"));
    backup->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addStretch();
    buttons->addWidget(backup);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(browse, &QPushButton::clicked, this, [this] { browseClick(); });
    connect(backup, &QPushButton::clicked, this, [this] { backupClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (!links_.today) {
        links_.today = [] { return QDate::currentDate(); };
    }
}

void BackupWindow::run() {
    showFolder(backup_folder::standard(links_.programFolder, links_.today()));
    exec();
}

void BackupWindow::showFolder(const QString& folder) {
    folder_->setText(QDir::toNativeSeparators(folder));
}

void BackupWindow::browseClick() {
    const QString chosen =
        links_.prompts.chooseFolder(QStringLiteral("选择文件夹"), links_.programFolder);
    if (!chosen.isEmpty()) {
        showFolder(backup_folder::inChosen(chosen, links_.today()));
    }
}

void BackupWindow::backupClick() {
    const QString folder = backup_folder::fromText(folder_->text(), links_.programFolder);
    try {
        WindowProgress progress(this);
        if (links_.maintenance.backup(folder, progress)) {
            links_.setup.write(setup::backup, links_.today());
        }
    } catch (const DatabaseError& e) {
        links_.prompts.message(QString::fromUtf8(e.what()));
    }
    accept();
}
