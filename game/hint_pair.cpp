#include "game/hint_pair.h"

#include "game/app_state.h"

namespace {

// A tile is in play from its deal until its pair starts to vanish.
bool inPlay(const Cell& cell) { return cell.number != 0 && cell.effect != EffectVanishing; }

// Whether the tiles in play on `board` are exactly those of `position`.
bool samePosition(const Board& position, const Board& board) {
    for (int i = 0; i < kCells; ++i) {
        const Cell& was = position.cells[i];
        const Cell& now = board.cells[i];
        if (!inPlay(now)) {
            if (was.number != 0) return false;
        } else if (now.number != was.number || now.type != was.type) {
            return false;
        }
    }
    return true;
}

}  // namespace

void noteWinningStart(AppState& app, const Board& position, const Move& pair) {
    WinningStart& start = app.winningStart;
    start.known = 1;
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = position.cells[i];
        start.position.cells[i] = inPlay(cell) ? Cell{cell.type, cell.number, 0, 0, 0} : Cell{};
    }
    start.pair = pair;
}

bool chooseHintPair(AppState& app, Move& move) {
    const WinningStart& start = app.winningStart;
    if (app.hintSafe != 0 && start.known != 0 && samePosition(start.position, app.board)) {
        move = start.pair;
        return true;
    }
    return findMoves(app.random, app.board, move) != 0;
}
