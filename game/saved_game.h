#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "game/state.h"

// The saved game: what is written to disk at every rest of a game, and read back to resume it.
// Reading never trusts the file: anything a game cannot reach is refused with a one-line reason.
namespace game {

// Everything the board shows, beyond the scores (which are the state's).
struct BoardView {
    QString roundLabel;
    std::array<QString, 5> categoryTitles;
    std::array<QString, 30> squareCaptions;  // column by column, top to bottom
    std::array<bool, 30> squareOpen{};       // not yet played
    std::array<bool, 2> onTurn{};            // the teams' score labels, enabled while on turn
    std::array<QString, 2> teamNames;
    std::array<QString, 6> zapsterCaptions;  // team 0's "1", "2", "3", then team 1's
    std::array<bool, 6> zapsterEnabled{};
    std::array<bool, 2> soundLogoShown{};  // the blue (sound on) logo, then the red one
    std::array<bool, 2> soundLogoEnabled{};
    bool operator==(const BoardView&) const = default;
};

// The answer screen of a question whose outcome is not decided yet.
struct AnswerView {
    QString answer;
    QString points;
    QString rightCaption;
    QString wrongCaption;
    bool operator==(const AnswerView&) const = default;
};

// The game at one moment: at rest on the board, or on a question's answer screen just before its
// outcome (then `answer` holds what that screen shows).
struct Moment {
    State state;
    BoardView board;
    std::optional<AnswerView> answer;
    bool operator==(const Moment&) const = default;
};

// The most questions a game has: each can be taken back once it has an outcome.
inline constexpr int kMostTakeBacks = kRounds * kSquaresPerRound;
inline constexpr int kSaveVersion = 1;

struct SavedGame {
    QDateTime saved;
    bool finished = false;  // ended with "Thanks For Playing!"
    Moment now;
    std::vector<Moment> takeBacks;  // oldest first; the last is taken back first
};

// The parts of a saved game's text. The round content is written once, not with every moment; a
// game writes its file again at every rest, so each part is kept ready between writes.
QByteArray ContentText(const State& state);
QByteArray MomentText(const Moment& moment);
QByteArray SavedGameText(const QDateTime& saved, bool finished, const QByteArray& content,
                         const QByteArray& now, const std::vector<QByteArray>& takeBacks);

// The saved game a file holds, or none, with `why` saying in one line what is wrong with it.
std::optional<SavedGame> ReadSavedGame(const QByteArray& text, QString* why = nullptr);

// The largest file read as a saved game: far beyond any game, far below a memory problem.
inline constexpr qint64 kLargestSave = 64 * 1024 * 1024;

}  // namespace game
