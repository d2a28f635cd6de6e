#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "game/state.h"

namespace game {

// The whole game state as JSON, the content of every round included, so that a saved game does
// not depend on category files that may have changed since. Without content, the object lacks
// "rounds", which a reader must then be given from elsewhere.
QJsonObject StateToJson(const State& state, bool withContent = true);
// The content of every round alone: the "rounds" of the state's JSON.
QJsonArray ContentToJson(const State& state);

// The state a JSON object describes, or none when it is not one a game can reach: a field missing
// or of the wrong kind, a number outside 16 bits or outside what the game counts (round 7, 31
// squares opened). `why` then says what is wrong, in one line.
std::optional<State> StateFromJson(const QJsonObject& json, QString* why = nullptr);

}  // namespace game
