#include "ui/tsetupfm2.h"

#include "platform/database.h"
#include "platform/prompts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

Tsetupfm2::Tsetupfm2(CustomerStore& store, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts), areas_{{store, prompts, NameList::Areas}}, handlers_{
                                                                        {store, prompts,
                                                                         NameList::Handlers}} {
    setObjectName(QStringLiteral("setupfm2"));
    setWindowTitle(QStringLiteral("数据设置"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildPage(areas_, "area"), QStringLiteral("小区管理"));
    tabs_->addTab(buildPage(handlers_, "worker"), QStringLiteral("经办人管理"));
    layout->addWidget(tabs_);
    auto* close = new QPushButton(QStringLiteral("确定"), this);
    close->setObjectName(QStringLiteral("okButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* Tsetupfm2::buildPage(Page& page, const char* name) {
    auto* widget = new QWidget(this);
    auto* layout = new QHBoxLayout(widget);
    page.list = new QListWidget(widget);
    page.list->setObjectName(QString::fromLatin1(name) + QStringLiteral("List"));
    page.list->setMinimumSize(220, 240);
    layout->addWidget(page.list);
    auto* buttons = new QVBoxLayout;
    const auto button = [&](const char* caption, const char* suffix) {
        auto* b = new QPushButton(QString::fromUtf8(caption), widget);
        b->setObjectName(QString::fromLatin1(name) + QString::fromLatin1(suffix));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* add = button("添加", "Add");
    page.rename = button("修改", "Rename");
    page.remove = button("删除", "Delete");
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this, &page] { run(page, Command::Add); });
    const auto rename = [this, &page] { run(page, Command::Rename); };
    connect(page.rename, &QPushButton::clicked, this, rename);
    connect(page.list, &QListWidget::itemDoubleClicked, this, rename);
    connect(page.remove, &QPushButton::clicked, this,
            [this, &page] { run(page, Command::Delete); });
    connect(page.list, &QListWidget::currentRowChanged, this, [&page] { enableCommands(page); });
    return widget;
}

void Tsetupfm2::showOn(int tab) {
    for (Page* page : {&areas_, &handlers_}) {
        try {
            page->editor.load();
        } catch (const DatabaseError& e) {
            prompts_.message(QString::fromUtf8(e.what()));
        }
        fill(*page, -1);
    }
    tabs_->setCurrentIndex(tab);
    exec();
}

void Tsetupfm2::run(Page& page, Command command) {
    const int row = page.list->currentRow();
    try {
        bool changed = false;
        switch (command) {
        case Command::Add:
            changed = page.editor.add();
            break;
        case Command::Rename:
            changed = page.editor.rename(row);
            break;
        case Command::Delete:
            changed = page.editor.remove(row);
            break;
        }
        if (changed) {
            fill(page, command == Command::Delete ? -1 : row);
        }
    } catch (const DatabaseError& e) {
        prompts_.message(QString::fromUtf8(e.what()));
    }
}

void Tsetupfm2::fill(Page& page, int row) {
    page.list->clear();
    for (const NamedEntry& entry : page.editor.entries()) {
        page.list->addItem(entry.name);
    }
    page.list->setCurrentRow(row);
    enableCommands(page);
}

void Tsetupfm2::enableCommands(Page& page) {
    const bool selected = page.list->currentRow() >= 0;
    page.rename->setEnabled(selected);
    page.remove->setEnabled(selected);
}
