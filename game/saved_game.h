#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "game/match.h"

// The saved game: what is written to disk at every rest of a game, and read back to resume it.
// Reading never trusts the file: anything a game cannot reach is refused with a one-line reason.
namespace game {

// The outcomes that can be taken back: more than a game's questions, for the corrections of the
// record; beyond them the oldest are let go.
inline constexpr int kMostTakeBacks = 2 * kRounds * kSquaresPerRound;
// Version 1 kept the board's widgets; version 2 keeps the game itself. Both are read.
inline constexpr int kSaveVersion = 2;

// What the moderator is told of the saved game, in the room's language. The fields a reason for
// refusing a file names stay as the file spells them.
struct SavedGameTexts {
    Q_DECLARE_TR_FUNCTIONS(SavedGame)
};

struct SavedGame {
    QDateTime saved;
    Match now;
    std::vector<Match> takeBacks;  // oldest first; the last is taken back first
};

// The parts of a saved game's text. The round content is written once, not with every moment; a
// game writes its file again at every rest, so each part is kept ready between writes.
QByteArray ContentText(const Content& content);
// A moment kept to be taken back is written after the one kept before it, if any.
QByteArray MomentText(const MatchState& moment, const MatchState* earlier = nullptr);
// The texts of the moments kept to be taken back, oldest first.
std::vector<QByteArray> TakeBackTexts(const std::vector<Match>& takeBacks);
QByteArray SavedGameText(const QDateTime& saved, bool finished, const QByteArray& content,
                         const QByteArray& now, const std::vector<QByteArray>& takeBacks);

// The saved game a file holds, or none, with `why` saying in one line what is wrong with it.
std::optional<SavedGame> ReadSavedGame(const QByteArray& text, QString* why = nullptr);

// The largest file read as a saved game: far beyond any game, far below a memory problem.
inline constexpr qint64 kLargestSave = 64 * 1024 * 1024;

}  // namespace game
