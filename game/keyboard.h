// Play from the keyboard. In a game the arrow keys move the focus over the
// tiles seen from above and Tab over the free ones, and Space or Enter takes
// the focused tile just as a click takes it; in the editor the arrow keys
// move a cursor over the cells of the edited layer, Space places a position
// there and Delete removes one. Nothing of it shows before the first key.
#pragma once

struct AppState;

// The keys the board answers, by their virtual-key codes.
constexpr int kKeyTab = 0x09;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeySpace = 0x20;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyUp = 0x26;
constexpr int kKeyRight = 0x27;
constexpr int kKeyDown = 0x28;
constexpr int kKeyDelete = 0x2E;

// A key pressed on the board, Shift held or not; false when it is none of
// the board's keys. A key while the focus is hidden only shows it again.
bool onBoardKey(AppState& app, int key, bool shift);
