#include "store/area_names.h"

#include "store/customer_store.h"

qint32 areaNamed(CustomerStore& store, const QString& title) {
    const QString name = title.trimmed();
    if (name.isEmpty()) {
        return -1;
    }
    const qint32 id = store.nameId(NameList::Areas, name);
    return id >= 0 ? id : store.addName(NameList::Areas, name);
}
