// Memory surfaces whose pixels a test can read and write directly.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "game/app_state.h"
#include "win32/platform_state.h"

struct DibSurface {
    Surface surface;
    uint32_t* bits;  // top-down rows of 0x00RRGGBB
    int width;
    int height;
};

DibSurface createDib(int width, int height);
void releaseDib(DibSurface& dib);

// 0x00RRGGBB, as GDI wrote it.
uint32_t pixelAt(const DibSurface& dib, int x, int y);
void fillDib(DibSurface& dib, uint32_t rgb);

// A state record with the tile tables and a platform record, both zeroed.
struct TestApp {
    std::unique_ptr<AppState> app;
    std::unique_ptr<PlatformState> platform;
};
TestApp newTestApp();
