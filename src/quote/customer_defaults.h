#pragma once

#include "store/customer_record.h"

struct HeldSettings;

// A customer without fields that carries the settings' project defaults: company, the
// accessory parameters, edge trim, minimum coverage (at least 5) and discount (100 for 0).
CustomerRecord defaultCustomer(const HeldSettings& held);

// What the customer details form starts a new customer with: the defaults, the remark
// line every new customer gets, and automatic edge trim on.
CustomerRecord newCustomer(const HeldSettings& held);
