#include "fake_host.h"

#include <cstring>

#include "rules/tile_set.h"
#include "view/metrics.h"
#include "view/tile_plan.h"

FakeHost& fakeHost() {
    static FakeHost host;
    return host;
}

int FakeHost::count(HostCall::Kind kind) const {
    int n = 0;
    for (const HostCall& call : calls) n += call.kind == kind;
    return n;
}

std::vector<int> FakeHost::sounds() const {
    std::vector<int> events;
    for (const HostCall& call : calls)
        if (call.kind == HostCall::Sound) events.push_back(call.event);
    return events;
}

bool FakeHost::menuEnabled(int id) const {
    for (const MenuItemState& item : menu)
        if (item.id == id) return item.enabled;
    return false;
}

std::vector<std::string> FakeHost::messages() const {
    std::vector<std::string> texts;
    for (const HostCall& call : calls)
        if (call.kind == HostCall::Message || call.kind == HostCall::Question)
            texts.push_back(call.text);
    return texts;
}

std::unique_ptr<AppState> newTestState() {
    auto app = std::make_unique<AppState>();
    std::memset(app.get(), 0, sizeof(AppState));
    storeTileSet(app->tileSet);
    storeFaceTable(app->faceTable);
    std::strcpy(app->programName, "Kelvarin");
    app->view.scale = 100;
    app->dpi = kBaseDpi;
    app->selectedX = -1;
    for (int event = 0; event < SoundEventCount; ++event) {
        std::strcpy(app->sounds[event].name, soundEventName(event));
        defaultSoundPath(event, app->sounds[event].file);
        app->sounds[event].enable = 1;
    }
    fakeHost().reset();
    return app;
}

void playEventSound(AppState& app, int event) {
    // Mirrors the real service: a disabled event is silent.
    if (event >= 0 && event < SoundEventCount && app.sounds[event].enable == 0) return;
    HostCall call{HostCall::Sound};
    call.event = event;
    fakeHost().calls.push_back(call);
}

void requestRepaint(AppState&) { fakeHost().calls.push_back(HostCall{HostCall::Repaint}); }

void refreshMenu(AppState& app) {
    computeMenuStates(app, fakeHost().menu);
    fakeHost().calls.push_back(HostCall{HostCall::Menu});
}

void showMessage(AppState&, Owner owner, const char* text, MessageIcon icon) {
    HostCall call{HostCall::Message};
    call.text = text;
    call.icon = icon;
    call.owner = owner;
    fakeHost().calls.push_back(call);
    fakeHost().now += fakeHost().messageOpenFor;
}

bool askYesNo(AppState&, Owner owner, const char* text) {
    HostCall call{HostCall::Question};
    call.text = text;
    call.owner = owner;
    fakeHost().calls.push_back(call);
    FakeHost& host = fakeHost();
    if (host.answers.empty()) return false;
    bool answer = host.answers.front();
    host.answers.pop_front();
    return answer;
}

void clientSize(AppState&, int& width, int& height) {
    width = fakeHost().clientWidth;
    height = fakeHost().clientHeight;
}

int64_t monotonicMilliseconds() { return fakeHost().now; }

void rescaleSheet(AppState&) { fakeHost().calls.push_back(HostCall{HostCall::Rescale}); }
