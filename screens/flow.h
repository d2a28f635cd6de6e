#pragma once

#include "game/match.h"

// The one place that decides which screen comes next. It owns the program's running game, hands
// it the moderator's clicks and the question's outcomes from whichever screen they come, saves it
// at every rest, and has the screens show the game as it now stands. The screens know nothing of
// each other: each shows the game and says what was clicked.
namespace flow {

// Start-up: the title, offering a saved game to resume when there is one.
void StartProgram();

// The game being played, for harnesses that watch it from outside: none before the setup is done.
const game::Match* Running();

}  // namespace flow
