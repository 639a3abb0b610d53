#include "quote/setup_form.h"

#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/project_number.h"
#include "quote/setup_file.h"

#include <QDir>

#include <algorithm>

namespace {

double accessoryValue(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

void pushNumberingAndDiscount(const SetupFormValues& v, HeldSettings& held) {
    held.numbering.prefix = v.prefix.trimmed();
    held.numbering.index = v.index;
    held.numbering.digits = v.digits;
    held.discount.minimum = v.minzk;
    held.discount.value = std::clamp(v.zk, v.minzk, setup_limits::discountMax);
    held.discount.visible = v.zk != 100;
}

void pushProductDisplay(const SetupFormValues& v, HeldSettings& held) {
    held.products.normal = v.product1;
    held.products.outOfStock = v.product2;
    held.products.discontinued = v.product3;
}

} // namespace

QString SetupFormValues::preview() const {
    return projectNumber(prefix, index, digits);
}

SetupFormValues readinifile(const SetupFile& setup, HeldSettings& held) {
    using namespace setup_limits;
    SetupFormValues v;
    v.prefix = setup.read(setup::proqianzui);
    v.index = std::max(0, setup.read(setup::index));
    v.digits = std::clamp(setup.read(setup::indexLen), digitsMin, digitsMax);
    v.zk = std::clamp(setup.read(setup::zk), 0, discountMax);
    v.minzk = std::clamp(setup.read(setup::minzk), 0, discountMax);
    v.history = std::clamp(setup.read(setup::history), historyMin, historyMax);
    v.autosaveMinutes = std::clamp(setup.read(setup::autosaveMinutes), 0, autosaveMax);
    v.ceilingHeight =
        std::clamp(setup.read(setup::ceilingHeight), ceilingHeightMin, ceilingHeightMax);
    v.sawKerf = std::clamp(setup.read(setup::sawKerf), 0, sawKerfMax);
    v.keelLength = setup.read(setup::jxlong);
    v.keelPrice = setup.read(setup::jxlongprice);
    v.triangleKeelLength = setup.read(setup::jxdiao);
    v.triangleKeelPrice = setup.read(setup::jxsjlong);
    v.connectors = setup.read(setup::jxjie);
    v.hangers = setup.read(setup::jxsjlongprice);
    v.installationFee = setup.read(setup::jxinstallprice);
    v.edgeTrimPrice = setup.read(setup::shoubianPrice);
    v.minnumber = setup.read(setup::minnumber);
    v.autosb = setup.read(setup::autosb);
    v.product1 = setup.read(setup::product1);
    v.product2 = setup.read(setup::product2);
    v.product3 = setup.read(setup::product3);
    v.runIE = setup.read(setup::runIE);
    v.autoCreateRoom = setup.read(setup::autoCreateRoom);
    v.dealer = readDealerDetails(setup);

    pushNumberingAndDiscount(v, held);
    AccessoryParameters& a = held.project.accessories;
    a.keelLength = accessoryValue(v.keelLength);
    a.keelPrice = accessoryValue(v.keelPrice);
    a.triangleKeelLength = accessoryValue(v.triangleKeelLength);
    a.triangleKeelPrice = accessoryValue(v.triangleKeelPrice);
    a.connectors = accessoryValue(v.connectors);
    a.hangers = accessoryValue(v.hangers);
    a.installationFee = accessoryValue(v.installationFee);
    a.edgeTrimPrice = accessoryValue(v.edgeTrimPrice);
    held.project.minCoverage = minCoverageFromText(v.minnumber);
    held.project.autoEdgeTrim = v.autosb;
    held.project.discount = v.zk;

    held.newRoom.cellWidth = setup.read(setup::gw);
    held.newRoom.cellHeight = setup.read(setup::gh);
    held.newRoom.roomWidth = setup.read(setup::roomw);
    held.newRoom.roomHeight = setup.read(setup::roomh);
    const int style = setup.read(setup::roomstyle);
    if (style >= 0 && style <= 2) {
        held.newRoom.roomStyle = style;
    }
    held.glen = std::clamp(setup.read(setup::glen), 5, 100);
    held.autosaveMinutes = v.autosaveMinutes;
    held.ceilingHeight = v.ceilingHeight;
    held.sawKerf = v.sawKerf;
    pushProductDisplay(v, held);
    return v;
}

bool Savetoinifile(const SetupFormValues& v, SetupFile& setup, HeldSettings& held, Prompts& prompts,
                   const SettingsSaveHooks& hooks) {
    if (v.zk < v.minzk) {
        prompts.message(QStringLiteral("折扣数据错误！"));
        return false;
    }
    bool ok = setup.write(setup::history, v.history);
    ok = setup.write(setup::autosaveMinutes, v.autosaveMinutes) && ok;
    ok = setup.write(setup::ceilingHeight, v.ceilingHeight) && ok;
    ok = setup.write(setup::sawKerf, v.sawKerf) && ok;
    ok = setup.write(setup::product1, v.product1) && ok;
    ok = setup.write(setup::product2, v.product2) && ok;
    ok = setup.write(setup::product3, v.product3) && ok;
    ok = setup.write(setup::runIE, v.runIE) && ok;
    ok = setup.write(setup::autoCreateRoom, v.autoCreateRoom) && ok;
    ok = setup.write(setup::proqianzui, v.prefix.trimmed()) && ok;
    ok = setup.write(setup::indexLenWritten, v.digits) && ok;
    ok = setup.write(setup::index, v.index) && ok;
    ok = setup.write(setup::zk, v.zk) && ok;
    ok = setup.write(setup::minzk, v.minzk) && ok;
    ok = setup.write(setup::jxlong, v.keelLength.trimmed()) && ok;
    ok = setup.write(setup::jxdiao, v.triangleKeelLength.trimmed()) && ok;
    ok = setup.write(setup::jxjie, v.connectors.trimmed()) && ok;
    ok = setup.write(setup::jxinstallprice, v.installationFee.trimmed()) && ok;
    ok = setup.write(setup::jxlongprice, v.keelPrice.trimmed()) && ok;
    ok = setup.write(setup::jxsjlong, v.triangleKeelPrice.trimmed()) && ok;
    ok = setup.write(setup::jxsjlongprice, v.hangers.trimmed()) && ok;
    ok = setup.write(setup::shoubianPrice, v.edgeTrimPrice.trimmed()) && ok;
    ok = setup.write(setup::minnumber, v.minnumber) && ok;
    ok = setup.write(setup::autosb, v.autosb) && ok;
    ok = writeDealerDetails(setup, v.dealer) && ok;
    if (!ok) {
        // A read-only program folder must not look like a successful save.
        prompts.message(QStringLiteral("无法写入设置文件 ") +
                        QDir::toNativeSeparators(setup.path()));
        return false;
    }

    pushProductDisplay(v, held);
    pushNumberingAndDiscount(v, held);
    held.project.minCoverage = minCoverageFromText(v.minnumber);
    held.project.autoEdgeTrim = v.autosb;
    held.history = v.history;
    held.autosaveMinutes = v.autosaveMinutes;
    held.ceilingHeight = v.ceilingHeight;
    held.sawKerf = v.sawKerf;
    if (hooks.applyToRooms) {
        hooks.applyToRooms(v.history, held.project.minCoverage);
    }
    if (hooks.markEdgeTrimReady) {
        hooks.markEdgeTrimReady();
    }
    return true;
}
