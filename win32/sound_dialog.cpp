#include "win32/sound_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include "game/app_state.h"
#include "game/host.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"
#include "win32/system_function.h"

namespace {

enum SoundColumn { CheckColumn = 0, EventColumn = 1, FileColumn = 2 };

HWND soundList(HWND dialog) { return GetDlgItem(dialog, IDC_SOUND_LIST); }

void insertColumn(HWND list, int index, const char* text, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(text);
    column.cx = width;
    ListView_InsertColumn(list, index, &column);
}

void onInitDialog(HWND dialog, AppState& app) {
    HWND list = soundList(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    insertColumn(list, CheckColumn, "", 30);  // the check box alone
    insertColumn(list, EventColumn, "Event", 100);
    insertColumn(list, FileColumn, "File name", 360);
    for (int i = 0; i < SoundEventCount; ++i) {
        LVITEMA row{};
        row.mask = LVIF_TEXT;
        row.iItem = i;
        row.pszText = const_cast<char*>("");
        ListView_InsertItem(list, &row);
        ListView_SetItemText(list, i, EventColumn, app.sounds[i].name);
        ListView_SetItemText(list, i, FileColumn, app.sounds[i].file);
        ListView_SetCheckState(list, i, app.sounds[i].enable != 0);
    }
}

void takeList(HWND dialog, AppState& app) {
    HWND list = soundList(dialog);
    for (int i = 0; i < SoundEventCount; ++i) {
        SoundEvent& sound = app.sounds[i];
        sound.enable = ListView_GetCheckState(list, i) ? 1 : 0;
        ListView_GetItemText(list, i, EventColumn, sound.name, kTextSize);
        ListView_GetItemText(list, i, FileColumn, sound.file, kTextSize);
    }
}

void setDefaultFiles(HWND dialog) {
    HWND list = soundList(dialog);
    for (int i = 0; i < SoundEventCount; ++i) {
        char path[kTextSize];
        defaultSoundPath(i, path);
        ListView_SetItemText(list, i, FileColumn, path);
        ListView_SetCheckState(list, i, TRUE);
    }
}

// The row last selected, or -1 after telling the player to select one.
int selectedRow(HWND dialog, AppState& app) {
    const int row = ListView_GetSelectionMark(soundList(dialog));
    if (row < 0) showMessage(app, dialog, "Please select a line in list box.", MessageIcon::None);
    return row;
}

// Whether its box is on or not; an unplayable file gives the system's sound.
void playRow(HWND dialog, int row) {
    char file[kTextSize];
    ListView_GetItemText(soundList(dialog), row, FileColumn, file, kTextSize);
    PlaySoundA(file, nullptr, SND_ASYNC);
}

// The chosen full path replaces the row's file; the current folder stays, so
// the relative paths of the program keep their meaning.
void selectRowFile(HWND dialog, int row) {
    char file[kTextSize] = "";
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.lpstrFilter = "Wave file (*.wav)\0*.wav\0";
    choice.lpstrFile = file;
    choice.nMaxFile = kTextSize;
    choice.lpstrTitle = "Please select a wave file";
    choice.Flags =
        OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
    auto* chooseFile = systemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (chooseFile != nullptr && chooseFile(&choice)) ListView_SetItemText(soundList(dialog), row, FileColumn, file);
}

void onCommand(HWND dialog, AppState& app, int id) {
    switch (id) {
    case IDOK:
        takeList(dialog, app);
        EndDialog(dialog, IDOK);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_SOUND_DEFAULT:
        setDefaultFiles(dialog);
        break;
    case IDC_PLAY: {
        const int row = selectedRow(dialog, app);
        if (row >= 0) playRow(dialog, row);
        break;
    }
    case IDC_SELECT: {
        const int row = selectedRow(dialog, app);
        if (row >= 0) selectRowFile(dialog, row);
        break;
    }
    case IDC_SET_ALL:
        setAllSoundChecks(dialog, true);
        break;
    case IDC_RESET_ALL:
        setAllSoundChecks(dialog, false);
        break;
    }
}

}  // namespace

void setAllSoundChecks(HWND dialog, bool on) {
    HWND list = soundList(dialog);
    const int rows = ListView_GetItemCount(list);
    for (int i = 0; i < rows; ++i) ListView_SetCheckState(list, i, on);
}

INT_PTR CALLBACK soundDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog, app);
        return TRUE;
    case WM_COMMAND:
        onCommand(dialog, app, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void openSoundDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_SOUND), app.platform->mainWindow,
                    soundDialog, 0);
}
