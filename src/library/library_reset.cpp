#include "library/library_reset.h"

#include "library/product_library.h"
#include "platform/database.h"
#include "platform/prompts.h"

void clearDeliveredRanges(Database& library) {
    Transaction t(library);
    for (const char* table : {"cailiao", "xinghao", "pic"}) {
        library.exec(QStringLiteral("delete from %1 where id < ?").arg(QLatin1String(table)),
                     {CustomRangeFirst});
    }
    t.commit();
}

bool emptyForNewDownload(Database& library, Prompts& prompts) {
    if (!prompts.confirm(QStringLiteral("是否删除所有产品然后升级产品库?"))) {
        return false;
    }
    clearDeliveredRanges(library);
    prompts.message(QStringLiteral("企业产品库已清空"));
    return true;
}
