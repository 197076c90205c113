// Undo and Redo: stepping back along the record of the game and forward
// again.
#pragma once

struct AppState;

// After a step that changed the board by other means than play: the game
// goes on when a move is left, and otherwise it stays ended, for Undo to
// reopen. Clears the selection.
void resumePlay(AppState& app);

// Undo and Redo are offered in a game while play is on, or after its last
// pair ended it; never while a pair vanishes or the deal appears.
bool canUndo(const AppState& app);
bool canRedo(const AppState& app);

// The Undo command: puts the last taken pair back where it lay, or the faces
// back as they were before a shuffle, and the game is played on from there.
void undoStep(AppState& app);

// The Redo command: takes the pair again at once, and the end of the game is
// decided as when it is taken by hand; or shuffles to the same faces again.
void redoStep(AppState& app);
