// The commands that open a modal dialog of their own, each beside its dialog:
// files/win32 (New game, Load game, Save game, Save puzzle), render/win32
// (Customize view), sound/win32 (Sound settings).
#pragma once

struct AppState;

void openNewGameDialog(AppState& app);
void openLoadGameDialog(AppState& app);
void openSaveGameDialog(AppState& app);
void openSavePuzzleDialog(AppState& app);
void openViewDialog(AppState& app);
void openSoundDialog(AppState& app);
