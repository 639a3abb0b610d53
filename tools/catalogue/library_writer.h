#pragma once

#include "catalogue/catalogue_tables.h"

#include <QString>

class Database;

// Writes one range of the catalogue into a library that has the schema: its top
// categories, sub-categories and products with their pictures. Throws
// std::invalid_argument when the tables break a rule of the library (an id outside
// the range, a picture of another kind, a product number over 12 characters).
void writeCatalogue(Database& library, const CatalogueRange& range);

// Builds the product library with the vendor and general catalogues at `path`: into a
// temporary file beside it, which then replaces the old library in one rename. The
// custom range (ids from 100000: what the dealer made) is carried over from the old
// library. Throws
// std::runtime_error (or DatabaseError) on failure and leaves the old library alone.
void buildLibraryFile(const QString& path);
