// Which menu items are offered: the puzzle items in the editor, the game
// items during a game. The platform's accelerator translation drops the keys
// of grayed items, so this also decides which shortcuts work.
#pragma once

struct AppState;

struct MenuItemState {
    int id;  // the command id of the item
    bool enabled;
    bool checked = false;  // only Pause, while the game is paused
};

constexpr int kMenuStateItems = 11;

// The eleven items that depend on the mode and the game, in the order they are
// applied to the menu.
void computeMenuStates(const AppState& app, MenuItemState (&items)[kMenuStateItems]);
