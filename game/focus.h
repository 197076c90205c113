// The keyboard's focus: the tile it stands on in a game (or the cursor's
// cell in the editor), whether it shows, how it moves from tile to tile, and
// the focused tile in words.
#pragma once

#include <string>

struct AppState;
struct Anchor;
struct Board;

// The focus on a tile (or cell), shown.
void focusOn(AppState& app, const Anchor& tile);

// No tile or cell has the focus any more: New game, Restart, Load game and
// Create puzzle start without one.
void clearFocus(AppState& app);

// A mouse click: the focus stays where it is, unseen, until the next key.
void hideFocus(AppState& app);

// Called when tiles have gone or come back: a focus on a tile that is gone,
// or that a tile put back now covers, moves to the nearest tile seen from
// above; with none left, nothing has the focus.
void keepFocusOnATile(AppState& app);

// The focused tile in words, "Circles 5, free" or "North wind, blocked",
// with ", selected" for the selected tile; empty while nothing has the focus.
std::string focusedTileText(const AppState& app);

// No tile of a higher layer covers any cell of the tile's footprint.
bool seenFromAbove(const Board& board, const Anchor& tile);

// The tile seen from above whose face is drawn nearest the board's top-left
// corner: where the keys start.
bool firstTile(const Board& board, Anchor& tile);

// Among the tiles seen from above, the one nearest in the direction (dx, dy)
// from `from`, one of them 1 or -1 and the other 0, judged by where their
// faces are drawn: its centre lies within 45 degrees of that direction, and
// a tile off the line counts twice its distance across. With none within 45
// degrees, the nearest tile on that side. False when that side holds none.
// Tiles whose layer has not appeared yet are passed by, here and by Tab.
bool nearestInDirection(const Board& board, const Anchor& from, int dx, int dy, Anchor& to);

// The next free tile after `from` in reading order (top to bottom, left to
// right, the upper layer first where two share a place), or the previous
// one, round the end; the first (or last) when `from` is none.
bool nextFreeTile(const Board& board, const Anchor* from, bool backwards, Anchor& to);
