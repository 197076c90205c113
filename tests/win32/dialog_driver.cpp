#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

namespace {

// Message boxes carry the program name as their caption; the game's own
// dialogs have captions of their own.
constexpr const char* kMessageBoxCaption = "Kelvarin";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kPollMilliseconds = 10;
constexpr int kDialogWaitMilliseconds = 10000;

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    char className[16], caption[128];
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, caption, sizeof caption);
    if (std::strcmp(caption, search.caption) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

HWND findDialog(DWORD thread, const char* caption) {
    Search search{caption, nullptr};
    EnumThreadWindows(thread, matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Helpers {
    DWORD thread;  // the test's thread, which runs the dialog
    const char* caption;
    const std::function<void(HWND)>* drive;
    int answer;
    std::atomic<bool> closed;
    std::atomic<bool> stopAnswering;
    DialogRun run;
};

// Answers every message box of the test's thread, one at a time.
DWORD WINAPI answerMessageBoxes(void* param) {
    Helpers& h = *static_cast<Helpers*>(param);
    while (!h.stopAnswering) {
        HWND box = findDialog(h.thread, kMessageBoxCaption);
        if (box == nullptr) {
            Sleep(kPollMilliseconds);
            continue;
        }
        char text[1024] = {};
        GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
        h.run.messages.push_back(text);
        const int button = GetDlgItem(box, h.answer) != nullptr ? h.answer : IDOK;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        while (IsWindow(box) && !h.stopAnswering) Sleep(kPollMilliseconds);
    }
    return 0;
}

// Waits for the dialog, works it, and cancels it if it is still open.
DWORD WINAPI driveWhenShown(void* param) {
    Helpers& h = *static_cast<Helpers*>(param);
    HWND dialog = nullptr;
    for (int waited = 0; dialog == nullptr && !h.closed && waited < kDialogWaitMilliseconds;
         waited += kPollMilliseconds) {
        dialog = findDialog(h.thread, h.caption);
        if (dialog == nullptr) Sleep(kPollMilliseconds);
    }
    if (dialog == nullptr) {
        if (!h.closed) ADD_FAILURE() << "no dialog \"" << h.caption << "\" was shown";
        return 0;
    }
    h.run.driven = true;
    (*h.drive)(dialog);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
}

// Waits for a helper thread while answering the messages it sends to this
// thread's windows: it may read a dialog's text just as the dialog closes.
void waitPumping(HANDLE thread) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    CloseHandle(thread);
}

}  // namespace

void clickButton(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogRun driveDialog(const char* caption, const std::function<void()>& open,
                      const std::function<void(HWND dialog)>& drive, int answer) {
    Helpers h{GetCurrentThreadId(), caption, &drive, answer, {false}, {false}, {false, {}}};
    HANDLE answerer = CreateThread(nullptr, 0, answerMessageBoxes, &h, 0, nullptr);
    HANDLE driver = CreateThread(nullptr, 0, driveWhenShown, &h, 0, nullptr);
    open();
    h.closed = true;
    waitPumping(driver);
    h.stopAnswering = true;
    waitPumping(answerer);
    return h.run;
}
