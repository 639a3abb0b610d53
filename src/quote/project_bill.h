#pragma once

// What the open project asks of its bill of materials: a statistics pass before a save,
// the table from the stored lists when a customer is opened, an empty table when the
// project is cleared.
class ProjectBill {
public:
    virtual ~ProjectBill() = default;
    virtual void total() = 0;
    virtual void readfromPricelist() = 0;
    virtual void clearTable() = 0;
};
