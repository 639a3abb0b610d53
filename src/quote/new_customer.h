#pragma once

#include "store/customer_record.h"

#include <QtGlobal>

class CustomerStore;
class SetupFile;
struct HeldSettings;

// The project number the next new customer gets.
QString nextProjectNumber(const HeldSettings& held);

// Stores a customer filled in on the customer details form: the form's fields (area and
// handler by name), the company, the next project number and the settings' project
// defaults. Once the row is stored the running number advances and is written to the
// settings. Returns the new id. Engine errors are thrown (DatabaseError).
qint32 createCustomer(CustomerStore& store, HeldSettings& held, SetupFile& setup,
                      const CustomerRecord& form);
