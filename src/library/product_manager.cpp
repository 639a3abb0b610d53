#include "library/product_manager.h"

#include "platform/prompts.h"

#include <limits>

ProductManager::ProductManager(Database& library, ProfileFile& setup, Prompts& prompts,
                               QString programFolder, ManagerScope scope)
    : reader_(library), library_(library), ids_(setup), prompts_(prompts),
      folder_(std::move(programFolder)), scope_(scope) {
    emptyGrid();
}

std::vector<ManagerNode> ProductManager::categoriesOf(int first, int lastExclusive) const {
    std::vector<ManagerNode> nodes;
    for (const CategoryRow& c : library_.categoriesInRange(first, lastExclusive)) {
        ManagerNode node{1, c.id, c.name, c.status, {}};
        for (const SubCategoryRow& s : library_.subCategoriesById(c.id)) {
            node.children.push_back({2, s.id, s.name, s.status, {}});
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

std::vector<ManagerNode> ProductManager::buildTree() const {
    const bool generalEdition = scope_.compid == GeneralCompany;
    const auto own = [&](const QString& caption) {
        ManagerNode root{0, 1, caption, StatusNormal, {}};
        root.children = generalEdition
                            ? categoriesOf(GeneralRangeFirst, CustomRangeFirst)
                            : categoriesOf(std::numeric_limits<int>::min(), GeneralRangeFirst);
        return root;
    };
    const auto custom = [&] {
        return ManagerNode{0, CustomRangeFirst, QStringLiteral("自定义产品"), StatusNormal,
                           categoriesOf(CustomRangeFirst, 0)};
    };
    std::vector<ManagerNode> roots;
    if (scope_.compstyle == 3) {
        roots.push_back(own(QStringLiteral("原产品")));
        roots.push_back({0, 0, QStringLiteral("通用版产品"), StatusNormal,
                         categoriesOf(GeneralRangeFirst, CustomRangeFirst)});
        roots.push_back(custom());
    } else {
        roots.push_back(own(QStringLiteral("产品分类")));
        if (generalEdition) {
            roots.push_back(custom());
        }
    }
    return roots;
}

QString ProductManager::kindLabel(int kind) {
    static const char* const labels[] = {"方扣板", "条扣板", "电器", "悬浮", "其他", "标记"};
    return kind < KindSquarePanel || kind > KindMark ? QString() : QString::fromUtf8(labels[kind]);
}

QString ProductManager::addCaption(int level) {
    switch (level) {
    case 0:
        return QStringLiteral("添加大类");
    case 1:
        return QStringLiteral("添加小类");
    default:
        return QStringLiteral("添加产品");
    }
}

void ProductManager::setStatus(ManagerNode& node, int status) {
    if (!statusEntries(node)) {
        return;
    }
    if (node.level == 1) {
        library_.setCategoryStatus(node.number, status);
    } else {
        library_.setSubCategoryStatus(node.number, status);
    }
    node.status = status;
    for (ManagerNode& child : node.children) {
        child.status = status;
    }
}

std::optional<ManagerNode> ProductManager::addNode(const ManagerNode& parent) {
    if (!parent.custom() || parent.level > 1) {
        return std::nullopt;
    }
    const bool category = parent.level == 0;
    const std::optional<QString> answer =
        prompts_.inputText(category ? QStringLiteral("新建大类:") : QStringLiteral("新建小类:"),
                           QStringLiteral("类别名"), QStringLiteral(" "));
    if (!answer || answer->trimmed().isEmpty()) {
        return std::nullopt;
    }
    ManagerNode node{parent.level + 1, 0, *answer, StatusNormal, {}};
    if (category) {
        node.number = ids_.take(CustomIds::Category, library_.highestId(QStringLiteral("cailiao")));
        library_.storeCategory(node.number, node.text);
    } else {
        node.number =
            ids_.take(CustomIds::SubCategory, library_.highestId(QStringLiteral("xinghao")));
        library_.storeSubCategory(node.number, node.text, parent.number);
    }
    return node;
}

bool ProductManager::renameNode(ManagerNode& node, int parentNumber) {
    if (!node.custom() || node.level == 0) {
        return false;
    }
    const std::optional<QString> answer =
        prompts_.inputText(node.level == 1 ? QStringLiteral("大类:") : QStringLiteral("小类:"),
                           QStringLiteral("类别名"), node.text);
    if (!answer || answer->trimmed().isEmpty()) {
        return false;
    }
    node.text = *answer;
    if (node.level == 1) {
        library_.storeCategory(node.number, node.text);
    } else {
        library_.storeSubCategory(node.number, node.text, parentNumber);
    }
    return true;
}

bool ProductManager::deleteNode(const ManagerNode& node) {
    if (!node.custom() || node.level == 0 ||
        !prompts_.confirm(QStringLiteral("删除当前类别以及相关产品？"))) {
        return false;
    }
    if (node.level == 1) {
        library_.deleteCategory(node.number);
    } else {
        library_.deleteSubCategory(node.number);
    }
    emptyGrid();
    return true;
}
