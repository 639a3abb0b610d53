#include "quote/new_customer.h"

#include "platform/database.h"
#include "quote/customer_defaults.h"
#include "quote/held_settings.h"
#include "quote/project_number.h"
#include "store/area_names.h"
#include "store/customer_store.h"

QString nextProjectNumber(const HeldSettings& held) {
    return projectNumber(held.numbering.prefix, held.numbering.index, held.numbering.digits);
}

qint32 createCustomer(CustomerStore& store, HeldSettings& held, SetupFile& setup,
                      const CustomerRecord& form) {
    CustomerRecord row = newCustomer(held);
    for (QString CustomerRecord::*field :
         {&CustomerRecord::name, &CustomerRecord::work, &CustomerRecord::addr,
          &CustomerRecord::tele, &CustomerRecord::tele2, &CustomerRecord::fax,
          &CustomerRecord::email, &CustomerRecord::im}) {
        row.*field = (form.*field).trimmed();
    }
    row.designdate = form.designdate;
    row.workdate = form.workdate;
    row.enddate = form.enddate;
    row.sex = form.sex;
    row.smonth = form.smonth;
    row.sday = form.sday;
    row.memo = form.memo;
    row.worker = store.workerId(form.workerName);
    Transaction transaction(store.database());
    row.areaId = areaNamed(store, form.areaTitle);
    row.proid = takeProjectNumber(store, held);
    const qint32 id = store.insertCustomer(row);
    transaction.commit();
    projectNumberStored(store, held, setup);
    return id;
}
