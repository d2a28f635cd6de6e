#include "screens/title.h"

#include "game/save.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/setup.h"

TitleScreen::TitleScreen() {
    LayWindow(layout::kTitle);
    Lay(&title, layout::Widget::title);
    Lay(&description, layout::Widget::description);
    Lay(&divider[0], layout::Widget::divider, 0);
    Lay(&divider[1], layout::Widget::divider, 1);
    Lay(&disclaimer, layout::Widget::disclaimer);
    Lay(&okButton, layout::Widget::okButton);
    Lay(&version, layout::Widget::version);
    Lay(&resumeOffer, layout::Widget::resumeOffer);
    Lay(&resumeButton, layout::Widget::resumeButton);
    Lay(&newGameButton, layout::Widget::newGameButton);
    resumeOffer.SetShrinkToFit(true);
    SetDefaultButton(&okButton);
    SetCancelButton(&okButton);
    connect(&okButton, &tk::Button::Click, this, &TitleScreen::Ok);
    connect(&resumeButton, &tk::Button::Click, this, &TitleScreen::Resume);
    connect(&newGameButton, &tk::Button::Click, this, &TitleScreen::Ok);
}

// A saved game that did not end is offered plainly, before anything of a new game is set up; a
// saved game that cannot be used is said so where the warning stands.
void TitleScreen::OnLoad() {
    const game::save::Offer offer = game::save::Look();
    const QString& said = offer.question.isEmpty() ? offer.problem : offer.question;
    if (said.isEmpty()) {
        return;
    }
    disclaimer.setVisible(false);
    resumeOffer.SetCaption(said);
    resumeOffer.setVisible(true);
    if (!offer.question.isEmpty()) {
        okButton.setVisible(false);
        resumeButton.setVisible(true);
        newGameButton.setVisible(true);
        SetDefaultButton(&resumeButton);
        SetCancelButton(&newGameButton);
    }
}

// "OK": the title is done for good; the moderator goes on to set up the game.
void TitleScreen::Ok() {
    Unload();
    SetupScreen::Show();
}

// "Resume": the saved game comes back as it was left, on the board or on the answer screen of a
// question taken back.
void TitleScreen::Resume() {
    bool onAnswerScreen = false;
    if (!game::save::Resume(&onAnswerScreen)) {
        return;
    }
    Unload();
    if (onAnswerScreen) {
        AnswerScreen::Show();
    } else {
        BoardScreen::Show();
    }
}
