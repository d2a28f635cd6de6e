#pragma once

#include "game/match.h"
#include "screens/pace.h"
#include "screens/record_panel.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// The host's own window, on the moderator's display while the room watches the other one: the
// round, the teams and whose turn it is, the board, and the open question with its answer before
// the room sees it. Every click the room's screens take is a button here too, enabled exactly
// when a click there would be taken, each with its key.
class HostScreen : public tk::Screen<HostScreen> {
    Q_OBJECT

public:
    static constexpr int kColumns = game::kColumns;
    static constexpr int kRows = game::kRows;
    static constexpr int kZapsterButtons = game::kZapsterButtons;

    HostScreen();

    tk::Label roundLabel{this};
    tk::Array<tk::Label, game::kTeams> teamName{this};
    tk::Array<tk::Label, game::kTeams> teamScore{this};
    tk::Array<tk::Label, kColumns> categoryTitles{this};
    tk::Array<tk::Array<tk::Button, kRows>, kColumns> squares{this};  // [column][row]
    tk::Array<tk::Label, game::kTeams> callsHeading{this};
    tk::Array<tk::Array<tk::Button, kZapsterButtons>, game::kTeams> zapsterButtons{this};
    tk::Button takeBackButton{this};
    tk::Button endGameButton{this};
    tk::Label questionLine{this};  // category, points, and whether it is a Zapster
    tk::Label questionText{this};
    tk::Label answerText{this};
    tk::Label timeLeft{this};
    tk::Button revealButton{this};
    tk::Button rightButton{this};
    tk::Button wrongButton{this};
    tk::Button clockButton{this};
    tk::Button pauseButton{this};
    tk::Button moreTimeButton{this};
    tk::Label saving{this};
    tk::Button recordButton{this};  // the record in the board's place, and back
    RecordPanel record{this};

    // What the host sees besides the game: the open question as its screen paces it, whether an
    // outcome can be taken back, and whether the room sees the game-over screen.
    struct Beside {
        QuestionPace pace;
        bool canTakeBack = false;
        bool gameOverShown = false;
    };
    // Every widget as the game stands.
    void Draw(const game::Match& game, const Beside& beside);
    void ShowSaving(const QString& failure);
    // The record instead of the board, or the board again.
    void ShowRecord(bool shown);
    bool RecordShown() const { return recordShown_; }

signals:
    void SquareClicked(int column, int row);
    void ZapsterButtonClicked(int team, int button);
    void RevealClicked();
    void ClockTurned();
    void PauseSwitched();
    void TimeAdded();
    void Judged(bool right);
    void TakeBackPressed();
    void EndGameClicked();  // or, with the game-over screen up, "Thanks For Playing!"
    void RecordSwitched();  // the window is to be drawn again

protected:
    void OnUndo() override;
    void OnCloseBox() override {}  // the host's window goes with the game
    void keyPressEvent(QKeyEvent* event) override;

private:
    int typedColumn_ = -1;  // a square's key is its column's letter, then its row's digit
    bool recordShown_ = false;
};
