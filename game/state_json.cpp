#include "game/state_json.h"

#include <QJsonArray>
#include <QJsonValue>
#include <cmath>

namespace game {
namespace {

constexpr int kColumns = 5;
constexpr int kRows = 6;
// A text longer than any line the category reader keeps is not from a game.
constexpr qsizetype kLongestText = 64 * 1024;

QJsonArray Numbers(const PerRound& perRound) {
    QJsonArray numbers;
    for (int round = 1; round <= kRounds; ++round) {
        numbers.append(perRound[round]);
    }
    return numbers;
}

// Reads the fields of a saved state, noting the first that is wrong.
class Reader {
public:
    explicit Reader(const QJsonObject& json) : json_(json) {}

    bool ok() const { return why_.isEmpty(); }
    const QString& why() const { return why_; }

    Integer Number(const QJsonValue& value, const QString& name, int lowest, int highest) {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::floor(number) != number || number < lowest ||
            number > highest) {
            Fail(QStringLiteral("%1 is not a whole number from %2 to %3")
                     .arg(name)
                     .arg(lowest)
                     .arg(highest));
            return 0;
        }
        return static_cast<Integer>(number);
    }
    Integer Number(const QString& name, int lowest, int highest) {
        return Number(json_.value(name), name, lowest, highest);
    }
    bool Flag(const QString& name) {
        const QJsonValue value = json_.value(name);
        if (!value.isBool()) {
            Fail(name + QStringLiteral(" is not true or false"));
        }
        return value.toBool();
    }
    QString Text(const QJsonValue& value, const QString& name) {
        if (!value.isString() || value.toString().size() > kLongestText) {
            Fail(name + QStringLiteral(" is not a text of at most 64 Ki characters"));
        }
        return value.toString();
    }
    QJsonArray Array(const QJsonValue& value, const QString& name, qsizetype size) {
        if (!value.isArray() || value.toArray().size() != size) {
            Fail(QStringLiteral("%1 is not a list of %2").arg(name).arg(size));
            return QJsonArray();
        }
        return value.toArray();
    }
    void ReadPerRound(PerRound& perRound, const QString& name, int highest) {
        const QJsonArray numbers = Array(json_.value(name), name, kRounds);
        for (int round = 1; ok() && round <= kRounds; ++round) {
            perRound[round] = Number(numbers[round - 1], name, 0, highest);
        }
    }
    void Fail(const QString& why) {
        if (why_.isEmpty()) {
            why_ = why;
        }
    }

private:
    const QJsonObject& json_;
    QString why_;
};

}  // namespace

QJsonObject StateToJson(const State& state) {
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
    return QJsonObject{
        {"rounds", rounds},
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
}

std::optional<State> StateFromJson(const QJsonObject& json, QString* why) {
    Reader read(json);
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
