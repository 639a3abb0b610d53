#include "quote/project_number.h"

#include "platform/database.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "quote/setup_keys.h"
#include "store/customer_store.h"

QString projectNumber(const QString& prefix, int index, int digits) {
    return prefix.trimmed() + QString::number(index).rightJustified(digits, u'0');
}

QString takeProjectNumber(CustomerStore& store, const HeldSettings& held) {
    const ProjectNumbering& n = held.numbering;
    const int index = store.database().isServer() ? store.drawProjectNumber(n.index) : n.index;
    return projectNumber(n.prefix, index, n.digits);
}

void projectNumberStored(CustomerStore& store, HeldSettings& held, SetupFile& setup) {
    if (!store.database().isServer()) {
        held.numbering.index += 1;
        setup.write(setup::index, held.numbering.index);
    }
}
