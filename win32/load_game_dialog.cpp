// The Load game dialog: the saved games of "Save" in a list, the selected
// one in the preview; OK loads it, Delete removes it without a question.
#include <windows.h>

#include "files/file_path.h"
#include "files/saved_game.h"
#include "game/app_state.h"
#include "game/host.h"
#include "game/save_and_load.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"
#include "win32/preview.h"

namespace {

// The list afresh, with no line selected.
void fillSavedGameList(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_RESETCONTENT, 0, 0);
    SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_DIR, 0, reinterpret_cast<LPARAM>("Save\\*.kvg"));
}

// OK and Delete follow the selection; the preview then disables OK again
// when the selected file does not read.
void updateLoadButtons(HWND dialog) {
    const BOOL selected = SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(GetDlgItem(dialog, IDOK), selected);
    EnableWindow(GetDlgItem(dialog, IDC_DELETE), selected);
}

void deleteSelectedFile(HWND dialog, AppState& app) {
    if (!addressSelectedFile(dialog, app, "Save") || !deleteSavedFile(app, dialog)) return;
    // The Delete button is disabled next: the keyboard goes to the list.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_FILE_LIST)),
                 TRUE);
    fillSavedGameList(dialog);
    updateLoadButtons(dialog);
    InvalidateRect(dialog, nullptr, FALSE);
}

INT_PTR CALLBACK loadGameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        fillSavedGameList(dialog);
        updateLoadButtons(dialog);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(dialog, &paint);
        drawSavedGamePreview(dialog, app);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            // Also reached by a double click on a file that does not read:
            // loadGame then says so.
            char name[kTextSize];
            if (!selectedFileName(dialog, name)) return TRUE;
            loadGame(app, name, dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_DELETE:
            deleteSelectedFile(dialog, app);
            return TRUE;
        case IDC_FILE_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                updateLoadButtons(dialog);
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

void openLoadGameDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_LOAD_GAME), app.platform->mainWindow,
                    loadGameDialog, 0);
}
