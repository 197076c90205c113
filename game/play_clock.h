// The time of play, measured on the platform's monotonic clock: it runs while
// a game is played in a window that is not minimised and not paused, and
// keeps every part-second, so that pausing often cannot hold it back.
#pragma once

#include <cstdint>

struct AppState;

// A new deal or a loaded game: nothing played yet, the clock stands.
void resetClock(AppState& app);

// Called after every event: the clock runs exactly while the game is played,
// not paused, and `windowShown` (the window is not minimised).
void syncPlayClock(AppState& app, bool windowShown);

// The last pair is taken, or no move is left: the time is final.
void stopClock(AppState& app);

// The whole seconds played, as the status bar and the records take them.
int32_t secondsPlayed(const AppState& app);

// How long until the seconds played go up by one (1000 while it stands).
int32_t millisecondsToNextSecond(const AppState& app);
