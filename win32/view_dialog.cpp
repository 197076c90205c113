#include "win32/view_dialog.h"

#include <commdlg.h>

#include "game/app_state.h"
#include "game/geometry.h"
#include "game/host.h"
#include "resources/resource.h"
#include "view/view_settings.h"
#include "win32/background.h"
#include "view/preview_geometry.h"
#include "view/tile_art.h"
#include "win32/dialog_commands.h"
#include "win32/draw_board.h"
#include "win32/platform_state.h"
#include "win32/surfaces.h"
#include "win32/system_function.h"

namespace {

// Entry i of the scale drop-down stands for 50 + 12.5 i percent.
const char* const kScaleTexts[] = {"50", "62.5", "75", "87.5", "100"};

// Offered afresh each time the colour chooser opens; the player's changes
// to them are not kept.
const COLORREF kCustomColors[16] = {
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0x80FF00, 0xFFFF00, 0xFF8000,
    0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF, 0x646464, 0x969696, 0xAFAFAF, 0xC8C8C8};

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// A swatch holds its colour as its own text, a decimal number.
COLORREF swatchColor(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

// Shows the swatch's colour as a bitmap of the button's size.
void paintSwatch(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    RECT area;
    GetClientRect(button, &area);
    HDC dialogDC = GetDC(dialog);
    HBITMAP bitmap = CreateCompatibleBitmap(dialogDC, area.right, area.bottom);
    HDC memory = CreateCompatibleDC(dialogDC);
    HGDIOBJ displaced = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(swatchColor(dialog, id));
    FillRect(memory, &area, brush);
    SelectObject(memory, displaced);
    DeleteObject(brush);
    DeleteDC(memory);
    ReleaseDC(dialog, dialogDC);
    HGDIOBJ replaced = reinterpret_cast<HGDIOBJ>(
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (replaced != nullptr) DeleteObject(replaced);
}

void setSwatch(HWND dialog, int id, COLORREF color) {
    SetDlgItemInt(dialog, id, color, FALSE);
    paintSwatch(dialog, id);
}

// The swatch bitmaps belong to the dialog, not to the buttons.
void deleteSwatchImage(HWND dialog, int id) {
    LRESULT image = SendDlgItemMessageA(dialog, id, BM_SETIMAGE, IMAGE_BITMAP, 0);
    DeleteObject(reinterpret_cast<HGDIOBJ>(image));
}

void loadControls(HWND dialog, ViewSettings view) {
    CheckRadioButton(dialog, IDC_SOLID_COLOR, IDC_PATTERN_IMAGE,
                     view.backType != 0 ? IDC_PATTERN_IMAGE : IDC_SOLID_COLOR);
    CheckDlgButton(dialog, IDC_AUTO_SCALE, view.autoScale != 0 ? BST_CHECKED : BST_UNCHECKED);
    const int scaleEntry = static_cast<int>((view.scale - 50) / 12.5);
    SendDlgItemMessageA(dialog, IDC_SCALE_LIST, CB_SETCURSEL, scaleEntry, 0);
    setSwatch(dialog, IDC_BACK_SWATCH, view.colorBack);
    setSwatch(dialog, IDC_INK_SWATCH, view.colorInk);
    // The first entry beginning with the image name, ignoring case; else the first.
    const LPARAM image = reinterpret_cast<LPARAM>(view.backImage);
    const LRESULT found =
        SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_FINDSTRING, static_cast<WPARAM>(-1), image);
    SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_SETCURSEL, found == LB_ERR ? 0 : found, 0);
    SendDlgItemMessageA(dialog, IDC_TILE_SET, CB_SETCURSEL, view.tileArt, 0);
}

void readControls(HWND dialog, ViewSettings& view) {
    view.backType = isChecked(dialog, IDC_PATTERN_IMAGE) ? 1 : 0;
    const LRESULT selected = SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_GETCURSEL, 0, 0);
    // Nothing selected, or a name longer than the record holds: the old name stays.
    if (selected != LB_ERR &&
        SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_GETTEXTLEN, selected, 0) < kTextSize) {
        SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_GETTEXT, selected,
                            reinterpret_cast<LPARAM>(view.backImage));
    }
    view.colorBack = swatchColor(dialog, IDC_BACK_SWATCH);
    view.colorInk = swatchColor(dialog, IDC_INK_SWATCH);
    const LRESULT scaleEntry = SendDlgItemMessageA(dialog, IDC_SCALE_LIST, CB_GETCURSEL, 0, 0);
    view.scale = static_cast<double>(scaleEntry) * 12.5 + 50;
    view.autoScale = isChecked(dialog, IDC_AUTO_SCALE) ? 1 : 0;
    const LRESULT art = SendDlgItemMessageA(dialog, IDC_TILE_SET, CB_GETCURSEL, 0, 0);
    view.tileArt = art >= 0 && art < TileArtCount ? static_cast<int32_t>(art) : TileArtClassic;
}

void updateEnabling(HWND dialog) {
    const bool solid = isChecked(dialog, IDC_SOLID_COLOR);
    EnableWindow(GetDlgItem(dialog, IDC_BACK_SWATCH), solid);
    EnableWindow(GetDlgItem(dialog, IDC_PATTERN_LIST), !solid);
    EnableWindow(GetDlgItem(dialog, IDC_SAMPLE), !solid);
    EnableWindow(GetDlgItem(dialog, IDC_SCALE_LIST), !isChecked(dialog, IDC_AUTO_SCALE));
}

// A few tiles of every kind, two layers high, to show a tile set by.
void sampleTiles(Board& tiles) {
    clearBoard(tiles);
    const struct {
        int layer, row, column;
        TileType type;
        int number;
    } sample[] = {{0, 0, 0, TypeCircles, 5}, {0, 0, 2, TypeBamboo, 3}, {0, 0, 4, TypeCharacters, 8},
                  {0, 2, 0, TypeWinds, 3},   {0, 2, 2, TypeDragons, 2}, {0, 2, 4, TypeSeasons, 1},
                  {1, 1, 1, TypeFlowers, 2}, {1, 1, 3, TypeCircles, 9}};
    for (const auto& tile : sample) {
        Cell& cell = cellAt(tiles, tile.layer, tile.row, tile.column);
        cell.type = tile.type;
        cell.number = tile.number;
    }
}

// The sample shows the controls' values, applied or not: the background
// with a few tiles of the chosen set. It is drawn in the back buffer and
// copied into the box, which paints nothing itself.
void paintSample(HWND dialog, AppState& app) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    ViewSettings view{};
    readControls(dialog, view);
    HWND box = GetDlgItem(dialog, IDC_SAMPLE);
    RECT area;
    GetClientRect(box, &area);
    HDC buffer = app.platform->backBufferDC.dc;
    HBRUSH brush = createBackgroundBrush(view);
    FillRect(buffer, &area, brush);
    DeleteObject(brush);

    Board& tiles = app.platform->previewTiles;
    sampleTiles(tiles);
    const double scale = previewScale(app);
    const PixelPoint origin = previewOrigin(tiles, scale, area.right, area.bottom);
    const int selected = app.selectedX;  // no tile of the sample is selected
    app.selectedX = -1;
    drawBoard(app, buffer, tiles, previewSheet(app, view.tileArt), origin.x, origin.y, scale);
    app.selectedX = selected;

    HDC boxDC = GetDC(box);
    BitBlt(boxDC, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
    ReleaseDC(box, boxDC);
    EndPaint(dialog, &paint);
}

// The colour chooser opens on no colour of its own (only CC_ANYCOLOR).
void chooseSwatchColor(HWND dialog, int id) {
    COLORREF custom[16];
    for (int i = 0; i < 16; ++i) custom[i] = kCustomColors[i];
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.lpCustColors = custom;
    choice.Flags = CC_ANYCOLOR;
    auto* chooseColor = systemFunction<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
    if (chooseColor == nullptr || !chooseColor(&choice)) return;
    setSwatch(dialog, id, choice.rgbResult);
    InvalidateRect(dialog, nullptr, FALSE);
}

void onInitDialog(HWND dialog, AppState& app) {
    // Ordinary files only, named without the folder.
    SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_DIR, 0,
                        reinterpret_cast<LPARAM>("Background\\*.bmp"));
    for (const char* text : kScaleTexts) {
        SendDlgItemMessageA(dialog, IDC_SCALE_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int32_t art = 0; art < TileArtCount; ++art) {
        SendDlgItemMessageA(dialog, IDC_TILE_SET, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tileArtName(art)));
    }
    loadControls(dialog, app.view);
    updateEnabling(dialog);
}

void onCommand(HWND dialog, AppState& app, int id, int notification) {
    switch (id) {
    case IDOK:
        readControls(dialog, app.view);
        applyView(app);
        EndDialog(dialog, IDOK);
        break;
    case IDC_APPLY:
        readControls(dialog, app.view);
        applyView(app);
        break;
    case IDCANCEL:  // what Apply put in force stays
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_BACK_SWATCH:
    case IDC_INK_SWATCH:
        chooseSwatchColor(dialog, id);
        break;
    case IDC_SET_DEFAULT: {
        ViewSettings defaults;
        setViewDefaults(defaults);
        loadControls(dialog, defaults);
        updateEnabling(dialog);
        InvalidateRect(dialog, nullptr, FALSE);
        break;
    }
    case IDC_SOLID_COLOR:
    case IDC_PATTERN_IMAGE:
    case IDC_AUTO_SCALE:
        updateEnabling(dialog);
        InvalidateRect(dialog, nullptr, FALSE);
        break;
    case IDC_TILE_SET:
        if (notification == CBN_SELCHANGE) {
            InvalidateRect(dialog, nullptr, FALSE);
            ViewSettings chosen{};
            readControls(dialog, chosen);
            prepareSheet(app, chosen.tileArt);  // OK then only swaps it in
        }
        break;
    case IDC_PATTERN_LIST:
        if (notification == LBN_SELCHANGE) InvalidateRect(dialog, nullptr, FALSE);
        if (notification == LBN_DBLCLK) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        break;
    }
}

}  // namespace

void applyView(AppState& app) {
    rescaleSheet(app);
    retint(app);
    rebuildBackground(app);
    layoutBoard(app);
    requestRepaint(app);
}

INT_PTR CALLBACK viewDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    AppState& app = *appOf(GetParent(dialog));
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog, app);
        return TRUE;
    case WM_PAINT:
        paintSample(dialog, app);
        return TRUE;
    case WM_COMMAND:
        onCommand(dialog, app, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        deleteSwatchImage(dialog, IDC_BACK_SWATCH);
        deleteSwatchImage(dialog, IDC_INK_SWATCH);
        dropPreviewSheet(app);  // the sample's set, whether chosen or not
        dropPreparedSheet(app);
        break;
    }
    return FALSE;
}

void openViewDialog(AppState& app) {
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_VIEW), app.platform->mainWindow,
                    viewDialog, 0);
}
