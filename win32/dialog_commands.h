// The commands that open a modal dialog of their own, each beside its dialog:
// new_game_dialog, load_game_dialog, save_dialogs (Save game, Save puzzle),
// view_dialog (Customize view), sound_dialog (Sound settings),
// statistics_dialog (Statistics), select_deal_dialog (Select deal).
#pragma once

struct AppState;

void openNewGameDialog(AppState& app);
void openLoadGameDialog(AppState& app);
void openSaveGameDialog(AppState& app);
void openSavePuzzleDialog(AppState& app);
void openViewDialog(AppState& app);
void openSoundDialog(AppState& app);
void openStatisticsDialog(AppState& app);
void openSelectDealDialog(AppState& app);
