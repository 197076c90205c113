#include "view/tile_art.h"

#include <cstring>

#include "files/text.h"

namespace {

const char* const kNames[TileArtCount] = {"Classic", "Large print", "Night"};

}  // namespace

const char* tileArtName(int32_t art) { return art >= 0 && art < TileArtCount ? kNames[art] : kNames[0]; }

int32_t tileArtNamed(const char* name) {
    for (int32_t art = 0; art < TileArtCount; ++art) {
        if (compareNames(name, std::strlen(name), kNames[art], std::strlen(kNames[art])) == 0) return art;
    }
    return -1;
}
