// The brush the background is filled with.
#pragma once

#include <windows.h>

struct AppState;
struct ViewSettings;

// The pattern image of "Background\" when it loads and a pattern is chosen,
// else a solid brush of the background colour. The caller deletes it.
HBRUSH createBackgroundBrush(const ViewSettings& view);

// Replaces the window's background brush; a missing image is not reported.
void rebuildBackground(AppState& app);

