#include "game/winning_start.h"

namespace {

// A tile is in play from its deal until its pair starts to vanish.
bool inPlay(const Cell& cell) { return cell.number != 0 && cell.effect != EffectVanishing; }

}  // namespace

void noteWinningStart(WinningStart& start, const Board& position, const Move& pair) {
    start.known = 1;
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = position.cells[i];
        start.position.cells[i] = inPlay(cell) ? Cell{cell.type, cell.number, 0, 0, 0} : Cell{};
    }
    start.pair = pair;
}

bool winningStartHolds(const WinningStart& start, const Board& board) {
    if (start.known == 0) return false;
    for (int i = 0; i < kCells; ++i) {
        const Cell& was = start.position.cells[i];
        const Cell& now = board.cells[i];
        if (!inPlay(now)) {
            if (was.number != 0) return false;
        } else if (now.number != was.number || now.type != was.type) {
            return false;
        }
    }
    return true;
}
