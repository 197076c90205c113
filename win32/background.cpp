#include "win32/background.h"

#include <cstdio>

#include "game/app_state.h"
#include "win32/platform_state.h"

HBRUSH createBackgroundBrush(const ViewSettings& view) {
    char path[kTextSize + 16];
    std::snprintf(path, sizeof path, "Background\\%s", view.backImage);
    HANDLE image = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    HBITMAP bitmap = static_cast<HBITMAP>(image);
    // The pattern brush keeps its own copy of the bitmap.
    HBRUSH brush = bitmap != nullptr && view.backType != 0 ? CreatePatternBrush(bitmap)
                                                           : CreateSolidBrush(view.colorBack);
    if (bitmap != nullptr) DeleteObject(bitmap);
    return brush;
}

void rebuildBackground(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.backgroundBrush != nullptr) DeleteObject(p.backgroundBrush);
    p.backgroundBrush = createBackgroundBrush(app.view);
}
