#include "screens/board.h"

#include <array>

#include "game/save.h"
#include "game/state.h"
#include "layout/pictures.h"
#include "screens/answer.h"
#include "screens/game_over.h"
#include "screens/question.h"
#include "toolkit/random.h"

using namespace game;

BoardScreen::BoardScreen() {
    LayWindow(layout::kBoard);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            tk::Button& square = squares[column][row];
            Lay(&square, layout::Widget::square, kRows * column + row);
            connect(&square, &tk::Button::Click, this,
                    [this, column, row] { OpenSquare(column, row); });
        }
    }
    Lay(&banner, layout::Widget::banner);
    Lay(&roundLabel, layout::Widget::roundLabel);
    for (int column = 0; column < kColumns; ++column) {
        Lay(&categoryTitles[column], layout::Widget::categoryTitle, column);
        // A long title is drawn smaller rather than cut off.
        categoryTitles[column].SetShrinkToFit(true);
    }
    for (int team = 0; team < 2; ++team) {
        Lay(&teamScore[team], layout::Widget::teamScore, team);
    }
    for (int team = 0; team < 2; ++team) {
        Lay(&teamName[team], layout::Widget::teamName, team);
        // A long name is drawn smaller rather than cut off.
        teamName[team].SetShrinkToFit(true);
    }
    for (int team = 0; team < 2; ++team) {
        for (int button = 0; button < kZapsterButtons; ++button) {
            tk::Button& zapster = zapsterButtons[team][button];
            Lay(&zapster, layout::Widget::zapsterButton, kZapsterButtons * team + button);
            connect(&zapster, &tk::Button::Click, this,
                    [this, team, button] { CallZapster(team, button); });
        }
    }
    Lay(&soundOnLogo, layout::Widget::soundOnLogo);
    Lay(&soundOffLogo, layout::Widget::soundOffLogo);
    Lay(&saveWarning, layout::Widget::saveWarning);
    saveWarning.SetShrinkToFit(true);
    banner.SetPicture(&layout::Banner);
    soundOnLogo.SetPicture(&layout::LogoBlue);
    soundOffLogo.SetPicture(&layout::LogoRed);
    connect(&banner, &tk::Picture::Click, this, &BoardScreen::EndGame);
    connect(&soundOnLogo, &tk::Picture::Click, this, [this] { SwitchSound(false); });
    connect(&soundOffLogo, &tk::Picture::Click, this, [this] { SwitchSound(true); });
}

// The team on turn picks a square: decide whether it is a Zapster and open its question.
void BoardScreen::OpenSquare(int column, int row) {
    const int round = state.round;
    const int slot = kRows * column + row + 1;  // slots run 1..30 down each column in turn
    const auto inRound = [round](PerRound& perRound) {
        const Integer* count = perRound.In(round);
        return count != nullptr ? *count : 0;
    };
    const int planned = inRound(state.zapstersPlanned);
    const int opened = inRound(state.zapstersOpened);
    const int left = inRound(state.squaresLeft);
    if (planned > opened) {
        // Every square has the same chance, the round's planned count over its 30 squares.
        state.zapsterDrawn = tk::Random() < planned / 30.0;
        // When the Zapsters still owed equal the squares still unopened, each one is a Zapster.
        if (planned - opened == left) {
            state.zapsterDrawn = true;
        }
    }
    tk::Button& square = squares[column][row];
    AnswerScreen::Get().points.SetCaption(square.Caption());
    square.SetCaption(QString());
    square.setEnabled(false);
    // The first reference loads the question screen, whose load settles the Zapster decision.
    QuestionScreen::Get().questionText.SetCaption(state.question(slot, round));
    AnswerScreen::Get().answerText.SetCaption(state.answer(slot, round));
    if (state.ZapsterQuestion()) {
        QuestionScreen::Get().questionText.setVisible(false);
    }
    QuestionScreen::Show();
}

// A waiting team calls a Zapster on the other team's next question: its button is spent. Buttons
// "2" and "3" are refused while a call is pending; "1" is accepted and simply spent.
void BoardScreen::CallZapster(int team, int button) {
    const bool refusedWhilePending = button > 0;
    if (teamScore[team].isEnabled() || (refusedWhilePending && state.zapsterCalled)) {
        return;
    }
    state.zapsterCalled = true;
    zapsterButtons[team][button].setEnabled(false);
    zapsterButtons[team][button].SetCaption(QString());
    save::AtRest();
}

// The moderator ends the game here at any time.
void BoardScreen::EndGame() {
    GameOverScreen::Show();
}

// The logos switch the sound: the blue one turns it off, the red one on, and the other logo takes
// the clicked one's place.
void BoardScreen::SwitchSound(bool on) {
    state.soundOn = on;
    tk::Picture& shown = on ? soundOnLogo : soundOffLogo;
    tk::Picture& clicked = on ? soundOffLogo : soundOnLogo;
    shown.setVisible(true);
    shown.setEnabled(true);
    clicked.setVisible(false);
    clicked.setEnabled(false);
    save::AtRest();
}

// Ctrl+Z: the last question's outcome is taken back. Its answer screen comes back over the board
// as it was before the outcome, as when its answer was revealed, so the moderator judges again.
// Pressed on an answer screen, it goes one question further back, and the question on that screen
// is not played: its square is open again.
void BoardScreen::TakeBack() {
    if (!save::TakeBack()) {
        return;
    }
    GameOverScreen::Unload();
    QuestionScreen::Unload();
    Hide();
    AnswerScreen::Show();
    QuestionScreen::CheckRoundEnd();
    save::AtRest(true);
}

// The board's close box ends the game: the setup screen is still loaded, hidden, and must not
// keep a program running with no window.
void BoardScreen::OnCloseBox() {
    tk::End();
}

int TeamOnTurn() {
    BoardScreen& board = BoardScreen::Get();
    return board.teamScore[0].isEnabled() ? 0 : board.teamScore[1].isEnabled() ? 1 : kNoTeam;
}

void GainPoints(int team, int points) {
    BoardScreen& board = BoardScreen::Get();
    if (team == 0) {
        state.score[0] = SaturatingAdd(state.score[0], points);
        board.teamScore[0].SetCaption(QString::number(state.score[0]));
    } else if (team == 1) {
        state.score[1] = SaturatingAdd(state.score[1], points);
        board.teamScore[1].SetCaption(QString::number(state.score[1]));
    }
}
