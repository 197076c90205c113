// Mouse clicks on the board: selecting, unselecting and matching in a game;
// placing and removing positions in the editor.
#pragma once

struct AppState;
struct Anchor;

// The two button-press messages that reach the board.
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonDown = 0x0204;

// `message` is kLeftButtonDown or kRightButtonDown; (x, y) in client pixels.
// Hides the keyboard's focus until the next key.
void onBoardClick(AppState& app, int message, int x, int y);

// The selecting button on a tile: selects it, unselects it, takes a pair or
// answers with a flash. Nothing while play is off.
void clickTile(AppState& app, const Anchor& tile);

// The other button: unselects the selected tile. Nothing while play is off.
void clickToUnselect(AppState& app);
