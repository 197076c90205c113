// What the puzzle editor shows of the board being drawn.
#pragma once

#include "rules/board.h"

// Layers above `layer` vanish; every placed position at or below it shows
// the blank face.
void makeEditorView(Board& view, int layer);
