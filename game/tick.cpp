#include "game/tick.h"

#include "game/app_state.h"
#include "game/end_of_game.h"
#include "game/history.h"
#include "game/host.h"
#include "rules/deal.h"

namespace {

struct TickResult {
    bool layerSound = false;
    int removed = 0;    // tiles that left the board
    TakenTile taken[2]{};  // the first two of them: the pair
    bool flashEnded = false;
    bool redraw = false;
    int nextLayer = 0;  // the layer whose turn to appear has come; 0 = none
};

void advanceCell(AppState& app, int index, int z, TickResult& result) {
    Cell& cell = app.board.cells[index];
    switch (cell.effect) {
    case EffectNone:
        break;
    case EffectAppearing:
        if (cell.ticks == 10) result.layerSound = true;
        if (cell.ticks == 0) break;  // waiting for its layer's turn
        if (--cell.ticks == 0) {
            cell.effect = EffectNone;
            result.nextLayer = z + 1;
            result.redraw = true;
        }
        break;
    case EffectBlankFlash:
    case EffectStopFlash:
        if (--cell.ticks <= 0) {
            cell.effect = EffectNone;
            result.redraw = true;
            result.flashEnded = true;
        }
        break;
    case EffectVanishing:
        if (cell.opacity == 100) playEventSound(app, SoundPairCompleted);
        cell.opacity -= 4;
        if (cell.opacity <= 0) {
            if (result.removed < 2)
                result.taken[result.removed] = {index, cell.type, cell.number};
            ++result.removed;
            cell.number = 0;
            cell.effect = EffectNone;
        }
        result.redraw = true;
        break;
    default:
        cell.effect = EffectNone;
        break;
    }
}

// An empty layer (a puzzle may have one) is passed over: the next layer that
// holds tiles takes its turn.
void showNextLayer(AppState& app, int z) {
    while (z < kLayers && !layerHoldsTiles(app.board, z)) ++z;
    if (z == kLayers) {
        // The whole deal has appeared; the empty layers passed over wait no
        // more, so the clock can stop.
        showAllLayers(app.board);
        app.gameActive = 1;
        refreshMenu(app);
        return;
    }
    // A tile of the layer that was taken or flashed before its turn keeps
    // its effect: a vanishing pair must still leave the board.
    for (int i = z * kCellsPerLayer; i < (z + 1) * kCellsPerLayer; ++i) {
        Cell& cell = app.board.cells[i];
        if (cell.effect != EffectAppearing) continue;
        cell.opacity = 100;
        cell.ticks = 10;
    }
}

}  // namespace

void animationTick(AppState& app) {
    if (app.paused != 0) return;  // the effects wait with the clock
    TickResult result;
    for (int z = 0; z < kLayers; ++z)
        for (int i = z * kCellsPerLayer; i < (z + 1) * kCellsPerLayer; ++i)
            advanceCell(app, i, z, result);

    // The showing of each layer sounds like an unselection.
    if (result.layerSound) playEventSound(app, SoundUnselection);
    if (result.nextLayer != 0) showNextLayer(app, result.nextLayer);
    if (result.removed != 0) {
        if (result.removed == 2) {
            HistoryStep step{};
            step.tiles[0] = result.taken[0];
            step.tiles[1] = result.taken[1];
            recordStep(app.history, step);
        }
        afterPairRemoved(app);
    }
    // Shuffle waits for every effect to end: the menu offers it again then.
    if (result.flashEnded && !effectsRunning(app.board)) refreshMenu(app);
    if (result.redraw) requestRepaint(app);
}
