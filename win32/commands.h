// The command table of the menu and the shortcut keys.
#pragma once

struct AppState;

// Runs the command and, unless it was Exit, refreshes the menu. False for an
// id that is not a command of the program.
bool runCommand(AppState& app, unsigned id);

// The help file in the HTML-help viewer: the manual for topic 0, else the
// topic with that map id.
void openHelp(AppState& app, int topic);

// Checks the items of the options that are on: "Winnable deals only" and
// "Hints keep the game winnable".
void showOptions(AppState& app);
