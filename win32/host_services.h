// The menu side of the platform services.
#pragma once

#include <windows.h>

#include "game/menu_state.h"

// Sets the enabled or grayed state of each item, by command id, in order.
void applyMenuStates(HMENU menu, const MenuItemState (&items)[kMenuStateItems]);
