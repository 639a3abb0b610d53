#include "library/custom_ids.h"

#include "library/product_library.h"
#include "platform/profile_file.h"

#include <algorithm>

namespace {

QString key(CustomIds::Counter counter) {
    switch (counter) {
    case CustomIds::Category:
        return QStringLiteral("MAXC");
    case CustomIds::SubCategory:
        return QStringLiteral("MAXX");
    case CustomIds::Product:
        break;
    }
    return QStringLiteral("MAXP");
}

const QString Section = QStringLiteral("zdy");

} // namespace

int CustomIds::last(Counter counter) const {
    return setup_.readInteger(Section, key(counter), CustomRangeFirst);
}

int CustomIds::take(Counter counter, int highestInUse) {
    const int id = std::max(last(counter), highestInUse) + 1;
    setup_.writeInteger(Section, key(counter), id);
    return id;
}
