#include "screens/Form1.h"

#include <array>

#include "game/module1.h"
#include "layout/pictures.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmQuestion.h"
#include "toolkit/random.h"

using namespace Module1;

Form1::Form1() {
    LayWindow(layout::kBoard);
    static constexpr std::array<std::string_view, 5> kColumns{"Command1", "Command2", "Command3",
                                                              "Command4", "Command5"};
    for (int column = 1; column <= 5; ++column) {
        for (int index = 0; index < 6; ++index) {
            tk::Button& square = Column(column)[index];
            Lay(&square, kColumns[column - 1], index);
            connect(&square, &tk::Button::Click, this,
                    [this, column, index] { Command_Click(column, index); });
        }
    }
    Lay(&Image1, "Image1");
    Lay(&Label1, "Label1");
    for (int index = 0; index < 5; ++index) {
        Lay(&Label2[index], "Label2", index);
        Label2[index].SetShrinkToFit(true);  // a long title is drawn smaller rather than cut off
    }
    Lay(&Label8, "Label8");
    Lay(&Label9, "Label9");
    Lay(&Label10, "Label10");
    Lay(&Label11, "Label11");
    Lay(&Command6, "Command6");
    Lay(&Command7, "Command7");
    Lay(&Command8, "Command8");
    Lay(&Command9, "Command9");
    Lay(&Command10, "Command10");
    Lay(&Command11, "Command11");
    Lay(&Image2, "Image2");
    Lay(&Image3, "Image3");
    Image1.SetPicture(&layout::Banner);
    Image2.SetPicture(&layout::LogoBlue);
    Image3.SetPicture(&layout::LogoRed);
    connect(&Command6, &tk::Button::Click, this, &Form1::Command6_Click);
    connect(&Command7, &tk::Button::Click, this, &Form1::Command7_Click);
    connect(&Command8, &tk::Button::Click, this, &Form1::Command8_Click);
    connect(&Command9, &tk::Button::Click, this, &Form1::Command9_Click);
    connect(&Command10, &tk::Button::Click, this, &Form1::Command10_Click);
    connect(&Command11, &tk::Button::Click, this, &Form1::Command11_Click);
    connect(&Image1, &tk::Picture::Click, this, &Form1::Image1_Click);
    connect(&Image2, &tk::Picture::Click, this, &Form1::Image2_Click);
    connect(&Image3, &tk::Picture::Click, this, &Form1::Image3_Click);
}

tk::Array<tk::Button, 6>& Form1::Column(int column) {
    std::array<tk::Array<tk::Button, 6>*, 5> columns{&Command1, &Command2, &Command3, &Command4,
                                                     &Command5};
    return *columns.at(static_cast<std::size_t>(column - 1));
}

// A square: the team on turn picks it; decide whether it is a Zapster and open its question.
void Form1::Command_Click(int column, int Index) {
    const int r = RoundNumber;
    const int s = 6 * (column - 1) + Index + 1;
    const Integer* planned = ForRound(r, ZapsterCount1, ZapsterCount2, ZapsterCount3);
    const Integer* used = ForRound(r, ZapstersUsed1, ZapstersUsed2, ZapstersUsed3);
    const Integer* left = ForRound(r, SquaresLeft1, SquaresLeft2, SquaresLeft3);
    const int C = planned != nullptr ? *planned : 0;
    const int U = used != nullptr ? *used : 0;
    const int L = left != nullptr ? *left : 0;
    if (C > U) {
        // Every square has the same chance, the round's planned count over its 30 squares.
        IsZapster = tk::Rnd() < C / 30.0;
        // When the Zapsters still owed equal the squares still unopened, each one is a Zapster.
        if (C - U == L) {
            IsZapster = true;
        }
    }
    tk::Button& square = Column(column)[Index];
    frmAnswer::Get().Label2.SetCaption(square.Caption());
    square.SetCaption(QString());
    square.setEnabled(false);
    // The first reference loads the question screen, whose load settles the Zapster decision.
    frmQuestion::Get().Label1.SetCaption(QuestionText(s, r));
    frmAnswer::Get().Label1.SetCaption(AnswerText(s, r));
    if (IsZapster || ZapsterCalled) {
        frmQuestion::Get().Label1.setVisible(false);
    }
    frmQuestion::Show();
}

namespace {

// A waiting team calls a Zapster on the other team's next question. Buttons "2" and "3" are
// refused while a call is pending; "1" is accepted and simply spent.
void CallZapster(tk::Label& ownScore, tk::Button& button, bool refusedWhilePending) {
    if (ownScore.isEnabled() || (refusedWhilePending && ZapsterCalled)) {
        return;
    }
    ZapsterCalled = true;
    button.setEnabled(false);
    button.SetCaption(QString());
}

}  // namespace

// Team 1's "1": a Zapster on team 2's next question.
void Form1::Command6_Click() {
    CallZapster(Label8, Command6, false);
}
// Team 1's "2": a Zapster on team 2's next question, unless one is already called.
void Form1::Command7_Click() {
    CallZapster(Label8, Command7, true);
}
// Team 1's "3": a Zapster on team 2's next question, unless one is already called.
void Form1::Command8_Click() {
    CallZapster(Label8, Command8, true);
}
// Team 2's "1": a Zapster on team 1's next question.
void Form1::Command9_Click() {
    CallZapster(Label9, Command9, false);
}
// Team 2's "2": a Zapster on team 1's next question, unless one is already called.
void Form1::Command10_Click() {
    CallZapster(Label9, Command10, true);
}
// Team 2's "3": a Zapster on team 1's next question, unless one is already called.
void Form1::Command11_Click() {
    CallZapster(Label9, Command11, true);
}

// The title banner: the moderator ends the game here at any time.
void Form1::Image1_Click() {
    frmGameOver::Show();
}

// The blue logo: sound off, the red logo takes its place.
void Form1::Image2_Click() {
    SoundOn = false;
    Image3.setVisible(true);
    Image3.setEnabled(true);
    Image2.setVisible(false);
    Image2.setEnabled(false);
}

// The red logo: sound on, the blue logo takes its place.
void Form1::Image3_Click() {
    SoundOn = true;
    Image2.setVisible(true);
    Image2.setEnabled(true);
    Image3.setVisible(false);
    Image3.setEnabled(false);
}

// The board's close box ends the game: the setup screen is still loaded, hidden, and must not
// keep a program running with no window.
void Form1::Form_FrameClose() {
    tk::End();
}

int TeamOnTurn() {
    Form1& board = Form1::Get();
    return board.Label8.isEnabled() ? 1 : board.Label9.isEnabled() ? 2 : 0;
}

void GainPoints(int team, int points) {
    Form1& board = Form1::Get();
    if (team == 1) {
        Team1Score = SaturatingAdd(Team1Score, points);
        board.Label8.SetCaption(QString::number(Team1Score));
    } else if (team == 2) {
        Team2Score = SaturatingAdd(Team2Score, points);
        board.Label9.SetCaption(QString::number(Team2Score));
    }
}
