#include "win32/surfaces.h"

#include "game/app_state.h"
#include "game/host.h"
#include "resources/resource.h"
#include "win32/platform_state.h"

namespace {

constexpr COLORREF kShadeColor = 0x969696;
constexpr int kShadeWidth = 144, kShadeHeight = 168;

void selectBitmap(Surface& surface, HBITMAP bitmap) {
    surface.bitmap = bitmap;
    surface.displaced = SelectObject(surface.dc, bitmap);
}

// Puts the first bitmap back and deletes the surface's own; the memory
// surface itself stays.
void dropBitmap(Surface& surface) {
    if (surface.bitmap == nullptr) return;
    SelectObject(surface.dc, surface.displaced);
    DeleteObject(surface.bitmap);
    surface.bitmap = nullptr;
}

// A bitmap of the display's kind, `width` x `height`, as the surface's own.
void newBitmap(const PlatformState& p, Surface& surface, int width, int height) {
    dropBitmap(surface);
    HDC window = GetDC(p.mainWindow);
    selectBitmap(surface, CreateCompatibleBitmap(window, width, height));
    ReleaseDC(p.mainWindow, window);
}

void release(Surface& surface) {
    if (surface.dc == nullptr) return;
    dropBitmap(surface);
    DeleteDC(surface.dc);
    surface = Surface{};
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// The whole sheet, stretched from its own size to `percent` of it. The sheet
// itself is loaded for the stretch and let go again: a scale changes rarely,
// and the full-size sheet is the largest bitmap of all.
void stretchSheet(PlatformState& p, Surface& target, double percent) {
    selectBitmap(p.sheetDC, LoadBitmapA(p.instance, MAKEINTRESOURCEA(IDB_TILE_SHEET)));
    const SIZE sheet = bitmapSize(p.sheetDC.bitmap);
    const int width = static_cast<int>(sheet.cx * percent / 100);
    const int height = static_cast<int>(sheet.cy * percent / 100);
    newBitmap(p, target, width, height);
    SetStretchBltMode(target.dc, HALFTONE);
    SetBrushOrgEx(target.dc, 0, 0, nullptr);
    StretchBlt(target.dc, 0, 0, width, height, p.sheetDC.dc, 0, 0, sheet.cx, sheet.cy, SRCCOPY);
    dropBitmap(p.sheetDC);
}

}  // namespace

void fillSurface(const Surface& surface, int width, int height, COLORREF color) {
    const RECT area{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(surface.dc, &area, brush);
    DeleteObject(brush);
}

void createSurfaces(AppState& app) {
    PlatformState& p = *app.platform;
    Surface* const all[] = {&p.sheetDC, &p.scaledSheetDC, &p.previewSheetDC, &p.shadeDC, &p.tintDC,
                            &p.backBufferDC};
    for (Surface* surface : all) surface->dc = CreateCompatibleDC(nullptr);

    newBitmap(p, p.tintDC, kTintWidth, kTintHeight);
    newBitmap(p, p.shadeDC, kShadeWidth, kShadeHeight);
    fillSurface(p.shadeDC, kShadeWidth, kShadeHeight, kShadeColor);
    fillSurface(p.tintDC, kTintWidth, kTintHeight, app.view.colorInk);
}

void loadTileSheet(AppState& app) {
    app.platform->sheetReady = true;
    rescaleSheet(app);
}

void fitBackBuffer(AppState& app, int width, int height) {
    PlatformState& p = *app.platform;
    if (p.backBufferDC.dc == nullptr || width <= 0 || height <= 0) return;
    const SIZE now = p.backBufferDC.bitmap != nullptr ? bitmapSize(p.backBufferDC.bitmap) : SIZE{0, 0};
    if (width <= now.cx && height <= now.cy) return;
    newBitmap(p, p.backBufferDC, width > now.cx ? width : now.cx, height > now.cy ? height : now.cy);
}

void recreateBackBuffer(AppState& app) {
    PlatformState& p = *app.platform;
    dropBitmap(p.backBufferDC);
    RECT client{};
    GetClientRect(p.mainWindow, &client);
    fitBackBuffer(app, client.right, client.bottom);
}

HDC previewSheet(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.previewSheetDC.bitmap == nullptr) stretchSheet(p, p.previewSheetDC, 25);
    return p.previewSheetDC.dc;
}

void releaseSurfaces(AppState& app) {
    PlatformState& p = *app.platform;
    Surface* const all[] = {&p.sheetDC, &p.scaledSheetDC, &p.previewSheetDC, &p.tintDC, &p.shadeDC,
                            &p.backBufferDC};
    for (Surface* surface : all) release(*surface);
    p.sheetScale = 0;
    p.sheetReady = false;
    releaseClipShapes(p.clipCache);
    if (p.backgroundBrush != nullptr) DeleteObject(p.backgroundBrush);
    p.backgroundBrush = nullptr;
}

// The sheet is stretched from its own size to exactly the size the scale
// needs, so every face is there whatever the size of the display. Asking
// again at the same scale costs nothing.
void rescaleSheet(AppState& app) {
    PlatformState* p = app.platform;
    if (p == nullptr || !p->sheetReady || p->scaledSheetDC.dc == nullptr) return;
    if (p->sheetScale == app.view.scale) return;
    stretchSheet(*p, p->scaledSheetDC, app.view.scale);
    p->sheetScale = app.view.scale;
}
