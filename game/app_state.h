// All state of the program, in one record that lives for the whole run and is
// zero at start. Every operation receives it; nothing else holds state.
#pragma once

#include <cstdint>

#include "files/file_path.h"
#include "game/history.h"
#include "game/game_record.h"
#include "game/clock_record.h"
#include "game/winning_start.h"
#include "rules/board.h"
#include "rules/random.h"
#include "rules/tile_set.h"
#include "sound/sound_event.h"
#include "view/tile_plan.h"
#include "view/view_settings.h"

// Window handles, drawing surfaces and brushes belong to the platform layer;
// the portable code only carries the pointer. Null in native tests.
struct PlatformState;

struct AppState {
    PlatformState* platform;

    ViewSettings view;
    int32_t dpi;  // dots per inch of the main window's screen: every pixel size follows it
    int32_t highContrast;  // Windows ran a high-contrast theme at start-up

    char programName[kTextSize];
    char lastGame[kTextSize];  // puzzle file name inside "Puzzle"; empty = none

    int32_t boardOriginX;
    int32_t boardOriginY;

    Board board;          // the game in play; in the editor, the puzzle being drawn
    Layout puzzle;        // the puzzle of the current game
    Layout layoutBuffer;  // where a new game reads its puzzle file

    SheetCell faceTable[TypeCount];
    TileSet tileSet;

    int32_t editorMode;
    int32_t editorLayer;
    int32_t canSaveGame;
    int32_t gameActive;
    int32_t selectedX;  // -1 = nothing selected
    int32_t selectedY;
    int32_t selectedZ;

    // The keyboard's place: the focused tile in a game, the cursor's cell of
    // the edited layer in the editor (focusZ unused there).
    int32_t focused;     // 0 until the first key, and after New game and the like
    int32_t focusX;
    int32_t focusY;
    int32_t focusZ;
    int32_t focusShown;  // drawn: from a key until the next mouse click

    History history;  // the pairs taken since the deal, for Undo and Redo

    int32_t buttonsSwapped;

    int32_t winnableOnly;   // New game deals again until the solver finds a win
    PlayClock clock;        // the time played in this game
    int32_t hintSafe;       // Hint shows a pair that keeps the game winnable, when known
    WinningStart winningStart;  // set by the platform when the solver's verdict comes
    uint32_t dealNumber;    // the generator's state just before this game was dealt
    int32_t dealNumbered;   // 1 for a dealt game; 0 for a loaded one (its number is not known)
    int32_t paused;         // the board is hidden, the clock and the effects stand still

    GameRecord game;  // how the game in play will count in the records
    RecordsFile records;

    FilePath filePath;

    SoundEvent sounds[SoundEventCount];

    char numberText[16];

    Random random;  // the program's one random generator
};
