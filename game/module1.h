#pragma once

#include <QString>
#include <cstdint>

#include "game/table.h"

// The game's shared state. Every screen reads and writes these variables directly; there is no
// other channel between the screens apart from each other's widgets. All numbers are signed
// 16-bit integers, as the game defines them.
namespace Module1 {

using Integer = std::int16_t;

// Content of all three rounds, filled once by StartGame. Index 0 of both dimensions is unused.
inline Table2D<QString, 30, 3> QuestionText;  // (slot 1..30, round 1..3)
inline Table2D<QString, 30, 3> AnswerText;    // (slot 1..30, round 1..3)
inline Table2D<QString, 5, 3> CategoryName;   // (column 1..5, round 1..3)
inline Table2D<Integer, 6, 3> PointValue;     // (row 1..6, round 1..3)

// Round and scoring counters.
inline Integer RoundNumber = 0;  // 0 before the game, NumRounds + 1 after the last round
inline Integer NumRounds = 0;
inline Integer Team1Score = 0;
inline Integer Team2Score = 0;
inline Integer QuestionsAsked = 0;  // questions opened in the current round
inline Integer ZapsterCount1 = 0, ZapsterCount2 = 0, ZapsterCount3 = 0;  // planned per round
inline Integer ZapstersUsed1 = 0, ZapstersUsed2 = 0, ZapstersUsed3 = 0;  // opened per round
inline Integer SquaresLeft1 = 0, SquaresLeft2 = 0, SquaresLeft3 = 0;     // unopened per round

// Decisions passed between the board, the question screen and the answer screen.
inline bool IsZapster = false;
inline bool ZapsterCalled = false;
inline bool SoundOn = false;
inline bool FlashOn = false;
inline bool FlashRed = false;

// The Zapster clock of the question screen.
inline Integer ClockSeconds = 0;
inline bool ClockCountingDown = false;

// The copy of a per-round variable for round r (1..3); none for any other round.
inline Integer* ForRound(int r, Integer& round1, Integer& round2, Integer& round3) {
    return r == 1 ? &round1 : r == 2 ? &round2 : r == 3 ? &round3 : nullptr;
}

// Adds points to a score or clock. The result stays inside the signed 16-bit range, stopping at its
// limits instead of wrapping round to a nonsense value of the other sign.
inline Integer SaturatingAdd(Integer value, int amount) {
    const int sum = value + amount;
    return static_cast<Integer>(sum > INT16_MAX ? INT16_MAX : sum < INT16_MIN ? INT16_MIN : sum);
}

// Start-up: seeds the random numbers, sets the round counters and shows the title screen.
void Main();
// Fills the content of all rounds from the bank and the chosen files, then shows the board.
void StartGame();
// Arms the six Zapster buttons of the board for the round about to be played.
void ResetZapsterButtons();

// Puts every variable back to its value at program start (every number 0, every text empty,
// every flag false), so that a harness can play one game after another in a single process.
void ClearState();

}  // namespace Module1
