#include "core/troom_obj.h"

// The design popup is filled in when it opens.
void TRoom_OBJ::designPopupOpening(QPoint) {}
