#include "game/state_json.h"

#include "game/json_reader.h"

#include <QJsonArray>

namespace game {
namespace {

constexpr int kColumns = 5;
constexpr int kRows = 6;

QJsonArray Numbers(const PerRound& perRound) {
    QJsonArray numbers;
    for (int round = 1; round <= kRounds; ++round) {
        numbers.append(perRound[round]);
    }
    return numbers;
}

}  // namespace

QJsonArray ContentToJson(const State& state) {
    QJsonArray rounds;
    for (int round = 1; round <= kRounds; ++round) {
        QJsonArray categories;
        for (int column = 1; column <= kColumns; ++column) {
            QJsonArray questions;
            QJsonArray answers;
            for (int row = 1; row <= kRows; ++row) {
                const int slot = (column - 1) * kRows + row;
                questions.append(state.question(slot, round));
                answers.append(state.answer(slot, round));
            }
            categories.append(QJsonObject{{"title", state.categoryTitle(column, round)},
                                          {"questions", questions},
                                          {"answers", answers}});
        }
        QJsonArray points;
        for (int row = 1; row <= kRows; ++row) {
            points.append(state.points(row, round));
        }
        rounds.append(QJsonObject{{"categories", categories}, {"points", points}});
    }
    return rounds;
}

QJsonObject StateToJson(const State& state, bool withContent) {
    QJsonObject json{
        {"round", state.round},
        {"roundsToPlay", state.roundsToPlay},
        {"score", QJsonArray{state.score[0], state.score[1]}},
        {"questionsOpened", state.questionsOpened},
        {"zapstersPlanned", Numbers(state.zapstersPlanned)},
        {"zapstersOpened", Numbers(state.zapstersOpened)},
        {"squaresLeft", Numbers(state.squaresLeft)},
        {"zapsterDrawn", state.zapsterDrawn},
        {"zapsterCalled", state.zapsterCalled},
        {"soundOn", state.soundOn},
        {"blinking", state.blinking},
        {"blinkRed", state.blinkRed},
        {"zapsterClock", state.zapsterClock},
        {"zapsterClockCountingDown", state.zapsterClockCountingDown},
    };
    if (withContent) {
        json.insert(QStringLiteral("rounds"), ContentToJson(state));
    }
    return json;
}

std::optional<State> StateFromJson(const QJsonObject& json, QString* why) {
    JsonReader read(json);
    State state;
    state.roundsToPlay = read.Number(QStringLiteral("roundsToPlay"), 1, kRounds);
    state.round = read.Number(QStringLiteral("round"), 0, state.roundsToPlay + 1);
    const QJsonArray score = read.Array(json.value("score"), QStringLiteral("score"), 2);
    for (int team = 0; read.ok() && team < 2; ++team) {
        state.score[std::size_t(team)] =
            read.Number(score[team], QStringLiteral("score"), INT16_MIN, INT16_MAX);
    }
    state.questionsOpened = read.Number(QStringLiteral("questionsOpened"), 0, kSquaresPerRound);
    read.ReadPerRound(state.zapstersPlanned, QStringLiteral("zapstersPlanned"), kSquaresPerRound);
    read.ReadPerRound(state.zapstersOpened, QStringLiteral("zapstersOpened"), kSquaresPerRound);
    read.ReadPerRound(state.squaresLeft, QStringLiteral("squaresLeft"), kSquaresPerRound);
    // The round being played has lost a square to every question opened in it.
    if (read.ok() && state.round >= 1 && state.round <= state.roundsToPlay &&
        state.squaresLeft[state.round] + state.questionsOpened != kSquaresPerRound) {
        read.Fail(QStringLiteral("squaresLeft and questionsOpened do not add up to 30"));
    }
    state.zapsterDrawn = read.Flag(QStringLiteral("zapsterDrawn"));
    state.zapsterCalled = read.Flag(QStringLiteral("zapsterCalled"));
    state.soundOn = read.Flag(QStringLiteral("soundOn"));
    state.blinking = read.Flag(QStringLiteral("blinking"));
    state.blinkRed = read.Flag(QStringLiteral("blinkRed"));
    state.zapsterClock = read.Number(QStringLiteral("zapsterClock"), INT16_MIN, INT16_MAX);
    state.zapsterClockCountingDown = read.Flag(QStringLiteral("zapsterClockCountingDown"));
    const QJsonArray rounds = read.Array(json.value("rounds"), QStringLiteral("rounds"), kRounds);
    for (int round = 1; read.ok() && round <= kRounds; ++round) {
        const QJsonObject content = rounds[round - 1].toObject();
        const QJsonArray categories =
            read.Array(content.value("categories"), QStringLiteral("categories"), kColumns);
        for (int column = 1; read.ok() && column <= kColumns; ++column) {
            const QJsonObject category = categories[column - 1].toObject();
            state.categoryTitle(column, round) =
                read.Text(category.value("title"), QStringLiteral("title"));
            const QJsonArray questions =
                read.Array(category.value("questions"), QStringLiteral("questions"), kRows);
            const QJsonArray answers =
                read.Array(category.value("answers"), QStringLiteral("answers"), kRows);
            for (int row = 1; read.ok() && row <= kRows; ++row) {
                const int slot = (column - 1) * kRows + row;
                state.question(slot, round) =
                    read.Text(questions[row - 1], QStringLiteral("question"));
                state.answer(slot, round) = read.Text(answers[row - 1], QStringLiteral("answer"));
            }
        }
        const QJsonArray points =
            read.Array(content.value("points"), QStringLiteral("points"), kRows);
        for (int row = 1; read.ok() && row <= kRows; ++row) {
            state.points(row, round) =
                read.Number(points[row - 1], QStringLiteral("points"), 0, INT16_MAX);
        }
    }
    if (!read.ok()) {
        if (why != nullptr) {
            *why = read.why();
        }
        return std::nullopt;
    }
    return state;
}

}  // namespace game
