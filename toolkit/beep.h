#pragma once

#include <functional>

namespace tk {

// The system beep: a short tone through the sound output, or the system bell where there is no
// sound output. It never blocks the handler that calls it.
void Beep();

// Opens the sound output ahead of the first beep, on a thread of its own, once the first screen
// has had time to appear.
void PrepareBeep();

// Lets a harness hear every beep (with the game clock's instant); empty to stop listening.
void SetBeepListener(std::function<void()> listener);

}  // namespace tk
