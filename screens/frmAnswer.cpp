#include "screens/frmAnswer.h"

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmGameOver.h"
#include "screens/frmQuestion.h"

using namespace Module1;

frmAnswer::frmAnswer() {
    LayWindow(layout::kAnswer);
    Lay(&Label1, "Label1");
    Lay(&Command1, "Command1");
    Lay(&Label2, "Label2");
    Lay(&Command2, "Command2");
    Label1.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&Command1, &tk::Button::Click, this, &frmAnswer::Command1_Click);
    connect(&Command2, &tk::Button::Click, this, &frmAnswer::Command2_Click);
}

int frmAnswer::Points() const {
    bool whole = false;
    const int points = Label2.Caption().toInt(&whole);
    return whole ? points : 0;
}

// Correct: the team on turn scores, or on a Zapster question the other team does.
void frmAnswer::Command1_Click() {
    Judge(true);
}

// Missed: nothing is scored, or on a Zapster question the team on turn scores double.
void frmAnswer::Command2_Click() {
    Judge(false);
}

namespace {

// One judgement of team `team` (the other team is 3 - team).
void Score(int team, bool correct, int points) {
    const bool zapster = IsZapster || ZapsterCalled;
    if (!zapster) {
        if (correct) {
            GainPoints(team, points);
        }
        return;
    }
    // A Zapster question turns the scoring round.
    if (correct) {
        GainPoints(3 - team, points);
    } else {
        GainPoints(team, 2 * points);
    }
    ZapsterCalled = false;
}

}  // namespace

void frmAnswer::Judge(bool correct) {
    Form1& board = Form1::Get();
    bool done = false;
    if (!done && board.Label8.isEnabled()) {
        Score(1, correct, Points());
        board.Label8.setEnabled(false);
        board.Label9.setEnabled(true);
        done = true;
        Hide();
        frmQuestion::Unload();
        Form1::Show();
    }
    if (!done && board.Label9.isEnabled()) {
        Score(2, correct, Points());
        board.Label9.setEnabled(false);
        board.Label8.setEnabled(true);
        done = true;
        Hide();
        frmQuestion::Unload();
        Form1::Show();
        if (RoundNumber == NumRounds + 1) {
            Form1::Show();
            frmQuestion::Unload();
            Unload();
            for (int index = 0; index <= 4; ++index) {
                board.Label2[index].SetCaption(QString());
            }
            frmGameOver::Show();
            board.Label8.setEnabled(false);
            board.Label9.setEnabled(false);
        }
    }
    // The first turn of a new round goes to the team that is behind.
    if (QuestionsAsked == 0) {
        if (Team1Score > Team2Score) {
            board.Label8.setEnabled(false);
            board.Label9.setEnabled(true);
        }
        if (Team1Score < Team2Score) {
            board.Label8.setEnabled(true);
            board.Label9.setEnabled(false);
        }
    }
    if (RoundNumber == NumRounds + 1) {
        frmGameOver::Show();
    }
}

// The answer screen is driven by the game: its close box does nothing, so that a judgement is
// never lost.
void frmAnswer::Form_FrameClose() {}
