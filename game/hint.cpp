#include "game/hint.h"

#include <initializer_list>

#include "game/app_state.h"
#include "game/hint_pair.h"
#include "game/host.h"
#include "game/records.h"

void showHint(AppState& app) {
    Move move;
    if (!chooseHintPair(app, move)) {
        showMessage(app, kMainWindow, "There is no variant!", MessageIcon::Information);
        return;
    }
    if (app.focused != 0) {  // the keys go on from the pair shown
        app.focusX = move.first.x;
        app.focusY = move.first.y;
        app.focusZ = move.first.z;
    }
    for (const Anchor& tile : {move.first, move.second}) {
        Cell& cell = cellAt(app.board, tile.z, tile.y, tile.x);
        cell.effect = EffectBlankFlash;
        cell.opacity = 100;
        cell.ticks = 10;
    }
    noteHelperUsed(app);
    playEventSound(app, SoundPairCompleted);
    requestRepaint(app);
}
