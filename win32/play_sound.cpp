// Wave playback of the five sound events.
#include <windows.h>
#include <mmsystem.h>

#include "game/app_state.h"
#include "game/host.h"

// Asynchronous: a new sound replaces the one playing; a missing or broken
// file stays silent rather than falling back to the system sound.
void playEventSound(AppState& app, int event) {
    if (event < 0 || event >= SoundEventCount || app.sounds[event].enable == 0) return;
    PlaySoundA(app.sounds[event].file, nullptr, SND_ASYNC | SND_NODEFAULT);
}
