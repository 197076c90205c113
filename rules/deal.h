// Dealing: the 144 tiles of the set, shuffled, dropped onto the positions of a
// puzzle in the board's order.
#pragma once

#include "rules/board.h"
#include "rules/random.h"
#include "rules/tile_set.h"
#include "rules/winnable_arrangement.h"

// The tile list before the shuffle: circles 1..9 four times over, then
// bamboo, characters, winds and dragons the same way, then the seasons and
// the flowers once each.
void buildTileList(const TileSet& tileSet, Cell (&tiles)[kTileCount]);

// 1000 swaps of two entries drawn i first, then j: 2000 draws.
void shuffleTiles(Random& random, Cell (&tiles)[kTileCount]);

// Fills `dest` with a fresh shuffle on the positions of `layout`, which holds
// exactly 144 of them. A layout with more positions gets 144 tiles on its
// first 144 and leaves the rest empty; that never happens through the puzzle
// reader, but the deal must not read past its list.
void dealTiles(Random& random, const TileSet& tileSet, Board& dest, const Layout& layout);

// A deal that can be won: the tiles of the set arranged on the positions of
// `layout` by arrangeToWin. Leaves `dest` empty unless it arranges.
Arrangement dealWinnable(Random& random, const TileSet& tileSet, Board& dest, const Layout& layout);

// The appear effect of a fresh deal: the lowest layer that holds tiles
// (layer 0 of a normal puzzle) shows at once and counts down, the layers
// above wait for their turn.
void startAppearing(Board& board);

// Ends the appear effect at once. A game that ends while its layers are
// still appearing shows them all, so that no later end of the effect enables
// play again.
void showAllLayers(Board& board);
