#pragma once

#include "core/troom_obj.h"

class Database;
class OpenProject;

// The library's first strip product.
qint32 firstStrip(Database& library);

// A room of `width` x `height` cm laid wholly with `product` in room mode `mode`, counted.
TRoom_OBJ& addLaidRoom(OpenProject& project, const QString& title, int mode, qint32 product,
                       int width, int height);
