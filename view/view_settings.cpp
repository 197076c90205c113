#include "view/view_settings.h"

#include <cstring>

void setViewDefaults(ViewSettings& view) {
    view.autoScale = 1;
    view.scale = 62.5;
    view.colorBack = kDefaultColorBack;
    view.colorInk = kDefaultColorInk;
    view.backType = 1;
    std::memset(view.backImage, 0, sizeof view.backImage);
    std::strcpy(view.backImage, "marble.bmp");
    view.tileArt = TileArtClassic;
}
