#pragma once

#include "state/MusicDevice.h"

struct Game;

// The music device reports the end of a play: the end of the tune (or of an
// interrupted play) arrives here between timer ticks and key events. A tune
// that reached its end plays again from the start, so stage and ending tunes
// repeat; superseded, aborted and failed plays are left alone.
void MusicNotice(Game& g, NotifyResult result);
// The backend's end-of-tune event: asks the device whether a notice was
// outstanding and runs the handler with it.
void MusicEnded(Game& g);
