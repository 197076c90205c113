// Works the running game's dialogs from outside, as a user would, for the
// end-to-end run of tools/test-win32. One command a call:
//
//   game_driver wait CAPTION            waits for a visible window so captioned
//   game_driver gone CAPTION            waits until no such window is left
//   game_driver click CAPTION ID        clicks button ID of that dialog
//   game_driver rect CAPTION            prints the window's place on the screen as
//                                       an ImageMagick crop, WxH+X+Y
//   game_driver select CAPTION ID TEXT  focuses list or drop-down list ID and
//                                       selects its line TEXT, as a click would
//   game_driver type CAPTION ID TEXT    sets the text of edit box ID
//   game_driver answer [ID]             prints the text of the game's message box
//                                       and presses its button ID (OK by default)
//   game_driver spoken                  prints the accessible name of the game's
//                                       board, as a screen reader asks for it
//
// Exits 1 when the window or control is not there within ten seconds.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kWaitMilliseconds = 10000;
constexpr int kMessageTextId = 0xFFFF;

std::wstring wide(const char* text) {
    wchar_t buffer[512];
    MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 512);
    return buffer;
}

// Another process's windows are found by caption among the top-level windows.
HWND waitForWindow(const char* caption) {
    for (int waited = 0; waited < kWaitMilliseconds; waited += kPollMilliseconds) {
        HWND window = FindWindowW(L"#32770", wide(caption).c_str());
        if (window != nullptr && IsWindowVisible(window)) return window;
        Sleep(kPollMilliseconds);
    }
    std::fprintf(stderr, "game_driver: no window \"%s\"\n", caption);
    std::exit(1);
}

HWND control(HWND dialog, const char* id) {
    HWND item = GetDlgItem(dialog, std::atoi(id));
    if (item == nullptr) {
        std::fprintf(stderr, "game_driver: no control %s\n", id);
        std::exit(1);
    }
    return item;
}

void notify(HWND dialog, HWND item, int code) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), code),
                 reinterpret_cast<LPARAM>(item));
}

int waitUntilGone(const char* caption) {
    for (int waited = 0; waited < kWaitMilliseconds; waited += kPollMilliseconds) {
        if (FindWindowW(L"#32770", wide(caption).c_str()) == nullptr) return 0;
        Sleep(kPollMilliseconds);
    }
    std::fprintf(stderr, "game_driver: \"%s\" is still open\n", caption);
    return 1;
}

// The button clicks itself, so a radio button is checked as by the mouse.
// Posted, not sent: the click may open a message box that waits for us.
int click(HWND dialog, const char* id) {
    PostMessageW(control(dialog, id), BM_CLICK, 0, 0);
    return 0;
}

int rect(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    std::printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top, place.left,
                place.top);
    return 0;
}

// A list box or a drop-down list: the same three steps in each one's messages.
int select(HWND dialog, const char* id, const char* text) {
    HWND list = control(dialog, id);
    char kind[16] = {};
    GetClassNameA(list, kind, sizeof kind);
    const bool dropDown = std::strcmp(kind, "ComboBox") == 0;
    const LRESULT line =
        SendMessageW(list, dropDown ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide(text).c_str()));
    if (line < 0) {
        std::fprintf(stderr, "game_driver: no line \"%s\"\n", text);
        return 1;
    }
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    SendMessageW(list, dropDown ? CB_SETCURSEL : LB_SETCURSEL, line, 0);
    notify(dialog, list, dropDown ? CBN_SELCHANGE : LBN_SELCHANGE);
    return 0;
}

int type(HWND dialog, const char* id, const char* text) {
    SendMessageW(control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
    return 0;
}

int answer(const char* id) {
    HWND box = waitForWindow("Kelvarin");
    wchar_t text[1024] = {};
    SendMessageW(GetDlgItem(box, kMessageTextId), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    char line[2048];
    WideCharToMultiByte(CP_ACP, 0, text, -1, line, sizeof line, nullptr, nullptr);
    std::printf("%s\n", line);
    const int button = id != nullptr ? std::atoi(id) : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return 0;
}

// Asked as a screen reader asks: through the window's client object.
int spoken() {
    HWND game = FindWindowW(L"KELVARIN", nullptr);  // the main window's class
    IAccessible* board = nullptr;
    void** object = reinterpret_cast<void**>(&board);
    if (game == nullptr ||
        FAILED(AccessibleObjectFromWindow(game, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), object))) {
        std::fprintf(stderr, "game_driver: the board has no accessible object\n");
        return 1;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const bool named = SUCCEEDED(board->get_accName(self, &name)) && name != nullptr;
    char line[256] = {};
    if (named) WideCharToMultiByte(CP_ACP, 0, name, -1, line, sizeof line, nullptr, nullptr);
    std::printf("%s\n", line);
    SysFreeString(name);
    board->Release();
    return named ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait" && argc == 3) return waitForWindow(argv[2]) != nullptr ? 0 : 1;
    if (command == "gone" && argc == 3) return waitUntilGone(argv[2]);
    if (command == "click" && argc == 4) return click(waitForWindow(argv[2]), argv[3]);
    if (command == "rect" && argc == 3) return rect(waitForWindow(argv[2]));
    if (command == "select" && argc == 5) return select(waitForWindow(argv[2]), argv[3], argv[4]);
    if (command == "type" && argc == 5) return type(waitForWindow(argv[2]), argv[3], argv[4]);
    if (command == "answer" && argc <= 3) return answer(argc == 3 ? argv[2] : nullptr);
    if (command == "spoken" && argc == 2) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const int result = spoken();
        CoUninitialize();
        return result;
    }
    std::fprintf(stderr, "usage: game_driver wait|gone|click|rect|select|type|answer|spoken ...\n");
    return 2;
}
