// Resource and command ids. Ids only: shared by the resource script, the
// Win32 layer and the portable menu rules.
#pragma once

// Strings
#define IDS_APP_TITLE 103
#define IDS_CLASS_NAME 109
#define IDS_CREDITS 1018
#define IDS_COPYRIGHT 1019
#define IDS_VERSION 1020

// Icons, bitmaps, menu and accelerators
#define IDI_KELVARIN 107
#define IDI_SMALL 108
#define IDC_KELVARIN 109
#define IDB_TILE_SHEET 129
#define IDB_ABOUT 141
#define IDB_TILE_SHEET_LARGE 143  // raw data: a PNG
#define IDB_ABOUT_LARGE 144       // raw data: a PNG
#define IDB_LARGE_PRINT_SHEET 145        // raw data: PNGs of the other tile sets
#define IDB_LARGE_PRINT_SHEET_LARGE 146
#define IDB_NIGHT_SHEET 147
#define IDB_NIGHT_SHEET_LARGE 148

// Dialogs
#define IDD_SAVE_PUZZLE 130
#define IDD_NEW_GAME 131
#define IDD_SAVE_GAME 132
#define IDD_LOAD_GAME 133
#define IDD_VIEW 134
#define IDD_SOUND 139
#define IDD_ABOUT 140
#define IDD_STATISTICS 142
#define IDD_SELECT_DEAL 143

// Menu commands
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_CREATE_PUZZLE 32771
#define IDM_SAVE_PUZZLE 32773
#define IDM_LAYER_UP 32774
#define IDM_LAYER_DOWN 32775
#define IDM_NEW_GAME 32783
#define IDM_HINT 32788
#define IDM_SAVE_GAME 32791
#define IDM_LOAD_GAME 32793
#define IDM_SOUND 32797
#define IDM_VIEW 32798
#define IDM_USER_MANUAL 32801
#define IDM_TUTORIAL 32802
#define IDM_HOME_PAGE 32803
#define IDM_RESTART_GAME 32808
#define IDM_ZOOM_IN 32814
#define IDM_ZOOM_OUT 32815
#define IDM_UNDO 32816
#define IDM_REDO 32817
#define IDM_WINNABLE_ONLY 32818
#define IDM_SHUFFLE 32819
#define IDM_STATISTICS 32820
#define IDM_PAUSE 32821
#define IDM_HINT_SAFE 32822
#define IDM_SELECT_DEAL 32823

// The main window's status bar
#define IDC_STATUS_BAR 1100

// About box controls
#define IDC_ABOUT_PICTURE 1009
#define IDC_ABOUT_VERSION 1010
#define IDC_ABOUT_CREDITS 1018
#define IDC_ABOUT_COPYRIGHT 1019

// Controls of the file dialogs (Save puzzle, New game, Save game, Load game)
#define IDC_FILE_NAME 1000
#define IDC_FILE_LIST 1001
#define IDC_PREVIEW 1002
#define IDC_DELETE 3

// Controls of the view dialog
#define IDC_BACK_SWATCH 3
#define IDC_SET_DEFAULT 4
#define IDC_APPLY 5
#define IDC_INK_SWATCH 7
#define IDC_PATTERN_LIST 1001
#define IDC_SAMPLE 1002
#define IDC_SOLID_COLOR 1005
#define IDC_PATTERN_IMAGE 1006
#define IDC_SCALE_LIST 1008
#define IDC_AUTO_SCALE 1022
#define IDC_TILE_SET 1023

// Controls of the sound dialog
#define IDC_SOUND_DEFAULT 3
#define IDC_PLAY 4
#define IDC_SELECT 5
#define IDC_SET_ALL 6
#define IDC_RESET_ALL 7
#define IDC_SOUND_LIST 1001

// Controls of the statistics dialog
#define IDC_STATISTICS_RESET 3
#define IDC_STATISTICS_LIST 1001

// Controls of the Select deal dialog
#define IDC_DEAL_PUZZLE 1000
#define IDC_DEAL_NUMBER 1001
