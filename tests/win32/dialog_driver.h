// Works a modal dialog of the game from a second thread while the test's
// thread runs it, as a user would: through messages to its controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct DialogRun {
    bool driven;                        // false when the dialog closed before it was shown
    std::vector<std::string> messages;  // texts of the message boxes, in order
};

// Runs `open` on this thread: it shows a modal dialog and returns when the
// dialog closes. Meanwhile a second thread waits for the visible dialog of
// this thread captioned `caption`, calls `drive` with it, and cancels the
// dialog if `drive` left it open. Every message box shown meanwhile is
// answered with `answer` (IDOK, IDYES or IDNO; OK where the box has no such
// button) and its text recorded.
DialogRun driveDialog(const char* caption, const std::function<void()>& open,
                      const std::function<void(HWND dialog)>& drive, int answer = IDOK);

// Clicks a button as the user would; returns once the dialog has handled it.
void clickButton(HWND dialog, int id);
