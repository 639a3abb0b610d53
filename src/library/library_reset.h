#pragma once

class Database;
class Prompts;

// Deletes the vendor and general ranges (ids below the custom range) of the top
// categories, sub-categories and products, in one transaction, before the library is
// downloaded again. The user's own records remain.
void clearDeliveredRanges(Database& library);

// "重新下载产品": asks, clears the delivered ranges and says so. Returns whether the
// library was emptied. Engine errors are thrown (DatabaseError) with nothing deleted.
bool emptyForNewDownload(Database& library, Prompts& prompts);
