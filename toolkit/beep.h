#pragma once

#include <functional>

namespace tk {

// The system beep: a short tone through the sound output, or the system bell where there is no
// sound output. It never blocks the handler that calls it. A beep inside a timer's tick sounds
// at the tick's own instant, however late the tick ran, shifted only by the output's fixed delay.
void Beep();

// Opens the sound output ahead of the first beep, on a thread of its own, once the first screen
// has had time to appear.
void PrepareBeep();

// Opens the sound output now, if nothing has yet, once a screen that leads to beeps waits for the
// moderator: one quick to the first square would otherwise have it opened by the question's first
// beeps, while the question screen is being painted. Not on the manual clock, which never beeps.
void OpenBeepOutput();

class Timer;

// Readies the sound output for the beeps that `beepTimer` is to give, from within a second or two:
// their timing is then as even from the first beep on as it is later. The output is let go when
// the timer stops. It never blocks the caller either.
void ReadyBeep(const Timer& beepTimer);

// True once the sound output has been opened, or found missing, by PrepareBeep or a first beep.
bool BeepOutputSettled();

// Lets a harness hear every beep (with the game clock's instant); empty to stop listening.
void SetBeepListener(std::function<void()> listener);

}  // namespace tk
