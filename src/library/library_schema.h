#pragma once

class Database;

// Creates the product library's tables and view in an empty database: cailiao (top
// categories), xinghao (sub-categories), pic (products) and pic_view (each product
// with the top category of its sub-category). Ids are written by the program.
void createLibrarySchema(Database& db);
