// Draws every tile of a board as a small block from the scaled tile sheet.
#pragma once

#include <windows.h>

#include "rules/board.h"

struct AppState;

// The face of a layer-0 tile at column 0, row 0 lands at (x, y) of `target`;
// `sheet` holds the tile sheet scaled to `scale` percent. Tiles only: the
// caller fills the background first.
void drawBoard(const AppState& app, HDC target, const Board& board, HDC sheet, int x, int y,
               double scale);
