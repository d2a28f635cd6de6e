#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "game/content.h"
#include "game/numbers.h"

namespace game {

// What the moderator chose on the setup screen.
struct Setup {
    std::array<QString, kTeams> teamNames{QStringLiteral("Team 1"), QStringLiteral("Team 2")};
    Integer roundsToPlay = 3;
    PerRound zapstersPlanned{3, 6, 9};  // kEveryQuestion: "Total!"
    bool soundOn = true;
    // The time bar of a normal question: its length in seconds (kNoTimeLimit: none), and whether
    // it waits until the moderator has read the question aloud.
    Integer barSeconds = 32;
    bool startAfterReading = false;
    bool operator==(const Setup&) const = default;
};

// The lengths of the time bar the setup offers, in seconds; 32 is the game's own.
inline constexpr Integer kNoTimeLimit = 0;
inline constexpr std::array<Integer, 7> kBarLengths{15, 20, 32, 45, 60, 90, kNoTimeLimit};

// The Zapster questions planned in rounds 1, 2 and 3 by each schedule of the setup: "None",
// "0, 0, 0", "0, 3, 6", "3, 6, 9", "6, 9, 12" and "Total!". "0, 0, 0" gives round 3 three of them;
// only "None" plans none at all, and "Total!" makes every question one.
inline constexpr std::array<PerRound, 6> kSchedules{{
    {0, 0, 0},
    {0, 0, 3},
    {0, 3, 6},
    {3, 6, 9},
    {6, 9, 12},
    {kEveryQuestion, kEveryQuestion, kEveryQuestion},
}};

// Where the game stands between two clicks: on the board; a question running against its time
// bar; its answer shown, to be judged; or its time (or Zapster clock) run out, the board due back.
enum class Phase { Board, Question, Answer, TimeUp };

// The square whose question is open, and how it was opened.
struct OpenQuestion {
    Integer round = 1;  // the square's; the game's moves on once a round's last question ends
    Integer column = 0;
    Integer row = 0;
    Integer points = 0;
    bool zapster = false;  // drawn or called: the scoring is reversed
    bool operator==(const OpenQuestion&) const = default;
};

// How the moderator judged a question, or how its time ended: "Got it!" ("NO Zapster!" on a
// Zapster question), "Missed it" ("Zapster!"), the time bar run out, or the Zapster clock run down.
// A score corrected by hand is an outcome of its own, of no question.
enum class Verdict { GotIt, MissedIt, TimeUp, ClockRanOut, ByHand };

// One outcome of the game's record, in the order they happened.
struct Outcome {
    // The square, its points, and whether it was a Zapster; by hand, only the round it was in.
    OpenQuestion question;
    int team =
        kNoTeam;  // on turn when it was decided: the team that answered; or the one corrected
    Verdict verdict = Verdict::GotIt;
    std::optional<Verdict> judgedInPlay;  // once corrected: the verdict given in the room
    Integer change = 0;                   // by hand: the points added (or taken, below zero)
    QString reason;                       // by hand: why, as the moderator typed it
    std::array<Integer, kTeams> scoreAfter{};
    bool operator==(const Outcome&) const = default;
};

// A record far longer than any game: hand corrections stop there.
inline constexpr int kLongestRecord = 1000;
// The reason of a hand correction is a short line.
inline constexpr int kLongestReason = 80;

// Whether a question's outcome can be judged so: a normal question's time runs out, a Zapster's
// clock runs down. A hand correction is judged by nobody.
bool Fits(const Outcome& outcome, Verdict verdict);
// The scores after an outcome, from the scores before it, as play scores it: the Zapster reversal,
// the doubled points of a clock run down, and the 16-bit limits.
std::array<Integer, kTeams> Scored(std::array<Integer, kTeams> score, const Outcome& outcome);
// A hand correction's reason as the record keeps it: one line, at most kLongestReason characters.
QString OneLine(const QString& reason);

// Everything of a game but its content: what a take-back goes back to and what a save writes.
struct MatchState {
    Setup setup;
    // The draws come from a sequence of their own, given by the seed; `draws` counts those made,
    // so that a game taken back or resumed draws on from where it was.
    std::uint64_t seed = 0;
    std::uint32_t draws = 0;

    Integer round = 1;  // roundsToPlay + 1 once the last round is over
    std::array<Integer, kTeams> score{};
    // The teams' scores as the board draws them, lit or greyed: the team on turn is the lit one,
    // the left team when both are, as at the start of the game. Once the game is over neither
    // may be.
    std::array<bool, kTeams> lit{true, true};
    Integer questionsOpened = 0;  // in the round being played
    PerRound zapstersOpened;      // drawn, forced and called alike
    PerRound squaresLeft{kSquaresPerRound, kSquaresPerRound, kSquaresPerRound};
    bool zapsterDrawn = false;   // the draw made the latest question a Zapster
    bool zapsterCalled = false;  // a team called a Zapster on the other team's next question
    bool soundOn = true;
    // The board's sound switch: the blue logo (sound on) shows until it is clicked, whatever the
    // setup said about the sound.
    bool soundLogoOn = true;
    std::array<bool, kSquaresPerRound> spent{};  // column by column, top to bottom
    // The numbered Zapster buttons, team 0's "1", "2", "3" then team 1's: whether each shows its
    // number, and whether it can be pressed.
    std::array<bool, kTeams * kZapsterButtons> buttonShown{};
    std::array<bool, kTeams * kZapsterButtons> buttonEnabled{};
    bool titlesCleared = false;  // the right team answered the game's last question
    Phase phase = Phase::Board;
    std::optional<OpenQuestion> question;  // none on the board
    bool finished = false;                 // "Thanks For Playing!"
    // Every outcome so far, and the scores the record starts from: zero, or those of a game saved
    // before the game kept its record.
    std::vector<Outcome> record;
    std::array<Integer, kTeams> recordBase{};

    bool operator==(const MatchState&) const = default;
};

// The game: its content, the setup, and every rule of play. The screens only show it and hand it
// the moderator's clicks; the timers of a question hand it only outcomes. It is a value: a copy
// is a moment of the game that a take-back returns to, and == compares two games.
class Match {
public:
    Match(Content content, const Setup& setup, std::uint64_t seed);
    // A game as saved; the reader has checked that a game can reach it.
    Match(std::shared_ptr<const Content> content, const MatchState& state);

    const Content& content() const { return *content_; }
    const std::shared_ptr<const Content>& SharedContent() const { return content_; }
    const MatchState& state() const { return state_; }
    const Setup& setup() const { return state_.setup; }

    // --- Questions the screens ask ---
    Phase phase() const { return state_.phase; }
    int Round() const { return state_.round; }
    // The round on the board: after the last round it keeps showing that round.
    int RoundShown() const;
    bool Over() const { return state_.round == state_.setup.roundsToPlay + 1; }
    bool Finished() const { return state_.finished; }
    Integer Score(int team) const { return state_.score[Team(team)]; }
    bool Lit(int team) const { return state_.lit[Team(team)]; }
    // The left team when both scores are lit; kNoTeam when neither is.
    int TeamOnTurn() const;
    bool SoundOn() const { return state_.soundOn; }
    bool SoundLogoOn() const { return state_.soundLogoOn; }
    bool TitlesCleared() const { return state_.titlesCleared; }
    // The title over a column as the board shows it.
    QString CategoryTitle(int column) const;
    Integer SquarePoints(int row) const { return content().Points(RoundShown(), row); }
    bool SquareSpent(int column, int row) const { return state_.spent[Square(column, row)]; }
    bool ButtonShown(int team, int button) const {
        return state_.buttonShown[Button(team, button)];
    }
    bool ButtonEnabled(int team, int button) const {
        return state_.buttonEnabled[Button(team, button)];
    }
    // Whether a click on a square or a team's button is taken now.
    bool MayOpen(int column, int row) const;
    bool MayPressButton(int team, int button) const;
    const std::optional<OpenQuestion>& Question() const { return state_.question; }
    QString QuestionText() const;
    QString AnswerText() const;

    // --- The moderator's actions and the question's outcomes. Each returns false, and changes
    // nothing, when the game does not take it now. ---
    // The team on turn picks a square: the draw decides whether it is a Zapster; its question
    // opens and the square is spent.
    bool OpenSquare(int column, int row);
    // A waiting team calls a Zapster on the other team's next question and spends its button.
    // "2" and "3" are refused while a call is pending; "1" is accepted and simply spent.
    bool CallZapster(int team, int button);
    // The board's logos: the blue one switches the sound off, the red one on.
    bool SwitchSound(bool on);
    // The moderator clicks the time bar: the answer is shown.
    bool Reveal();
    // A normal question's time runs out: nothing is scored.
    bool TimeUp();
    // A Zapster clock turned and run down to zero: the team on turn gains twice the points.
    bool ClockRanOut();
    // Three seconds after the time ran out: the turn passes and the board returns.
    bool BackToBoard();
    // The moderator judges the answer of the team on turn: "Got it!" / "NO Zapster!" when
    // `right`, else "Missed it" / "Zapster!".
    bool Judge(bool right);
    // "Thanks For Playing!": the game is over for good, wherever it stood.
    void Finish() { state_.finished = true; }
    // An appeal: an earlier outcome of the record is judged again, on the board, and the scores
    // are counted again from the record. Who was on turn and which squares were chosen stay as
    // they happened.
    bool Rejudge(std::size_t entry, Verdict verdict);
    // A team's score corrected by hand, on the board: `change` points added (taken when below
    // zero), stopping at the score's limits, with the moderator's reason. It joins the record.
    bool CorrectScore(int team, int change, const QString& reason);
    // Whether the record can be corrected now: on the board, before "Thanks For Playing!".
    bool MayCorrect() const { return In(Phase::Board); }

    bool operator==(const Match& other) const;

private:
    static std::size_t Team(int team) { return Checked(team, 0, kTeams - 1, "team"); }
    static std::size_t Square(int column, int row) {
        return Checked(column, 0, kColumns - 1, "column") * kRows +
               Checked(row, 0, kRows - 1, "row");
    }
    static std::size_t Button(int team, int button) {
        return Team(team) * kZapsterButtons +
               Checked(button, 0, kZapsterButtons - 1, "Zapster button");
    }
    bool ZapsterQuestion() const { return state_.zapsterDrawn || state_.zapsterCalled; }
    // The game stands at `phase` and has not been finished: an action of that phase is taken.
    bool In(Phase phase) const { return !state_.finished && state_.phase == phase; }
    double Draw();
    bool StopQuestion(Phase next);
    void Record(Verdict verdict);
    void PassTurn();
    void EndRoundIfLast();
    void ResetZapsterButtons();
    const Category* OpenCategory() const;

    // Shared between the copies of a game: it never changes once the game has started.
    std::shared_ptr<const Content> content_;
    MatchState state_;
};

}  // namespace game
