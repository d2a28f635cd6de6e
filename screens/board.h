#pragma once

#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The board: five category columns of six squares, the round, the scores and team names, the
// Zapster buttons of both teams, and the title pictures. Teams are 0 (left) and 1 (right).
class BoardScreen : public tk::Screen<BoardScreen> {
    Q_OBJECT

public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 6;
    static constexpr int kZapsterButtons = 3;  // per team: "1", "2" and "3"

    BoardScreen();

    // Declared in the order they are stacked on the board.
    tk::Picture banner{this};  // the title; a click ends the game
    tk::Label roundLabel{this};
    tk::Array<tk::Label, kColumns> categoryTitles{this};
    tk::Array<tk::Array<tk::Button, kRows>, kColumns> squares{this};  // [column][row], row 0 on top
    tk::Array<tk::Label, 2> teamScore{this};  // enabled while that team is on turn
    tk::Array<tk::Label, 2> teamName{this};
    tk::Array<tk::Array<tk::Button, kZapsterButtons>, 2> zapsterButtons{this};
    tk::Picture soundOnLogo{this};   // blue
    tk::Picture soundOffLogo{this};  // red
    tk::Label saveWarning{this};     // shown while the game cannot be saved

    void OpenSquare(int column, int row);
    void CallZapster(int team, int button);
    void EndGame();
    void SwitchSound(bool on);
    void TakeBack();

protected:
    void OnUndo() override { TakeBack(); }
    void OnCloseBox() override;
};

// No team is on turn: neither score label is enabled.
inline constexpr int kNoTeam = -1;

// The team on turn: the one whose score label on the board is enabled, team 0 first.
int TeamOnTurn();

// A team gains points: its score changes and its score label on the board shows it.
void GainPoints(int team, int points);
