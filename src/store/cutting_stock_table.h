#pragma once

#include <QtGlobal>

#include <map>

class Database;

// The dealer's stock length in mm per strip product of one customer.
using CuttingStock = std::map<qint32, int>;

// The table `cutting_stock` of the customer store: one row per customer and strip
// product whose bars the dealer buys in a length of his own. Throws DatabaseError.
namespace cutting_stock_table {

void create(Database& db);
// For a store made before the table existed.
void createWhenMissing(Database& db);

CuttingStock read(Database& db, qint32 userId);
// Replaces the customer's rows; runs inside the caller's transaction.
void write(Database& db, qint32 userId, const CuttingStock& stock);
void remove(Database& db, qint32 userId);

} // namespace cutting_stock_table
