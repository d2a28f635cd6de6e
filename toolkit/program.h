#pragma once

#include <functional>

namespace tk {

class Window;

// Everything the game does runs inside a handler: Main, a click, a key, a change, a timer tick, a
// window closed by its frame. Handlers never nest an event loop; when the outermost handler
// returns, the toolkit checks whether the last loaded screen has gone, which ends the program.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

bool InHandler();

// Ends the program at once: every screen is unloaded and no further event reaches the game.
void End();
bool ProgramEnded();

// Settles how the process keeps memory, before anything is loaded. Run does this;
// so do harnesses that stand in for it.
void PrepareProcess();

// Runs the game: hands control to `entry` (the game's Main) inside a handler and then to Qt's
// event loop until the program ends. A QApplication must exist.
int Run(void (*entry)());

// Whoever ties the screens to the game hears of every screen as it is loaded, before its load
// handler runs, however the screen came to be referred to first.
void OnScreenLoaded(std::function<void(Window*)> tie);

// Every shown window goes to its audience's display, as the displays are now used.
void MoveToDisplays();

// The loaded screens, for harnesses that watch the game from outside.
int LoadedScreenCount();
bool AnyScreenVisible();

// Returns the toolkit to a fresh program: unloads every screen, deletes them, forgets that the
// program ended. Used by harnesses that play one game after another in one process.
void ResetProgram();

namespace detail {
void ScreenLoaded(Window* screen);
void ScreenUnloaded(Window* screen);
// A screen made ahead of its first reference, and taken by it (or by nothing: made here).
void MadeAhead(Window* screen);
void TakenAhead(Window* screen);
}  // namespace detail

}  // namespace tk
