#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <array>
#include <cmath>

#include "game/numbers.h"
#include "game/saved_game.h"

namespace game {

// A text longer than any line the category reader keeps is not from a game.
inline constexpr qsizetype kLongestText = 64 * 1024;

// Reads the fields of a saved game's JSON, noting the first that is wrong: every reading goes on
// with a harmless value, and only the first fault is reported.
class JsonReader {
public:
    explicit JsonReader(const QJsonObject& json) : json_(json) {}

    bool ok() const { return why_.isEmpty(); }
    const QString& why() const { return why_; }

    Integer Number(const QJsonValue& value, const QString& name, int lowest, int highest) {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::floor(number) != number || number < lowest ||
            number > highest) {
            Fail(SavedGameTexts::tr("%1 is not a whole number from %2 to %3")
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
    bool Flag(const QJsonValue& value, const QString& name) {
        if (!value.isBool()) {
            Fail(SavedGameTexts::tr("%1 is not true or false").arg(name));
        }
        return value.toBool();
    }
    bool Flag(const QString& name) { return Flag(json_.value(name), name); }
    QString Text(const QString& name) { return Text(json_.value(name), name); }
    template <std::size_t N>
    void ReadTexts(std::array<QString, N>& texts, const QString& name) {
        const QJsonArray array = Array(json_.value(name), name, qsizetype(N));
        for (std::size_t i = 0; ok() && i < N; ++i) {
            texts[i] = Text(array[qsizetype(i)], name);
        }
    }
    template <std::size_t N>
    void ReadFlags(std::array<bool, N>& flags, const QString& name) {
        const QJsonArray array = Array(json_.value(name), name, qsizetype(N));
        for (std::size_t i = 0; ok() && i < N; ++i) {
            flags[i] = Flag(array[qsizetype(i)], name);
        }
    }
    QString Text(const QJsonValue& value, const QString& name) {
        if (!value.isString() || value.toString().size() > kLongestText) {
            Fail(SavedGameTexts::tr("%1 is not a text of at most 64 Ki characters").arg(name));
        }
        return value.toString();
    }
    QJsonArray Array(const QJsonValue& value, const QString& name, qsizetype size) {
        if (!value.isArray() || value.toArray().size() != size) {
            Fail(SavedGameTexts::tr("%1 is not a list of %2").arg(name).arg(size));
            return QJsonArray();
        }
        return value.toArray();
    }
    template <std::size_t N>
    void ReadNumbers(std::array<Integer, N>& numbers, const QString& name, int lowest,
                     int highest) {
        const QJsonArray array = Array(json_.value(name), name, qsizetype(N));
        for (std::size_t i = 0; ok() && i < N; ++i) {
            numbers[i] = Number(array[qsizetype(i)], name, lowest, highest);
        }
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

}  // namespace game
