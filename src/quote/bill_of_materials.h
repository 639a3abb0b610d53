#pragma once

#include "quote/bill_table.h"
#include "quote/project_bill.h"

#include <QtGlobal>

#include <functional>
#include <optional>

class Database;
class OpenProject;
class Prompts;
class ProjectView;
struct Ppdu_id;

// The bill of materials of the open project: the statistics pass that sums the counted
// rooms' bill lines into the project's `price_list`, the statistics table built from
// `price_list`, `other_list` and the accessory parameters, and the project amount from
// the grand total, the project's discount and the lock.
class BillOfMaterials : public ProjectBill {
public:
    BillOfMaterials(OpenProject& project, Database& library, Prompts& prompts, ProjectView& view);
    ~BillOfMaterials() override;
    BillOfMaterials(const BillOfMaterials&) = delete;
    BillOfMaterials& operator=(const BillOfMaterials&) = delete;

    BillTable& table() { return table_; }
    // Figures of the last pass: m² of the counted rooms (each rounded up to 0.1 m²), their
    // perimeter in mm, and the unrounded sum of every amount.
    double area() const { return area_; }
    qint64 perimeter() const { return shoubian_; }
    double grandtotal() const { return grandtotal_; }

    // The statistics pass.
    void total() override;
    // The table and the grand total from the lists as they are.
    void readfromPricelist() override;
    // Empties the table and the figures.
    void clearTable() override;
    // Writes the rows of one category from row k on; returns the next free row.
    int totalfromstate(qint32 category, const QString& name, int k);
    // Merges a room's bill line into `price_list`.
    void addPRicetoLIST(const Ppdu_id& line);
    void clearpronumber();
    void clearPrice();
    void clearother();
    // The price of the bill line with this product id, else of the non-display item.
    std::optional<double> GetIDprice_list(qint32 id) const;

    // The user changed the discount field: while unlocked the project takes the
    // discount and the amount follows; while locked nothing changes.
    void discountChanged(int value);
    // The lock button was pressed down (true) or released; asks, and returns whether
    // the button keeps its new position. Released, the project takes the discount the
    // field shows.
    bool lockToggled(bool down, int shownDiscount);

    // The amount was set by a pass, a discount change or an unlock.
    std::function<void()> onAmountChanged;

private:
    void appendAccessories(int k);
    void setAmountFromTotal();

    OpenProject& project_;
    Database& library_;
    Prompts& prompts_;
    ProjectView& view_;
    BillTable table_;
    double area_ = 0;
    qint64 shoubian_ = 0;
    double grandtotal_ = 0;
};
