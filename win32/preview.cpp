#include "win32/preview.h"

#include <cstring>
#include <string>

#include "files/file_path.h"
#include "files/puzzle_file.h"
#include "files/saved_game.h"
#include "game/app_state.h"
#include "resources/resource.h"
#include "view/preview_geometry.h"
#include "win32/draw_board.h"
#include "win32/platform_state.h"
#include "win32/surfaces.h"

namespace {

// The picture is composed in the back buffer's top-left corner, which the
// main window's next paint covers again, and copied to the box in one piece.
// A layout larger than the box is drawn below the box's area at its size,
// shrunk beside it, and laid into the box without its key colour.
struct PreviewBox {
    HWND control;
    RECT area;          // the box's client rectangle, from (0, 0)
    PixelSize picture;  // the layout at a quarter
    PixelRect place;    // where it goes in the box, shrunk when larger
};

bool shrunk(const PreviewBox& box) {
    return box.place.width != box.picture.width || box.place.height != box.picture.height;
}

// The back buffer is grown to all the room the layout needs before the box
// is filled: growing it replaces the bitmap, fill and all. The window may be
// smaller than the box, let alone than a shrunk picture.
PreviewBox beginPreview(HWND dialog, AppState& app, const Board& layout) {
    PreviewBox box{GetDlgItem(dialog, IDC_PREVIEW), RECT{}, previewSize(layout, previewScale(app)), PixelRect{}};
    GetClientRect(box.control, &box.area);
    const int width = box.area.right, height = box.area.bottom;
    box.place = previewPlace(box.picture, width, height);
    fitBackBuffer(app, width, height);
    if (shrunk(box))
        fitBackBuffer(app, box.picture.width + box.place.width, height + box.picture.height);
    FillRect(app.platform->backBufferDC.dc, &box.area, app.platform->backgroundBrush);
    return box;
}

void drawMessage(const AppState& app, const PreviewBox& box, const std::string& message) {
    HDC buffer = app.platform->backBufferDC.dc;
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, app.view.colorInk);
    RECT area = box.area;
    DrawTextA(buffer, message.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

// Draws the tiles at a quarter of full size with the face of a layer-0 tile
// at column 0, row 0 at (x, y) of the back buffer.
void drawQuarter(AppState& app, const Board& tiles, int x, int y) {
    // The game's selected tile is no tile of a preview: it gets no tint.
    const int selected = app.selectedX;
    app.selectedX = -1;
    drawBoard(app, app.platform->backBufferDC.dc, tiles, previewSheet(app, app.view.tileArt), x, y, previewScale(app));
    app.selectedX = selected;
}

// A colour no tile holds: what is left of it after the tiles are drawn is
// the background, which a shrunk picture leaves as it was.
constexpr COLORREF kKeyColour = RGB(248, 0, 248);  // exact in every pixel format

// `tiles` placed as on the board of `layout`, centred by the layout's size;
// shrunk into the box when the layout is larger.
void drawTiles(AppState& app, const PreviewBox& box, const Board& layout, const Board& tiles) {
    const int boxWidth = box.area.right, boxHeight = box.area.bottom;
    if (!shrunk(box)) {
        const PixelPoint origin = previewOrigin(layout, previewScale(app), boxWidth, boxHeight);
        drawQuarter(app, tiles, origin.x, origin.y);
        return;
    }
    const PixelSize size = box.picture;
    const PixelRect place = box.place;
    HDC buffer = app.platform->backBufferDC.dc;
    const RECT picture{0, boxHeight, size.width, boxHeight + size.height};
    HBRUSH key = CreateSolidBrush(kKeyColour);
    FillRect(buffer, &picture, key);
    DeleteObject(key);
    const PixelPoint origin = previewOrigin(layout, previewScale(app), size.width, size.height);
    drawQuarter(app, tiles, origin.x, boxHeight + origin.y);
    SetStretchBltMode(buffer, COLORONCOLOR);
    StretchBlt(buffer, size.width, boxHeight, place.width, place.height, buffer, 0, boxHeight,
               size.width, size.height, SRCCOPY);
    TransparentBlt(buffer, place.x, place.y, place.width, place.height, buffer, size.width,
                   boxHeight, place.width, place.height, kKeyColour);
}

void endPreview(const AppState& app, const PreviewBox& box) {
    HDC control = GetDC(box.control);
    BitBlt(control, 0, 0, box.area.right, box.area.bottom, app.platform->backBufferDC.dc, 0, 0,
           SRCCOPY);
    ReleaseDC(box.control, control);
}

}  // namespace

bool selectedFileName(HWND dialog, char (&name)[kTextSize]) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return false;
    // LB_GETTEXT writes the whole line: measure it first.
    const LRESULT length = SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length >= kTextSize) return false;
    SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name));
    return true;
}

bool addressSelectedFile(HWND dialog, AppState& app, const char* folder) {
    FilePath& path = app.filePath;
    if (!selectedFileName(dialog, path.name)) return false;
    std::strcpy(path.folder, folder);
    path.extension[0] = '\0';
    return true;
}

// The file is read before the box is begun: its layout decides the room.
void drawPuzzlePreview(HWND dialog, AppState& app) {
    Layout& layout = app.platform->previewLayout;
    clearBoard(layout);
    std::string message;
    bool read = false;
    if (!addressSelectedFile(dialog, app, "Puzzle"))
        message = "File is not selected";
    else
        read = readField(app.filePath, message, layout);
    const PreviewBox box = beginPreview(dialog, app, layout);
    if (read) drawTiles(app, box, layout, layout);
    if (!message.empty()) drawMessage(app, box, message);
    endPreview(app, box);
}

void drawSavedGamePreview(HWND dialog, AppState& app) {
    Layout& layout = app.platform->previewLayout;
    Board& tiles = app.platform->previewTiles;
    clearBoard(layout);
    clearBoard(tiles);
    std::string message;
    bool read = false;
    if (!addressSelectedFile(dialog, app, "Save"))
        message = "File is not selected";
    else
        read = readField(app.filePath, message, layout) &&
               readTiles(app.filePath, app.tileSet, tiles, message);
    EnableWindow(GetDlgItem(dialog, IDOK), read);
    const PreviewBox box = beginPreview(dialog, app, layout);
    if (read)
        drawTiles(app, box, layout, tiles);
    else
        drawMessage(app, box, message);
    endPreview(app, box);
}
