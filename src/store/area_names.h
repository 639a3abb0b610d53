#pragma once

#include <QString>
#include <QtGlobal>

class CustomerStore;

// The area a customer is given by name: the stored area of that name, made when the
// store has none. An empty name is no area (-1): the store keeps no area without a name.
qint32 areaNamed(CustomerStore& store, const QString& title);
