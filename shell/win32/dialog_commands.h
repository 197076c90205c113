// The commands that open a modal dialog of their own.
#pragma once

struct AppState;

void openNewGameDialog(AppState& app);
void openLoadGameDialog(AppState& app);
void openSaveGameDialog(AppState& app);
void openSavePuzzleDialog(AppState& app);
void openViewDialog(AppState& app);
void openSoundDialog(AppState& app);
