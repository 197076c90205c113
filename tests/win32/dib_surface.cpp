#include "dib_surface.h"

#include <cstring>

#include "rules/tile_set.h"
#include "view/tile_plan.h"

DibSurface createDib(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DibSurface dib{};
    dib.surface.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dib.surface.dc = CreateCompatibleDC(nullptr);
    dib.surface.displaced = SelectObject(dib.surface.dc, dib.surface.bitmap);
    dib.bits = static_cast<uint32_t*>(bits);
    dib.width = width;
    dib.height = height;
    fillDib(dib, 0);
    return dib;
}

void releaseDib(DibSurface& dib) {
    SelectObject(dib.surface.dc, dib.surface.displaced);
    DeleteObject(dib.surface.bitmap);
    DeleteDC(dib.surface.dc);
    dib = DibSurface{};
}

uint32_t pixelAt(const DibSurface& dib, int x, int y) {
    GdiFlush();
    return dib.bits[y * dib.width + x] & 0xFFFFFF;
}

void fillDib(DibSurface& dib, uint32_t rgb) {
    GdiFlush();
    for (int i = 0; i < dib.width * dib.height; ++i) dib.bits[i] = rgb;
}

TestApp newTestApp() {
    TestApp test{std::make_unique<AppState>(), std::make_unique<PlatformState>()};
    std::memset(test.app.get(), 0, sizeof(AppState));
    std::memset(test.platform.get(), 0, sizeof(PlatformState));
    test.app->platform = test.platform.get();
    storeTileSet(test.app->tileSet);
    storeFaceTable(test.app->faceTable);
    test.app->selectedX = -1;
    test.app->view.scale = 100;
    return test;
}
