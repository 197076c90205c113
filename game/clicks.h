// Mouse clicks on the board: selecting, unselecting and matching in a game;
// placing and removing positions in the editor.
#pragma once

struct AppState;

// The two button-press messages that reach the board.
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonDown = 0x0204;

// `message` is kLeftButtonDown or kRightButtonDown; (x, y) in client pixels.
void onBoardClick(AppState& app, int message, int x, int y);
