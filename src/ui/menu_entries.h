#pragma once

#include "core/menu_model.h"

class QMenu;

// Adds the entries of a menu model to a menu. A submenu with a checked entry is a group of
// radio items. Every action runs a copy of its entry's command, so that the model may be
// rebuilt while the command runs.
void addMenuEntries(QMenu& menu, const std::vector<MenuItem>& entries);
