#include "render/win32/surfaces.h"

#include "engine/host.h"
#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/win32/platform_state.h"

namespace {

constexpr COLORREF kShadeColor = 0x969696;
constexpr int kShadeWidth = 144, kShadeHeight = 168;

void selectBitmap(Surface& surface, HBITMAP bitmap) {
    surface.bitmap = bitmap;
    surface.displaced = SelectObject(surface.dc, bitmap);
}

void release(Surface& surface) {
    if (surface.dc == nullptr) return;
    if (surface.bitmap != nullptr) {
        SelectObject(surface.dc, surface.displaced);
        DeleteObject(surface.bitmap);
    }
    DeleteDC(surface.dc);
    surface = Surface{};
}

int larger(int a, int b) { return a > b ? a : b; }

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
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

    selectBitmap(p.sheetDC, LoadBitmapA(p.instance, MAKEINTRESOURCEA(IDB_TILE_SHEET)));
    const SIZE sheet = bitmapSize(p.sheetDC.bitmap);
    // A display smaller than the sheet still gets sheets large enough for
    // every face; otherwise the faces beyond the screen would be missing.
    const int width = larger(GetDeviceCaps(p.sheetDC.dc, HORZRES), sheet.cx);
    const int height = larger(GetDeviceCaps(p.sheetDC.dc, VERTRES), sheet.cy);

    HDC window = GetDC(p.mainWindow);
    selectBitmap(p.scaledSheetDC, CreateCompatibleBitmap(window, width, height));
    selectBitmap(p.previewSheetDC, CreateCompatibleBitmap(window, width / 4, height / 4));
    selectBitmap(p.tintDC, CreateCompatibleBitmap(window, kTintWidth, kTintHeight));
    selectBitmap(p.shadeDC, CreateCompatibleBitmap(window, kShadeWidth, kShadeHeight));
    ReleaseDC(p.mainWindow, window);

    SetStretchBltMode(p.previewSheetDC.dc, HALFTONE);
    StretchBlt(p.previewSheetDC.dc, 0, 0, sheet.cx / 4, sheet.cy / 4, p.sheetDC.dc, 0, 0, sheet.cx,
               sheet.cy, SRCCOPY);
    fillSurface(p.shadeDC, kShadeWidth, kShadeHeight, kShadeColor);
    rescaleSheet(app);
    fillSurface(p.tintDC, kTintWidth, kTintHeight, app.view.colorInk);
}

void recreateBackBuffer(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.backBufferDC.bitmap != nullptr) {
        SelectObject(p.backBufferDC.dc, p.backBufferDC.displaced);
        DeleteObject(p.backBufferDC.bitmap);
    }
    HDC window = GetDC(p.mainWindow);
    selectBitmap(p.backBufferDC, CreateCompatibleBitmap(window, GetSystemMetrics(SM_CXSCREEN),
                                                        GetSystemMetrics(SM_CYSCREEN)));
    ReleaseDC(p.mainWindow, window);
}

void releaseSurfaces(AppState& app) {
    PlatformState& p = *app.platform;
    Surface* const all[] = {&p.sheetDC, &p.scaledSheetDC, &p.previewSheetDC, &p.tintDC, &p.shadeDC,
                            &p.backBufferDC};
    for (Surface* surface : all) release(*surface);
    releaseClipShapes(p.clipCache);
    if (p.backgroundBrush != nullptr) DeleteObject(p.backgroundBrush);
    p.backgroundBrush = nullptr;
}

// The sheet is stretched from its own size, so the scale is exact and the
// whole sheet is kept whatever the size of the display.
void rescaleSheet(AppState& app) {
    PlatformState* p = app.platform;
    if (p == nullptr || p->sheetDC.bitmap == nullptr || p->scaledSheetDC.bitmap == nullptr) return;
    const SIZE sheet = bitmapSize(p->sheetDC.bitmap);
    SetStretchBltMode(p->scaledSheetDC.dc, HALFTONE);
    SetBrushOrgEx(p->scaledSheetDC.dc, 0, 0, nullptr);
    StretchBlt(p->scaledSheetDC.dc, 0, 0, static_cast<int>(sheet.cx * app.view.scale / 100),
               static_cast<int>(sheet.cy * app.view.scale / 100), p->sheetDC.dc, 0, 0, sheet.cx,
               sheet.cy, SRCCOPY);
}
