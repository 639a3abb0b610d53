#pragma once

class Database;
class QString;

// Creates the customer store's tables and view in an empty database: userlist
// (customers and their projects), roomlist (rooms), arealist (residential areas),
// workerlist (handlers), user_view (each customer with its area and handler names;
// customers without either still appear, with empty names) and project_counter (the
// running project number that the seats of a server store share).
void createStoreSchema(Database& db);

// The statement with the column type words of the store written for the database's
// engine: "{key}" (an id the engine assigns), "{real}" (a double), "{date}" (date and
// time) and "{blob}" (bytes).
QString storeStatement(const Database& db, const char* sql);
