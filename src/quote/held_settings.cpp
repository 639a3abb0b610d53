#include "quote/held_settings.h"

#include "quote/setup_file.h"
#include "quote/setup_form.h"

#include <algorithm>
#include <cmath>

void HeldSettings::readStartGroup(const SetupFile& setup) {
    products.normal = setup.read(setup::product1);
    products.outOfStock = setup.read(setup::product2);
    products.discontinued = setup.read(setup::product3);
    runIE = setup.read(setup::runIE);
    gw = setup.read(setup::gw);
    gh = setup.read(setup::gh);
    searchHistory = setup.readSearchHistory();
    autoCreateRoom = setup.read(setup::autoCreateRoom);
    company.compid = setup.read(setup::compid);
    company.trueComp = setup.read(setup::trueComp);
    company.compstyle = setup.read(setup::compstyle);
    company.url = setup.read(setup::url);
    history = setup.read(setup::history);
    autosaveMinutes = std::clamp(setup.read(setup::autosaveMinutes), 0, 600);
    ceilingHeight = std::clamp(setup.read(setup::ceilingHeight), setup_limits::ceilingHeightMin,
                               setup_limits::ceilingHeightMax);
    sawKerf = std::clamp(setup.read(setup::sawKerf), 0, setup_limits::sawKerfMax);
}

int minCoverageFromText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return 5;
    }
    return int(std::clamp(std::trunc(value), 5.0, 100.0));
}
