// The New game dialog: the puzzles of "Puzzle" in a list, the selected one
// in the preview, and OK deals a game on it.
#include <windows.h>

#include "game/app_state.h"
#include "game/host.h"
#include "game/new_game.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"
#include "win32/preview.h"

namespace {

// Lists the puzzles and selects the current one; false when there is none.
bool fillPuzzleList(HWND dialog, const AppState& app) {
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    SendMessageA(list, LB_DIR, 0, reinterpret_cast<LPARAM>("Puzzle\\*.kvl"));
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0) return false;
    // The first line that begins with lastGame, in any letter case.
    const LRESULT found =
        SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(app.lastGame));
    SendMessageA(list, LB_SETCURSEL, found > 0 ? found : 0, 0);
    return true;
}

INT_PTR CALLBACK newGameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        if (!fillPuzzleList(dialog, app)) {
            showMessage(app, dialog, "Puzzles is not found, please reinstall the game.",
                        MessageIcon::Error);
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(dialog, &paint);
        drawPuzzlePreview(dialog, app);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (selectedFileName(dialog, app.lastGame)) newGame(app);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_FILE_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                InvalidateRect(dialog, nullptr, FALSE);
                return TRUE;
            }
            if (HIWORD(wParam) == LBN_DBLCLK) {
                SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                return TRUE;
            }
            break;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void openNewGameDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_NEW_GAME), app.platform->mainWindow,
                    newGameDialog, 0);
}
