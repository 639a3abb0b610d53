#include "quote/priced_bill.h"

#include "core/rounding.h"
#include "platform/decimal_text.h"

namespace {

QString hundredths(double value) {
    return decimalText(double(rounding::halfEven64(value * 100)) / 100);
}

// A number of the table as printed; 0 when it does not read as one.
double numberOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0;
}

} // namespace

PricedBill priceBill(const std::vector<ReportLine>& lines,
                     const std::function<double(const ReportLine&)>& price) {
    PricedBill bill;
    QString pending;
    double sum = 0;
    for (const ReportLine& line : lines) {
        if (line.heading) {
            pending = line.caption;
            continue;
        }
        double quantity = numberOf(line.quantity);
        if (!line.correction.trimmed().isEmpty()) {
            quantity += numberOf(line.correction);
        }
        const double unitPrice = price(line);
        bill.lines.push_back(
            {std::move(pending), &line, hundredths(unitPrice), hundredths(unitPrice * quantity)});
        pending.clear();
        sum += unitPrice * quantity;
    }
    bill.sum = hundredths(sum);
    return bill;
}
