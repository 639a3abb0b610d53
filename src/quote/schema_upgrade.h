#pragma once

class Database;

// Brings the customer store up to the current column layout. Each column group is
// tested by one member and added in one transaction, so that a failure cannot leave a
// group half added. Running it on an up-to-date store changes nothing.
void upgradeCustomerStore(Database& store);

// Adds the product number and information address columns of "pic" when missing.
void upgradeProductLibrary(Database& library);
