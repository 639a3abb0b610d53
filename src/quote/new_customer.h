#pragma once

#include "store/customer_record.h"

#include <QtGlobal>

class CustomerStore;
class SetupFile;
struct HeldSettings;

// The project number the next new customer gets from a local store (a server store draws
// its own when the customer is stored).
QString nextProjectNumber(const HeldSettings& held);

// Stores a customer filled in on the customer details form: the form's fields (area and
// handler by name; an area name the store does not know yet becomes a new area), the company, the
// next project number (takeProjectNumber) and the settings' project defaults. Returns the new id.
// Engine errors are thrown (DatabaseError).
qint32 createCustomer(CustomerStore& store, HeldSettings& held, SetupFile& setup,
                      const CustomerRecord& form);
