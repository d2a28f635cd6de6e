#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "game/match.h"

// A game as JSON. Readers never trust what they read: anything a game cannot reach is refused, with
// `why` saying in one line what is wrong (a field missing or of the wrong kind, a number outside 16
// bits or outside what the game counts, a question whose square is still open).
namespace game {

// The content of every round, the "rounds" of a saved game: it is written once, not with every
// moment.
QJsonArray ContentToJson(const Content& content);
std::optional<Content> ContentFromJson(const QJsonValue& json, QString* why);

// A moment of the game without its content. A moment written after an earlier one of the same
// game (a take-back after the one before it) writes only the part of its record that differs from
// that moment's, and is read back with it.
QJsonObject MatchToJson(const MatchState& state, const MatchState* earlier = nullptr);
std::optional<MatchState> MatchFromJson(const QJsonValue& json, const Content& content,
                                        QString* why, const MatchState* earlier = nullptr);

// A moment as the first saved games wrote it: the counters, the board's widgets and, for a
// question still to be judged, its answer screen. It becomes the same moment of today's game: on
// its answer screen when it has one.
std::optional<MatchState> MatchFromVersion1(const QJsonValue& json, const Content& content,
                                            bool answerRequired, QString* why);

}  // namespace game
