// A recording stand-in for the platform: every service the game asks for is
// noted in order, and questions get scripted answers.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/app_state.h"
#include "game/host.h"
#include "game/menu_state.h"

struct HostCall {
    enum Kind { Sound, Repaint, Menu, Message, Question, Rescale } kind;
    int event = -1;            // Sound: the event
    std::string text;          // Message, Question
    MessageIcon icon = MessageIcon::None;
    Owner owner = kMainWindow;
};

struct FakeHost {
    std::vector<HostCall> calls;
    std::deque<bool> answers;  // for askYesNo; No when empty
    int clientWidth = 1280;
    int clientHeight = 960;
    int64_t now = 0;              // monotonicMilliseconds
    int64_t messageOpenFor = 0;   // each message box moves `now` on by this
    MenuItemState menu[kMenuStateItems]{};  // as the last refreshMenu left it

    void reset() { *this = FakeHost{}; }
    int count(HostCall::Kind kind) const;
    std::vector<int> sounds() const;
    std::vector<std::string> messages() const;
    bool menuEnabled(int id) const;
};

// The one fake that the seam functions report to.
FakeHost& fakeHost();

// A fresh, zeroed state record with the tile tables stored, on the heap (it
// is too large for a test's stack), and the fake host reset.
std::unique_ptr<AppState> newTestState();
