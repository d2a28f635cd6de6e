#pragma once

#include "game/match.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The board: five category columns of six squares, the round, the scores and team names, the
// Zapster buttons of both teams, and the title pictures. Teams are 0 (left) and 1 (right). It
// shows the game as the game says and hands on what the moderator clicks.
class BoardScreen : public tk::Screen<BoardScreen> {
    Q_OBJECT

public:
    static constexpr int kColumns = game::kColumns;
    static constexpr int kRows = game::kRows;
    static constexpr int kZapsterButtons = game::kZapsterButtons;

    BoardScreen();

    // Declared in the order they are stacked on the board.
    tk::Picture banner{this};  // the title; a click ends the game
    tk::Label roundLabel{this};
    tk::Array<tk::Label, kColumns> categoryTitles{this};
    tk::Array<tk::Array<tk::Button, kRows>, kColumns> squares{this};  // [column][row], row 0 on top
    tk::Array<tk::Label, game::kTeams> teamScore{this};  // enabled while that team is on turn
    tk::Array<tk::Label, game::kTeams> teamName{this};
    tk::Array<tk::Array<tk::Button, kZapsterButtons>, game::kTeams> zapsterButtons{this};
    tk::Picture soundOnLogo{this};   // blue
    tk::Picture soundOffLogo{this};  // red
    tk::Label saveWarning{this};     // shown while the game cannot be saved

    // Every widget as the game stands.
    void Draw(const game::Match& game);
    // How the last save went: a failure is said across the foot of the banner until one succeeds.
    void ShowSaving(const QString& failure);

signals:
    void SquareClicked(int column, int row);
    void ZapsterButtonClicked(int team, int button);
    void BannerClicked();
    void SoundSwitched(bool on);  // by the blue logo (off) or the red one (on)
    void TakeBackPressed();
    void RecordWanted();  // R, or the right-click menu: the record, for an appeal

protected:
    void OnUndo() override { emit TakeBackPressed(); }
    void OnCloseBox() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
