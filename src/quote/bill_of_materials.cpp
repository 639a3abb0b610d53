#include "quote/bill_of_materials.h"

#include "core/ppdu_id.h"
#include "core/rounding.h"
#include "design/room_statistics.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/decimal_text.h"
#include "platform/prompts.h"
#include "quote/open_project.h"
#include "quote/project_view.h"

#include <algorithm>
#include <cmath>

namespace {

BillRow heading(const QString& caption) {
    return {caption, {}, -1, 0};
}

BillRow accessory(const QString& caption, qint32 tag, const QString& quantity, const QString& price,
                  const QString& amount) {
    return {caption, {QString(), quantity, QString(), QString(), price, amount}, tag, 1};
}

} // namespace

BillOfMaterials::BillOfMaterials(OpenProject& project, Database& library, Prompts& prompts,
                                 ProjectView& view)
    : project_(project), library_(library), prompts_(prompts), view_(view) {
    project_.setBill(this);
}

BillOfMaterials::~BillOfMaterials() {
    project_.setBill(nullptr);
}

void BillOfMaterials::total() {
    clearpronumber();
    area_ = 0;
    shoubian_ = 0;
    CustomerRecord& customer = project_.customer;
    for (const RoomEntry& entry : project_.room_list) {
        TRoom_OBJ& room = *entry.room;
        if (room.not_Cacl) {
            continue;
        }
        room.minimumCoverage = std::max(customer.ming, 5);
        for (const std::unique_ptr<Ppdu_id>& line : room.billLines) {
            addPRicetoLIST(*line);
        }
        area_ += room.roomArea();
        shoubian_ += room.perimeter();
    }
    customer.shoubian = qint32(shoubian_);
    readfromPricelist();
    if (!customer.locked) {
        setAmountFromTotal();
    }
}

void BillOfMaterials::clearTable() {
    table_.clear();
    area_ = 0;
    shoubian_ = 0;
    grandtotal_ = 0;
}

void BillOfMaterials::addPRicetoLIST(const Ppdu_id& line) {
    for (Ppdu_id& own : project_.price_list) {
        if (own.id == line.id) {
            if (own.width == -1) {
                own.width = line.width;
                own.height = line.height;
            }
            own.number += line.number;
            return;
        }
    }
    project_.price_list.append(line);
}

void BillOfMaterials::clearpronumber() {
    for (Ppdu_id& line : project_.price_list) {
        line.number = 0;
    }
}

void BillOfMaterials::clearPrice() {
    project_.price_list.clear();
}

void BillOfMaterials::clearother() {
    project_.other_list.clear();
}

std::optional<double> BillOfMaterials::GetIDprice_list(qint32 id) const {
    for (const Ppdu_id& line : project_.price_list) {
        if (line.id == id) {
            return line.price;
        }
    }
    for (const otherrec& item : project_.other_list) {
        if (item.id == id) {
            return item.price;
        }
    }
    return std::nullopt;
}

void BillOfMaterials::readfromPricelist() {
    // A library that cannot be read (closed while it is compacted) leaves the table and
    // the figures as they were.
    std::vector<CategoryRow> categories;
    try {
        categories = ProductLibrary(library_).allCategories();
    } catch (const DatabaseError&) {
        return;
    }
    grandtotal_ = 0;
    int k = 0;
    table_.beginRewrite();
    for (const CategoryRow& category : categories) {
        k = totalfromstate(category.id, category.name, k);
    }
    table_.truncate(k);
    appendAccessories(k);
    table_.endRewrite();
    view_.processEvents();
}

int BillOfMaterials::totalfromstate(qint32 category, const QString& name, int k) {
    table_.setRow(k, heading(u'［' + name + u'］'));
    QList<Ppdu_id>& lines = project_.price_list;
    QList<otherrec>& items = project_.other_list;
    for (otherrec& item : items) {
        item.merged = false;
    }
    bool wrote = false;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].number == 0) {
            lines.removeAt(i);
            continue;
        }
        const Ppdu_id& line = lines[i];
        if (line.cailiao_id != category) {
            continue;
        }
        const double correction = mergeCorrection(items, line.id);
        const double amount = (line.number + correction) * line.price;
        table_.setRow(
            ++k, {QStringLiteral("  ") + line.title,
                  {RoomStatisticsView::sizeText(line), roundedText(line.number, 2),
                   correction == 0 ? QStringLiteral(" ") : roundedText(correction, 2), line.danwei,
                   roundedText(line.price, 1), roundedText(amount, 1), QString::number(line.style)},
                  line.id,
                  1});
        grandtotal_ += amount;
        wrote = true;
    }
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        if (items[i].number == 0) {
            items.removeAt(i);
            continue;
        }
        otherrec& item = items[i];
        if (item.cailiao_id != category || item.merged) {
            continue;
        }
        item.price = GetIDprice_list(item.id).value_or(item.price);
        const double amount = item.number * item.price;
        const QString mark =
            item.number < 1 ? QStringLiteral("[退货]") : QStringLiteral("[非显示]");
        table_.setRow(++k, {QStringLiteral("  ") + item.title + mark,
                            {QStringLiteral(" "), QString::number(item.number), QStringLiteral(" "),
                             item.danwei, roundedText(item.price, 1), roundedText(amount, 1),
                             QString::number(item.style)},
                            item.id,
                            1});
        grandtotal_ += amount;
        wrote = true;
    }
    return wrote ? k + 1 : k;
}

void BillOfMaterials::appendAccessories(int k) {
    const CustomerRecord& c = project_.customer;
    const double area = area_;
    table_.setRow(k++, heading(QStringLiteral("［附件］")));
    const auto priced = [&](const QString& caption, qint32 tag, double perArea, double price) {
        const double amount = perArea * price * area;
        table_.setRow(k++, accessory(caption, tag, roundedText(perArea * area, 1),
                                     roundedText(price, 1), roundedText(amount, 1)));
        grandtotal_ += amount;
    };
    const auto unpriced = [&](const QString& caption, qint32 tag, double perArea) {
        table_.setRow(k++, accessory(caption, tag, roundedText(perArea * area, 1),
                                     QStringLiteral("0"), QStringLiteral("0")));
    };
    if (c.keelLength != 0) {
        priced(QStringLiteral("  龙骨"), -2, c.keelLength, c.keelPrice);
    }
    if (c.triangleKeelLength != 0) {
        priced(QStringLiteral("  三角龙骨"), -3, c.triangleKeelLength, c.triangleKeelPrice);
    }
    if (c.connectors != 0) {
        unpriced(QStringLiteral("  接件"), -4, c.connectors);
    }
    if (c.hangers != 0) {
        unpriced(QStringLiteral("  吊件"), -5, c.hangers);
    }
    if (c.autoShoubian == 0 && project_.edgeTrimReady) {
        // Whole metres, halves to even: exactly 12 m gives 12, exactly 13 m gives 14.
        const qint64 metres = rounding::halfEven64(double(shoubian_) / 1000 + 0.5);
        const double amount = double(metres) * c.shoubianPrice;
        table_.setRow(k++, accessory(QStringLiteral("  收边条"), -7, QString::number(metres),
                                     roundedText(c.shoubianPrice, 2), roundedText(amount, 1)));
        grandtotal_ += amount;
    }
    if (c.installationFee != 0) {
        const double amount = c.installationFee * area;
        table_.setRow(k++, accessory(QStringLiteral("  安装费"), -6, roundedText(area, 1),
                                     roundedText(c.installationFee, 1), roundedText(amount, 1)));
        grandtotal_ += amount;
    }
    table_.setRow(
        k, {QStringLiteral("总计"),
            {QString(), QString(), QString(), QString(), QString(), roundedText(grandtotal_, 1)},
            -1,
            0});
}

void BillOfMaterials::setAmountFromTotal() {
    const double amount = std::trunc(double(project_.customer.zk) * grandtotal_ / 100);
    if (amount != project_.customer.price) {
        project_.customer.price = amount;
        project_.fieldChanged();
    }
    if (onAmountChanged) {
        onAmountChanged();
    }
}

void BillOfMaterials::discountChanged(int value) {
    if (project_.customer.locked) {
        return;
    }
    project_.customer.zk = value;
    setAmountFromTotal();
}

bool BillOfMaterials::lockToggled(bool down, int shownDiscount) {
    if (down) {
        if (!prompts_.confirm(QStringLiteral("是否锁定该项目金额?"))) {
            return false;
        }
        project_.customer.locked = true;
        return true;
    }
    if (!prompts_.confirm(QStringLiteral("是否解锁该项目金额?解锁后金额会随项目而改变。"))) {
        return false;
    }
    project_.customer.locked = false;
    project_.customer.zk = shownDiscount;
    setAmountFromTotal();
    return true;
}
