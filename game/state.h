#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "game/table.h"

namespace game {

// Every number of the game is a signed 16-bit integer, as the game defines them.
using Integer = std::int16_t;

inline constexpr int kRounds = 3;
inline constexpr int kSquaresPerRound = 30;

// One number for each round, looked up by round number 1..3.
class PerRound {
public:
    Integer& operator[](int round) { return values_.at(Position(round)); }
    Integer operator[](int round) const { return values_.at(Position(round)); }
    // The round's number, or none for a round that is not played (0 before the game, one past
    // the last round after it).
    Integer* In(int round) { return round >= 1 && round <= kRounds ? &(*this)[round] : nullptr; }
    void Fill(Integer value) { values_.fill(value); }
    bool operator==(const PerRound&) const = default;

private:
    static std::size_t Position(int round) { return static_cast<std::size_t>(round - 1); }
    std::array<Integer, kRounds> values_{};
};

// The whole game as one value. Every screen reads and writes it directly; there is no other
// channel between the screens apart from each other's widgets. A fresh value is the state of a
// program that has not started: every number 0, every text empty, every flag false.
struct State {
    // Content of all three rounds, filled once by StartGame. Index 0 of both dimensions is unused.
    Table2D<QString, 30, kRounds> question;      // (slot 1..30, round)
    Table2D<QString, 30, kRounds> answer;        // (slot 1..30, round)
    Table2D<QString, 5, kRounds> categoryTitle;  // (column 1..5, round)
    Table2D<Integer, 6, kRounds> points;         // (row 1..6, round)

    Integer round = 0;  // 0 before the game, roundsToPlay + 1 after the last round
    Integer roundsToPlay = 0;
    std::array<Integer, 2> score{};  // by team: 0 left, 1 right
    Integer questionsOpened = 0;     // in the current round
    PerRound zapstersPlanned;
    PerRound zapstersOpened;
    PerRound squaresLeft;

    // Decisions passed between the board, the question screen and the answer screen.
    bool zapsterDrawn = false;   // the board's draw made the open question a Zapster
    bool zapsterCalled = false;  // a team called a Zapster on the other team's next question
    bool soundOn = false;
    bool blinking = false;  // the Zapster announcement
    bool blinkRed = false;

    // The Zapster clock of the question screen.
    Integer zapsterClock = 0;
    bool zapsterClockCountingDown = false;

    // A Zapster question, drawn or called, turns the scoring round.
    bool ZapsterQuestion() const { return zapsterDrawn || zapsterCalled; }

    bool operator==(const State&) const = default;
};

// The running game.
inline State state;

// Adds points to a score or clock. The result stays inside the signed 16-bit range, stopping at its
// limits instead of wrapping round to a nonsense value of the other sign.
inline Integer SaturatingAdd(Integer value, int amount) {
    const int sum = value + amount;
    return static_cast<Integer>(sum > INT16_MAX ? INT16_MAX : sum < INT16_MIN ? INT16_MIN : sum);
}

// Start-up: seeds the random numbers, sets the round counters and shows the title screen.
void StartProgram();
// Fills the content of all rounds from the bank and the chosen files, then shows the board.
void StartGame();
// Arms the six Zapster buttons of the board for the round about to be played.
void ResetZapsterButtons();

}  // namespace game
