// The Select deal dialog: the current puzzle's name, the current deal's
// number ready to be changed, and OK deals the number typed.
#include <windows.h>

#include <string>

#include "game/app_state.h"
#include "game/deal_number.h"
#include "game/host.h"
#include "game/new_game.h"
#include "game/statistics_view.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"

namespace {

// The box holds the number of the game in play; a loaded game has none, so
// the box starts empty for a number to be typed.
void fillDealDialog(HWND dialog, const AppState& app) {
    SetDlgItemTextA(dialog, IDC_DEAL_PUZZLE, puzzleTitle(app.lastGame).c_str());
    SendDlgItemMessageA(dialog, IDC_DEAL_NUMBER, EM_LIMITTEXT, 20, 0);
    if (app.dealNumbered != 0)
        SetDlgItemTextA(dialog, IDC_DEAL_NUMBER, std::to_string(app.dealNumber).c_str());
}

// A number that does not read is refused and the dialog stays open; one that
// does is dealt, as New game deals, once the dialog has gone.
bool takeDealNumber(HWND dialog, AppState& app, uint32_t& number) {
    char text[32] = {};
    GetDlgItemTextA(dialog, IDC_DEAL_NUMBER, text, sizeof text);
    if (readDealNumber(text, number)) return true;
    showMessage(app, dialog, kDealNumberRefused, MessageIcon::Information);
    SetFocus(GetDlgItem(dialog, IDC_DEAL_NUMBER));
    SendDlgItemMessageA(dialog, IDC_DEAL_NUMBER, EM_SETSEL, 0, -1);
    return false;
}

INT_PTR CALLBACK selectDealDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);  // where OK leaves the number
        fillDealDialog(dialog, app);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            uint32_t& number = *reinterpret_cast<uint32_t*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (takeDealNumber(dialog, app, number)) EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void openSelectDealDialog(AppState& app) {
    uint32_t number = 0;
    if (DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_SELECT_DEAL), app.platform->mainWindow,
                        selectDealDialog, reinterpret_cast<LPARAM>(&number)) == IDOK)
        dealByNumber(app, number);
}
