#include "game/history.h"

#include <cstring>

void clearHistory(History& history) {
    history.count = 0;
    history.cursor = 0;
    history.gameEnded = 0;
}

void recordStep(History& history, const HistoryStep& step) {
    if (history.cursor == kMaxSteps) {
        std::memmove(history.steps, history.steps + 1, sizeof(HistoryStep) * (kMaxSteps - 1));
        --history.cursor;
    }
    history.steps[history.cursor++] = step;
    history.count = history.cursor;
}

void noteFaces(const Board& board, Face (&faces)[kTileCount]) {
    int k = 0;
    for (const Cell& cell : board.cells)
        if (cell.number != 0 && k < kTileCount) faces[k++] = Face{int8_t(cell.type), int8_t(cell.number)};
}

void putFaces(Board& board, const Face (&faces)[kTileCount]) {
    int k = 0;
    for (Cell& cell : board.cells)
        if (cell.number != 0 && k < kTileCount) {
            cell.type = faces[k].type;
            cell.number = faces[k++].number;
        }
}
