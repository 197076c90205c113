// The Save puzzle and Save game dialogs: a file name is typed, checked, and
// the puzzle or the game is written under it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "files/file_path.h"
#include "files/puzzle_file.h"
#include "files/saved_game.h"
#include "game/app_state.h"
#include "game/host.h"
#include "game/new_game.h"
#include "game/save_and_load.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"

namespace {

// Takes the typed name, less the blanks around it, into filePath.name; a
// blank name or one with a forbidden character is refused with a message and
// the dialog stays open.
bool takeTypedName(HWND dialog, AppState& app) {
    GetDlgItemTextA(dialog, IDC_FILE_NAME, app.filePath.name, kTextSize);
    trimName(app.filePath);
    if (nameIsBlank(app.filePath)) {
        showMessage(app, dialog, "Please enter a file name.", MessageIcon::Information);
        return false;
    }
    if (!nameIsLegal(app.filePath)) {
        const std::string text = std::string("File name has illegal symbols: ") + app.filePath.illegalChars;
        showMessage(app, dialog, text.c_str(), MessageIcon::Error);
        return false;
    }
    return true;
}

// OK and Cancel of both dialogs. The dialog closes after the save whatever
// its outcome: the save has shown its own messages.
INT_PTR onSaveCommand(HWND dialog, AppState& app, WPARAM wParam, void (*save)(AppState&)) {
    switch (LOWORD(wParam)) {
    case IDOK:
        if (takeTypedName(dialog, app)) {
            save(app);
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// The name may fill the path record's buffer, and no more: the edit box
// takes no longer name than can be used whole.
void limitName(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_FILE_NAME, EM_LIMITTEXT, kTextSize - 1, 0);
}

// The puzzle is written first; the game on it is dealt only once it is on
// disk, as New game deals on a listed puzzle.
void savePuzzleAndPlay(AppState& app) {
    if (savePuzzle(app)) newGame(app);
}

INT_PTR CALLBACK savePuzzleDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG: {
        limitName(dialog);
        const int count = countTiles(app.board);
        if (count != kTileCount) {
            char text[80];
            std::snprintf(text, sizeof text,
                          "The number of tiles must be 144, now: %d, please correct.", count);
            showMessage(app, dialog, text, MessageIcon::Information);
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    }
    case WM_COMMAND:
        return onSaveCommand(dialog, app, wParam, savePuzzleAndPlay);
    }
    return FALSE;
}

INT_PTR CALLBACK saveGameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        limitName(dialog);
        return TRUE;
    case WM_COMMAND:
        return onSaveCommand(dialog, app, wParam, saveGame);
    }
    return FALSE;
}

}  // namespace

void openSavePuzzleDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_SAVE_PUZZLE),
                    app.platform->mainWindow, savePuzzleDialog, 0);
}

void openSaveGameDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_SAVE_GAME), app.platform->mainWindow,
                    saveGameDialog, 0);
}
