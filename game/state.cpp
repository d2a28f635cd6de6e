#include "game/state.h"

#include "screens/title.h"
#include "toolkit/random.h"

namespace game {

void StartProgram() {
    tk::Randomize();
    state.round = 0;
    state.zapstersOpened.Fill(0);
    state.squaresLeft.Fill(kSquaresPerRound);
    TitleScreen::Show();
    state.soundOn = true;
}

}  // namespace game
