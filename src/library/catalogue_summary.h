#pragma once

#include <QString>

class Database;

// A one-screen text about the delivered catalogue: categories, sub-categories and
// products per kind.
QString catalogueSummary(Database& library);
