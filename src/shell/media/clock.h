#pragma once
#include <cstdint>

// Milliseconds of a steadily increasing clock. With VORNELL_CLOCK=virtual it is
// a virtual clock that moves only in Flip pacing and in Delay, so scripted runs
// are deterministic and faster than real time.
int MilliSecs();
// The short sleep.
void Delay(int ms);

namespace media {
// The clock as it stands, for the test harness's own timing (input scripts),
// frame pacing and the sound's bookkeeping: never recorded into, nor
// replayed from, a session recording.
int harnessClock();
bool clockIsVirtual();
// Test hook: switch clock kind and restart it at `start` ms.
void resetClock(bool isVirtual, int start = 0);
}  // namespace media
