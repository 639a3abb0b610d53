#include "core/troom_obj.h"

// The history of snapshots comes with the undo feature; until then nothing is kept.
void TRoom_OBJ::recordStep() {}
