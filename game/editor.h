// The puzzle editor: positions are placed and removed layer by layer on the
// main board, under the rules that keep every puzzle buildable.
#pragma once

struct AppState;

// The Create puzzle command: an empty grid on layer 0; the game is dropped.
void createPuzzle(AppState& app);

// Layer up (+1) and Layer down (-1), kept within layers 0..4.
void changeEditorLayer(AppState& app, int step);

// A click on the board while the editor is open; both buttons do the same:
// a click on a position removes it, elsewhere it places one.
void editorClick(AppState& app, int x, int y);

// A position anchored at (column, row) of the edited layer, if it fits there
// and rests wholly on the layer below; else the "error" sound.
void placePosition(AppState& app, int column, int row);

// The position of the edited layer whose footprint holds (column, row), if
// nothing lies on it; else the "error" sound.
void removePosition(AppState& app, int column, int row);
