#include "screens/game_over.h"

#include "layout/pictures.h"

GameOverScreen::GameOverScreen() {
    LayWindow(layout::kGameOver);
    // Borderless and not in the task bar, it must stay in front of the maximised board, or the
    // room could never find it again: laid over the board in its window, or, with no board up,
    // a window that stays on top.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    LayOverStage();
    Lay(&heading, layout::Widget::heading);
    Lay(&leftLogo, layout::Widget::leftLogo);
    Lay(&thanksButton, layout::Widget::thanksButton);
    Lay(&rightLogo, layout::Widget::rightLogo);
    Lay(&resultsButton, layout::Widget::overResults);
    Lay(&resultsSaved, layout::Widget::overResultsSaved);
    resultsSaved.SetShrinkToFit(true);
    leftLogo.SetPicture(&layout::LogoRed);
    rightLogo.SetPicture(&layout::LogoRed);
    connect(&thanksButton, &tk::Button::Click, this, &GameOverScreen::ThanksClicked);
    connect(&resultsButton, &tk::Button::Click, this, &GameOverScreen::ResultsWanted);
}
