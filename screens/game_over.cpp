#include "screens/game_over.h"

#include "game/save.h"
#include "game/state.h"
#include "layout/pictures.h"
#include "screens/board.h"

GameOverScreen::GameOverScreen() {
    LayWindow(layout::kGameOver);
    // Borderless and not in the task bar, it must stay in front of the maximised board, or the
    // room could never find it again.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Lay(&heading, layout::Widget::heading);
    Lay(&leftLogo, layout::Widget::leftLogo);
    Lay(&thanksButton, layout::Widget::thanksButton);
    Lay(&rightLogo, layout::Widget::rightLogo);
    leftLogo.SetPicture(&layout::LogoRed);
    rightLogo.SetPicture(&layout::LogoRed);
    connect(&thanksButton, &tk::Button::Click, this, &GameOverScreen::Thanks);
}

// Over a board grown to fill a large display, the heading and the button grow as much.
void GameOverScreen::OnLoad() {
    ScaleFixed(BoardScreen::Loaded() ? BoardScreen::Get().Scale() : 1.0);
}

// The program ends at once, every screen closed.
void GameOverScreen::Thanks() {
    game::save::Finished();
    tk::End();
}

// A game ended by its last question can still have that question taken back: its answer screen
// comes back in place of this one. A game ended early on the banner has nothing to take back here.
void GameOverScreen::OnUndo() {
    if (game::state.round > game::state.roundsToPlay) {
        BoardScreen::Get().TakeBack();
    }
}
