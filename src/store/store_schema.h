#pragma once

class Database;

// Creates the customer store's tables and view in an empty database: userlist
// (customers and their projects), roomlist (rooms), arealist (residential areas),
// workerlist (handlers) and user_view (each customer with its area and handler
// names; customers without either still appear, with empty names).
void createStoreSchema(Database& db);
