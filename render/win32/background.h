// The brush the background is filled with and the ink of the selection.
#pragma once

struct AppState;

// The pattern image of "Background\" when it loads and a pattern is chosen,
// else the solid background colour. A missing image is not reported.
void rebuildBackground(AppState& app);

// Refills the tint surface with the ink colour.
void retint(AppState& app);
