// The 144 tiles: nine faces each of circles, bamboo and characters, four winds
// and three dragons in four copies, four seasons and four flowers once.
#pragma once

struct AppState;

// Stores the face table and the per-type counts in the state record.
void storeTileTables(AppState& app);
