#include "win32/commands.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "game/app_state.h"
#include "game/editor.h"
#include "game/geometry.h"
#include "game/hint.h"
#include "game/history.h"
#include "game/host.h"
#include "game/new_game.h"
#include "game/pause.h"
#include "game/shuffle.h"
#include "game/undo.h"
#include "resources/resource.h"
#include "rules/moves.h"
#include "view/area_scale.h"
#include "view/metrics.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"
#include "win32/sheet_art.h"
#include "win32/system_function.h"

namespace {

// On a denser screen than 96 DPI the template's picture would be small: the
// large art, averaged to the picture's size at this DPI, takes its place.
void sharpenAboutPicture(HWND dialog, HINSTANCE instance, int dpi) {
    Pixels art{};
    if (dpi == kBaseDpi || !pngPixels(instance, IDB_ABOUT_LARGE, art)) return;
    Pixels picture{};
    scaleByArea(art, Ratio{dpi, kBaseDpi * kLargeArtDensity}, Ratio{dpi, kBaseDpi * kLargeArtDensity}, picture);
    const LRESULT old = SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                                            reinterpret_cast<LPARAM>(pictureBitmap(picture)));
    if (old != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(old));
}

INT_PTR CALLBACK aboutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
        char text[100];
        LoadStringA(instance, IDS_CREDITS, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_ABOUT_CREDITS, text);
        LoadStringA(instance, IDS_COPYRIGHT, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_ABOUT_COPYRIGHT, text);
        char version[16];
        LoadStringA(instance, IDS_VERSION, version, sizeof version);
        const AppState* app = appOf(GetParent(dialog));
        char line[kTextSize + 32];
        std::snprintf(line, sizeof line, "%s version %s", app != nullptr ? app->programName : "",
                      version);
        SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, line);
        if (app != nullptr) sharpenAboutPicture(dialog, instance, app->dpi);
        return TRUE;
    }
    case WM_DESTROY:
        // A picture set by a message stays the dialog's to delete.
        if (const AppState* app = appOf(GetParent(dialog)); app != nullptr && app->dpi != kBaseDpi)
            DeleteObject(reinterpret_cast<HGDIOBJ>(
                SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void openAbout(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_ABOUT), app.platform->mainWindow,
                    aboutDialog, 0);
}

// The shell's "open" verb, from shell32 loaded on first use.
void shellOpen(AppState& app, const char* file, const char* parameters) {
    auto* open = systemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (open != nullptr) open(app.platform->mainWindow, "open", file, parameters, nullptr, SW_SHOWNORMAL);
}

void openHomePage(AppState& app) { shellOpen(app, "orvane.url", nullptr); }

void toggleWinnableOnly(AppState& app) {
    app.winnableOnly = app.winnableOnly != 0 ? 0 : 1;
    showWinnableOnly(app);
}

}  // namespace

void showWinnableOnly(AppState& app) {
    CheckMenuItem(GetMenu(app.platform->mainWindow), IDM_WINNABLE_ONLY,
                  app.winnableOnly != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void openHelp(AppState& app, int topic) {
    char parameters[2 * kTextSize];
    if (topic == 0) {
        std::snprintf(parameters, sizeof parameters, "%s.chm", app.programName);
    } else {
        std::snprintf(app.numberText, sizeof app.numberText, "%d", topic);
        std::snprintf(parameters, sizeof parameters, "-mapid %s %s.chm", app.numberText,
                      app.programName);
    }
    shellOpen(app, "HH", parameters);
}

bool runCommand(AppState& app, unsigned id) {
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(app.platform->mainWindow);
        return true;  // the menu is gone with the window
    case IDM_NEW_GAME: openNewGameDialog(app); break;
    case IDM_LOAD_GAME: openLoadGameDialog(app); break;
    case IDM_SAVE_GAME: openSaveGameDialog(app); break;
    case IDM_RESTART_GAME: restartGame(app); break;
    case IDM_HINT: showHint(app); break;
    case IDM_UNDO: undoStep(app); break;
    case IDM_REDO: redoStep(app); break;
    case IDM_SHUFFLE: shuffleBoard(app); break;
    case IDM_PAUSE: togglePause(app); break;
    case IDM_STATISTICS: openStatisticsDialog(app); break;
    case IDM_CREATE_PUZZLE: createPuzzle(app); break;
    case IDM_LAYER_UP: changeEditorLayer(app, +1); break;
    case IDM_LAYER_DOWN: changeEditorLayer(app, -1); break;
    case IDM_SAVE_PUZZLE: openSavePuzzleDialog(app); break;
    case IDM_SOUND: openSoundDialog(app); break;
    case IDM_VIEW: openViewDialog(app); break;
    case IDM_WINNABLE_ONLY: toggleWinnableOnly(app); break;
    case IDM_USER_MANUAL: openHelp(app, 0); break;
    case IDM_TUTORIAL: openHelp(app, 1); break;
    case IDM_ABOUT: openAbout(app); break;
    case IDM_HOME_PAGE: openHomePage(app); break;
    case IDM_ZOOM_IN: zoom(app, +1); break;
    case IDM_ZOOM_OUT: zoom(app, -1); break;
    default: return false;
    }
    refreshMenu(app);
    return true;
}
