#include "quote/customer_defaults.h"

#include "quote/held_settings.h"

#include <algorithm>

CustomerRecord defaultCustomer(const HeldSettings& held) {
    CustomerRecord r;
    const ProjectDefaults& defaults = held.project;
    r.compid = held.company.compid;
    r.keelLength = defaults.accessories.keelLength;
    r.keelPrice = defaults.accessories.keelPrice;
    r.triangleKeelLength = defaults.accessories.triangleKeelLength;
    r.triangleKeelPrice = defaults.accessories.triangleKeelPrice;
    r.connectors = defaults.accessories.connectors;
    r.hangers = defaults.accessories.hangers;
    r.installationFee = defaults.accessories.installationFee;
    r.shoubianPrice = defaults.accessories.edgeTrimPrice;
    r.autoShoubian = defaults.autoEdgeTrim ? 0 : 1;
    r.ming = std::max(defaults.minCoverage, 5);
    r.zk = held.discount.value == 0 ? 100 : held.discount.value;
    return r;
}

CustomerRecord newCustomer(const HeldSettings& held) {
    CustomerRecord r = defaultCustomer(held);
    r.memo = QStringLiteral("设计图纸上的模块和电器的功能和色彩有一定出入，以实物为准");
    r.autoShoubian = 0;
    return r;
}
