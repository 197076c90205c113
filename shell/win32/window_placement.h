// The settings file as the window sees it: read before the window shows,
// with the window placed where it was; written while the window still exists.
#pragma once

struct AppState;

void loadSettingsAndPlaceWindow(AppState& app);
void saveSettings(AppState& app);
