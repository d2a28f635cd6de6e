#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstdint>

// The game's numbers and the sizes of its board, shared by the rules, the content and the saved
// game.
namespace game {

// Every number of the game is a signed 16-bit integer, as the game defines them.
using Integer = std::int16_t;

inline constexpr int kTeams = 2;  // 0 left, 1 right
inline constexpr int kNoTeam = -1;
inline constexpr int kRounds = 3;
inline constexpr int kColumns = 5;
inline constexpr int kRows = 6;
inline constexpr int kSquaresPerRound = kColumns * kRows;
inline constexpr int kZapsterButtons = 3;  // per team: "1", "2" and "3"
// A round whose every question is a Zapster ("Total!") plans this many.
inline constexpr int kEveryQuestion = kSquaresPerRound;

// A position outside its bounds is a programming error. It stops the program loudly, in every
// build type, rather than read or overwrite a neighbouring question, score or button.
inline std::size_t Checked(int value, int first, int last, const char* what) {
    if (value < first || value > last) {
        qFatal("Zapster: %s %d outside %d..%d", what, value, first, last);
    }
    return static_cast<std::size_t>(value - first);
}

// One number for each round, looked up by round number 1..3.
class PerRound {
public:
    constexpr PerRound() = default;
    constexpr PerRound(Integer first, Integer second, Integer third)
        : values_{first, second, third} {}
    Integer& operator[](int round) { return values_[Checked(round, 1, kRounds, "round")]; }
    Integer operator[](int round) const { return values_[Checked(round, 1, kRounds, "round")]; }
    // The round's number, or none for a round that is not played (one past the last round after
    // it).
    Integer* In(int round) { return round >= 1 && round <= kRounds ? &(*this)[round] : nullptr; }
    const Integer* In(int round) const {
        return round >= 1 && round <= kRounds ? &values_[std::size_t(round - 1)] : nullptr;
    }
    void Fill(Integer value) { values_.fill(value); }
    bool operator==(const PerRound&) const = default;

private:
    std::array<Integer, kRounds> values_{};
};

// Adds points to a score or clock. The result stays inside the signed 16-bit range, stopping at its
// limits instead of wrapping round to a nonsense value of the other sign.
inline Integer SaturatingAdd(Integer value, int amount) {
    const int sum = value + amount;
    return static_cast<Integer>(sum > INT16_MAX ? INT16_MAX : sum < INT16_MIN ? INT16_MIN : sum);
}

}  // namespace game
