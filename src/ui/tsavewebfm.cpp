#include "ui/tsavewebfm.h"

#include "quote/export_folder.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

Tsavewebfm::Tsavewebfm(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("导出网页格式"));
    setModal(true);
    resize(640, 440);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QString());
    contents_ = new QFileSystemModel(this);
    contents_->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);

    auto* splitter = new QSplitter(this);
    tree_ = new QTreeView(splitter);
    tree_->setObjectName(QStringLiteral("folderTree"));
    tree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        tree_->hideColumn(column);
    }
    tree_->header()->hide();
    list_ = new QListView(splitter);
    list_->setObjectName(QStringLiteral("folderContents"));
    list_->setModel(contents_);
    splitter->setStretchFactor(1, 1);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("folderName"));
    path_ = new QLabel(this);
    path_->setObjectName(QStringLiteral("savePath"));
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("文件夹名：")), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("保存路径：")), 1, 0);
    fields->addWidget(path_, 1, 1);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        list_->setRootIndex(contents_->setRootPath(selectedFolder()));
        refreshPath();
    });
    connect(name_, &QLineEdit::textChanged, this, [this] { refreshPath(); });
    // While the folders are read after opening, rows come in above the start folder; the
    // tree has taken them in when the queued call runs.
    const auto follow = [this] { followStartFolder(); };
    connect(folders_, &QFileSystemModel::rowsInserted, this, follow, Qt::QueuedConnection);
    connect(folders_, &QFileSystemModel::layoutChanged, this, follow, Qt::QueuedConnection);
    connect(folders_, &QFileSystemModel::directoryLoaded, this, follow, Qt::QueuedConnection);
    connect(ok, &QPushButton::clicked, this, [this] { okClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString Tsavewebfm::choose(const QString& start, const QString& proposal) {
    QDir().mkpath(start);
    // A program folder kept among the user's data (".local/share/...") lies below a hidden
    // folder, which the tree must show to reach it.
    const bool belowHidden = QDir::cleanPath(start).contains(QStringLiteral("/."));
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot |
                        (belowHidden ? QDir::Hidden : QDir::Filters()));
    selectFolder(start);
    name_->setText(proposal);
    chosen_.clear();
    // The tree lays itself out only once shown, and reads its folders bit by bit: the
    // start folder is brought into view again then, so the dialog does not open at "/".
    opened_.start();
    QTimer::singleShot(0, this, [this] { showCurrentFolder(); });
    return exec() == QDialog::Accepted ? chosen_ : QString();
}

void Tsavewebfm::followStartFolder() {
    constexpr qint64 SettlingMilliseconds = 3000;
    if (opened_.isValid() && opened_.elapsed() < SettlingMilliseconds) {
        showCurrentFolder();
    }
}

void Tsavewebfm::showCurrentFolder() {
    tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

QString Tsavewebfm::selectedFolder() const {
    return folders_->filePath(tree_->currentIndex());
}

void Tsavewebfm::selectFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    tree_->expand(index);
}

void Tsavewebfm::refreshPath() {
    path_->setText(
        QDir::toNativeSeparators(QDir(selectedFolder()).filePath(name_->text().trimmed())));
}

void Tsavewebfm::okClick() {
    if (const std::optional<QString> folder =
            export_folder::accept(selectedFolder(), name_->text(), prompts_)) {
        chosen_ = *folder;
        accept();
    }
}
