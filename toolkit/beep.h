#pragma once

#include <functional>

namespace tk {

// The system beep. It never blocks the handler that calls it.
void Beep();

// Lets a harness hear every beep (with the game clock's instant); empty to stop listening.
void SetBeepListener(std::function<void()> listener);

}  // namespace tk
