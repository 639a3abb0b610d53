#pragma once

#include <QString>

class CustomerStore;
class SetupFile;
struct HeldSettings;

// The trimmed prefix followed by the sequence number padded on the left with "0" to at
// least `digits` digits; a longer number is kept whole ("HT", 12, 4 gives "HT0012").
QString projectNumber(const QString& prefix, int index, int digits);

// The project number of a customer about to be stored, taken inside the caller's
// transaction. A server store draws the running number from its own counter, which every
// seat shares (the settings' running number only starts it); a local store takes the
// settings' running number, which projectNumberStored() then advances.
QString takeProjectNumber(CustomerStore& store, const HeldSettings& held);

// After the customer that took a number was stored: a local store's running number moves
// on in the settings.
void projectNumberStored(CustomerStore& store, HeldSettings& held, SetupFile& setup);
