#include "render/win32/background.h"

#include <cstdio>

#include "render/win32/surfaces.h"
#include "shell/app_state.h"
#include "shell/win32/platform_state.h"

void rebuildBackground(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.backgroundBrush != nullptr) DeleteObject(p.backgroundBrush);

    char path[kTextSize + 16];
    std::snprintf(path, sizeof path, "Background\\%s", app.view.backImage);
    HANDLE image = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    HBITMAP bitmap = static_cast<HBITMAP>(image);
    // The pattern brush keeps its own copy of the bitmap.
    p.backgroundBrush = bitmap != nullptr && app.view.backType != 0 ? CreatePatternBrush(bitmap)
                                                                    : CreateSolidBrush(app.view.colorBack);
    if (bitmap != nullptr) DeleteObject(bitmap);
}

void retint(AppState& app) {
    fillSurface(app.platform->tintDC, kTintWidth, kTintHeight, app.view.colorInk);
}
