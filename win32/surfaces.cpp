#include "win32/surfaces.h"

#include <utility>

#include "game/app_state.h"
#include "game/geometry.h"
#include "game/host.h"
#include "resources/resource.h"
#include "view/preview_geometry.h"
#include "win32/platform_state.h"
#include "win32/sheet_art.h"

namespace {

constexpr COLORREF kShadeColor = 0x969696;
constexpr int kFaceWidth = 96, kFaceHeight = 120;  // of the sheet drawn for 96 DPI

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
// and the full-size sheet is the largest bitmap of all. Both are 32-bit DIB
// sections: a sheet let go for another set gives its memory back, and the
// stretch between bitmaps of one format needs no converted copy.
void stretchSheet(PlatformState& p, Surface& target, double percent, int bitmap) {
    Pixels art{};
    bitmapPixels(p.instance, bitmap, art);
    selectBitmap(p.sheetDC, pictureBitmap(art));
    const int width = static_cast<int>(art.width * percent / 100);
    const int height = static_cast<int>(art.height * percent / 100);
    dropBitmap(target);
    selectBitmap(target, sectionBitmap(width, height));
    SetStretchBltMode(target.dc, HALFTONE);
    SetBrushOrgEx(target.dc, 0, 0, nullptr);
    StretchBlt(target.dc, 0, 0, width, height, p.sheetDC.dc, 0, 0, art.width, art.height, SRCCOPY);
    dropBitmap(p.sheetDC);
}

// The sheet scaled so that every face measures exactly the face at
// `percent`, averaged by area from the art drawn large enough: a face shown
// larger than the small art's is made from the large art, never blown up.
// The art is decoded for this alone and let go at once; the sheet is
// averaged straight into its bitmap.
bool averageSheet(PlatformState& p, Surface& target, double percent, const SheetArt& art) {
    const TileMetrics face = tileMetrics(percent);
    const bool large = face.width > kFaceWidth || face.height > kFaceHeight;
    const int density = large ? kLargeArtDensity : 1;
    Pixels source{};
    const bool read = large            ? pngPixels(p.instance, art.largePng, source)
                      : art.bitmap != 0 ? bitmapPixels(p.instance, art.bitmap, source)
                                        : pngPixels(p.instance, art.smallPng, source);
    if (!read) return false;
    const Ratio across{face.width, kFaceWidth * density}, down{face.height, kFaceHeight * density};
    uint32_t* bits = nullptr;
    HBITMAP sheet = sectionBitmap(scaledLength(source.width, across), scaledLength(source.height, down), &bits);
    if (sheet == nullptr) return false;
    scaleByArea(source, across, down, bits);
    dropBitmap(target);
    selectBitmap(target, sheet);
    return true;
}

// At 96 DPI every scale of the classic sheet is a plain fraction of it,
// stretched as it always was; on a denser screen a face's width and height
// scale apart (each truncated), so the sheet is averaged to fit them cell by
// cell. The other sets have no bitmap to stretch and are always averaged;
// should their art fail to decode, the classic faces stand in.
void makeSheet(PlatformState& p, Surface& target, double percent, int dpi, int32_t tileArt) {
    const SheetArt art = sheetArt(tileArt);
    const bool stretch = dpi == kBaseDpi && art.bitmap != 0;
    if (stretch || !averageSheet(p, target, percent, art)) {
        stretchSheet(p, target, percent, sheetArt(TileArtClassic).bitmap);
    }
}

// The sheet made ahead while the Customize view dialog was open is the one
// for this scale and set.
bool readyFor(const PlatformState& p, double scale, int32_t art) {
    return p.readySheetDC.bitmap != nullptr && p.readyScale == scale && p.readyArt == art;
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
    Surface* const all[] = {&p.sheetDC, &p.scaledSheetDC, &p.readySheetDC, &p.previewSheetDC, &p.shadeDC,
                            &p.tintDC, &p.backBufferDC};
    for (Surface* surface : all) surface->dc = CreateCompatibleDC(nullptr);
    fitFaceSurfaces(app);
}

void fitFaceSurfaces(AppState& app) {
    PlatformState& p = *app.platform;
    const TileMetrics face = tileMetrics(deviceScale(100, app.dpi));
    newBitmap(p, p.tintDC, face.width, face.height);
    newBitmap(p, p.shadeDC, face.width, face.height);
    fillSurface(p.shadeDC, face.width, face.height, kShadeColor);
    retint(app);
    dropBitmap(p.previewSheetDC);
}

void retint(AppState& app) {
    const SIZE size = bitmapSize(app.platform->tintDC.bitmap);
    fillSurface(app.platform->tintDC, size.cx, size.cy, app.view.colorInk);
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

HDC previewSheet(AppState& app, int32_t art) {
    PlatformState& p = *app.platform;
    if (p.previewSheetDC.bitmap == nullptr || p.previewArt != art) {
        makeSheet(p, p.previewSheetDC, previewScale(app), app.dpi, art);
        p.previewArt = art;
    }
    return p.previewSheetDC.dc;
}

void dropPreviewSheet(AppState& app) { dropBitmap(app.platform->previewSheetDC); }

double previewScale(const AppState& app) { return deviceScale(kPreviewScale, app.dpi); }

void releaseSurfaces(AppState& app) {
    PlatformState& p = *app.platform;
    Surface* const all[] = {&p.sheetDC, &p.scaledSheetDC, &p.readySheetDC, &p.previewSheetDC, &p.tintDC,
                            &p.shadeDC, &p.backBufferDC};
    for (Surface* surface : all) release(*surface);
    p.sheetScale = 0;
    p.sheetReady = false;
    releaseClipShapes(p.clipCache);
    if (p.backgroundBrush != nullptr) DeleteObject(p.backgroundBrush);
    p.backgroundBrush = nullptr;
}

// The sheet of the chosen tile set is scaled from its own size to exactly
// the size the board's scale needs on the window's screen, so every face is
// there whatever the size of the display. Asking again at the same scale and
// set costs nothing.
void rescaleSheet(AppState& app) {
    PlatformState* p = app.platform;
    if (p == nullptr || !p->sheetReady || p->scaledSheetDC.dc == nullptr) return;
    const double scale = boardScale(app);
    if (p->sheetScale == scale && p->sheetArt == app.view.tileArt) return;
    if (readyFor(*p, scale, app.view.tileArt)) {
        std::swap(p->scaledSheetDC, p->readySheetDC);  // each bitmap stays in its own surface
    } else {
        makeSheet(*p, p->scaledSheetDC, scale, app.dpi, app.view.tileArt);
    }
    dropBitmap(p->readySheetDC);  // the old sheet, or one made for nothing
    p->sheetScale = scale;
    p->sheetArt = app.view.tileArt;
}

void prepareSheet(AppState& app, int32_t art) {
    PlatformState* p = app.platform;
    if (!p->sheetReady || p->readySheetDC.dc == nullptr) return;
    const double scale = boardScale(app);
    if ((p->sheetScale == scale && p->sheetArt == art) || readyFor(*p, scale, art)) return;
    makeSheet(*p, p->readySheetDC, scale, app.dpi, art);
    p->readyScale = scale;
    p->readyArt = art;
}

void dropPreparedSheet(AppState& app) { dropBitmap(app.platform->readySheetDC); }
