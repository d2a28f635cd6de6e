#pragma once

#include "toolkit/form.h"
#include "toolkit/widgets.h"

// The board: five category columns of six squares, the round, the scores and team names, the
// Zapster buttons of both teams, and the title pictures.
class Form1 : public tk::Screen<Form1> {
    Q_OBJECT

public:
    Form1();

    tk::Picture Image1{this};              // title banner
    tk::Label Label1{this};                // "Round: n"
    tk::Array<tk::Label, 5> Label2{this};  // category titles
    tk::Array<tk::Button, 6> Command1{this}, Command2{this}, Command3{this}, Command4{this},
        Command5{this};       // the squares of columns 1 to 5, Index 0 at the top
    tk::Label Label8{this};   // team 1 score; enabled while team 1 is on turn
    tk::Label Label9{this};   // team 2 score; enabled while team 2 is on turn
    tk::Label Label10{this};  // team 1 name
    tk::Label Label11{this};  // team 2 name
    tk::Button Command6{this}, Command7{this}, Command8{this};    // team 1's Zapster buttons
    tk::Button Command9{this}, Command10{this}, Command11{this};  // team 2's Zapster buttons
    tk::Picture Image2{this};                                     // blue logo: sound on
    tk::Picture Image3{this};                                     // red logo: sound off

    // The squares of column 1..5.
    tk::Array<tk::Button, 6>& Column(int column);

    void Command_Click(int column, int Index);
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();

protected:
    void Form_FrameClose() override;
};

// The team on turn: 1 while the board's team 1 score label is enabled, else 2 while team 2's is,
// else 0 (no team).
int TeamOnTurn();

// Team 1 or 2 gains points: its score changes and its score label on the board shows it.
void GainPoints(int team, int points);
