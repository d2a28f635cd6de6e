#include "screens/answer.h"

#include "game/save.h"
#include "game/state.h"
#include "screens/board.h"
#include "screens/game_over.h"
#include "screens/question.h"

using namespace game;

AnswerScreen::AnswerScreen() {
    LayWindow(layout::kAnswer);
    Lay(&answerText, layout::Widget::answerText);
    Lay(&rightButton, layout::Widget::rightButton);
    Lay(&points, layout::Widget::points);
    Lay(&wrongButton, layout::Widget::wrongButton);
    answerText.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&rightButton, &tk::Button::Click, this, [this] { Judge(true); });
    connect(&wrongButton, &tk::Button::Click, this, [this] { Judge(false); });
}

int AnswerScreen::Points() const {
    bool whole = false;
    const int value = points.Caption().toInt(&whole);
    return whole ? value : 0;
}

namespace {

// Right: the team on turn scores, or on a Zapster question the other team does. Wrong: nothing is
// scored, or on a Zapster question the team on turn scores double.
void Score(int team, bool right, int points) {
    const bool zapster = state.ZapsterQuestion();
    if (!zapster) {
        if (right) {
            GainPoints(team, points);
        }
        return;
    }
    if (right) {
        GainPoints(1 - team, points);
    } else {
        GainPoints(team, 2 * points);
    }
    state.zapsterCalled = false;
}

}  // namespace

void AnswerScreen::Judge(bool right) {
    save::BeforeOutcome();
    BoardScreen& board = BoardScreen::Get();
    const int team = TeamOnTurn();
    if (team != kNoTeam) {
        Score(team, right, Points());
        board.teamScore[team].setEnabled(false);
        board.teamScore[1 - team].setEnabled(true);
        Hide();
        QuestionScreen::Unload();
        BoardScreen::Show();
        // The right team's answer to the last question also clears the board behind the
        // game-over screen; after the left team's the board stays as it was.
        if (team == 1 && state.round == state.roundsToPlay + 1) {
            BoardScreen::Show();
            QuestionScreen::Unload();
            Unload();
            for (int column = 0; column < BoardScreen::kColumns; ++column) {
                board.categoryTitles[column].SetCaption(QString());
            }
            GameOverScreen::Show();
            board.teamScore[0].setEnabled(false);
            board.teamScore[1].setEnabled(false);
        }
    }
    // The first turn of a new round goes to the team that is behind.
    if (state.questionsOpened == 0) {
        if (state.score[0] > state.score[1]) {
            board.teamScore[0].setEnabled(false);
            board.teamScore[1].setEnabled(true);
        }
        if (state.score[0] < state.score[1]) {
            board.teamScore[0].setEnabled(true);
            board.teamScore[1].setEnabled(false);
        }
    }
    if (state.round == state.roundsToPlay + 1) {
        GameOverScreen::Show();
    }
    save::AtRest();
}

// Ctrl+Z here takes back the outcome before this question's, one more each time it is pressed.
void AnswerScreen::OnUndo() {
    BoardScreen::Get().TakeBack();
}

// The answer screen is driven by the game: its close box does nothing, so that a judgement is
// never lost.
void AnswerScreen::OnCloseBox() {}
