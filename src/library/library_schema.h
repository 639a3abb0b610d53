#pragma once

class Database;

// Creates the product library's tables and view in an empty database: cailiao (top
// categories), xinghao (sub-categories), pic (products) and pic_view (each product
// with the top category of its sub-category). Ids are written by the program.
void createLibrarySchema(Database& db);

// The index on product names: a name search reads it instead of every product row with its
// picture. Added to libraries made before it existed; nothing without a pic.title column.
void ensureProductNameIndex(Database& db);
