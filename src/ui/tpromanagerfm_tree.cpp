#include "ui/tpromanagerfm.h"

#include "design/product_picker.h"
#include "platform/pinyin_order.h"

#include <QAction>
#include <QCollator>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int NumberRole = Qt::UserRole;
constexpr int StatusRole = Qt::UserRole + 1;

// Green for normal, grey for discontinued, orange for out of stock.
QIcon statusIcon(int status) {
    static const QColor colours[] = {{40, 160, 60}, {150, 150, 150}, {230, 140, 20}};
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours[std::clamp(status, 0, 2)]);
    painter.drawEllipse(1, 1, 10, 10);
    return QIcon(pixmap);
}

int levelOf(const QTreeWidgetItem* item) {
    int level = 0;
    for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent()) {
        ++level;
    }
    return level;
}

} // namespace

void Tpromanagerfm::buildTree() {
    tree_->clear();
    for (const ManagerNode& root : manager_->buildTree()) {
        addItem(nullptr, root)->setExpanded(true);
    }
    showPanels(nullptr);
}

QTreeWidgetItem* Tpromanagerfm::addItem(QTreeWidgetItem* parent, const ManagerNode& node) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, node.text);
    item->setData(0, NumberRole, node.number);
    item->setData(0, StatusRole, node.status);
    item->setIcon(0, statusIcon(node.status));
    // Categories and sub-categories show in pinyin order of their names.
    std::vector<const ManagerNode*> children;
    for (const ManagerNode& child : node.children) {
        children.push_back(&child);
    }
    const QCollator collator = pinyinCollator();
    std::stable_sort(children.begin(), children.end(),
                     [&](const ManagerNode* a, const ManagerNode* b) {
                         return collator.compare(a->text, b->text) < 0;
                     });
    for (const ManagerNode* child : children) {
        addItem(item, *child);
    }
    return item;
}

ManagerNode Tpromanagerfm::nodeOf(const QTreeWidgetItem* item) {
    return {levelOf(item),
            item->data(0, NumberRole).toInt(),
            item->text(0),
            item->data(0, StatusRole).toInt(),
            {}};
}

void Tpromanagerfm::showStatus(QTreeWidgetItem* item, int status) {
    item->setData(0, StatusRole, status);
    item->setIcon(0, statusIcon(status));
    for (int i = 0; i < item->childCount(); ++i) {
        showStatus(item->child(i), status);
    }
}

void Tpromanagerfm::showPanels(const QTreeWidgetItem* item) {
    const int level = item ? levelOf(item) : -1;
    for (int i = StatusPanels - 1; i > level; --i) {
        panels_[i]->clear();
    }
    for (const QTreeWidgetItem* p = item; p; p = p->parent()) {
        panels_[levelOf(p)]->setText(p->text(0));
    }
}

void Tpromanagerfm::nodeClicked(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    tree_->setCurrentItem(item);
    showPanels(item);
    const ManagerNode node = nodeOf(item);
    if (node.level == 2 && manager_->openSubCategory(node.number)) {
        showGrid();
    }
}

std::unique_ptr<QMenu> Tpromanagerfm::treeMenu(QTreeWidgetItem* item) {
    if (!item) {
        return nullptr;
    }
    const ManagerNode node = nodeOf(item);
    // The right mouse press has already made the node current; a sub-category whose
    // products are not shown is opened as a click would, so that "添加产品" adds to it.
    if (item != tree_->currentItem() ||
        (node.level == 2 && manager_->shownSubCategory() != node.number)) {
        nodeClicked(item);
    }
    auto menu = std::make_unique<QMenu>();
    QMenu* status = menu->addMenu(QStringLiteral("设置产品状态"));
    status->menuAction()->setEnabled(ProductManager::acceptsStatus(node));
    if (ProductManager::statusEntries(node)) {
        for (int s : {StatusNormal, StatusDiscontinued, StatusOutOfStock}) {
            QAction* entry =
                status->addAction(ProductPicker::statusLabel(s), this, [this, item, s] {
                    ManagerNode target = nodeOf(item);
                    manager_->setStatus(target, s);
                    showStatus(item, s);
                });
            entry->setCheckable(true);
            entry->setChecked(node.status == s);
        }
    }
    QMenu* custom = menu->addMenu(QStringLiteral("自定义"));
    custom->menuAction()->setEnabled(node.custom());
    custom->addAction(ProductManager::addCaption(node.level), this,
                      [this, item] { addClick(item); });
    QAction* rename =
        custom->addAction(QStringLiteral("编辑"), this, [this, item] { renameClick(item); });
    QAction* remove =
        custom->addAction(QStringLiteral("删除"), this, [this, item] { deleteClick(item); });
    rename->setEnabled(node.level > 0);
    remove->setEnabled(node.level > 0);
    return menu;
}

void Tpromanagerfm::addClick(QTreeWidgetItem* item) {
    const ManagerNode node = nodeOf(item);
    if (node.level == 2) {
        if (manager_->shownSubCategory() == node.number && manager_->addProduct()) {
            showGrid();
        }
        return;
    }
    if (const std::optional<ManagerNode> child = manager_->addNode(node)) {
        addItem(item, *child);
        item->setExpanded(true);
    }
}

void Tpromanagerfm::renameClick(QTreeWidgetItem* item) {
    ManagerNode node = nodeOf(item);
    const int parentNumber = item->parent() ? nodeOf(item->parent()).number : 0;
    if (manager_->renameNode(node, parentNumber)) {
        item->setText(0, node.text);
        showPanels(item);
    }
}

void Tpromanagerfm::deleteClick(QTreeWidgetItem* item) {
    if (manager_->deleteNode(nodeOf(item))) {
        delete item;
        showPanels(tree_->currentItem());
        showGrid();
    }
}
