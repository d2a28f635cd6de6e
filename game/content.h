#pragma once

#include <QString>
#include <array>

#include "game/numbers.h"

namespace game {

// One column of the board in one round: its title and six questions with their answers, row 0
// (fewest points) first.
struct Category {
    QString title;
    std::array<QString, kRows> questions;
    std::array<QString, kRows> answers;
    bool operator==(const Category&) const = default;
};

// What a game asks, read once at its start: a category for every column of every round, and the
// points of every row. Editing a category file during the game changes nothing.
struct Content {
    std::array<std::array<Category, kColumns>, kRounds> categories;
    std::array<std::array<Integer, kRows>, kRounds> points;

    // Rounds 1..3, columns 0..4, rows 0..5.
    const Category& At(int round, int column) const {
        return categories[Checked(round, 1, kRounds, "round")]
                         [Checked(column, 0, kColumns - 1, "column")];
    }
    Category& At(int round, int column) {
        return categories[Checked(round, 1, kRounds, "round")]
                         [Checked(column, 0, kColumns - 1, "column")];
    }
    Integer Points(int round, int row) const {
        return points[Checked(round, 1, kRounds, "round")][Checked(row, 0, kRows - 1, "row")];
    }
    bool operator==(const Content&) const = default;
};

// Category slot i (0..14) stands for round i / 5 + 1 and column i mod 5.
inline constexpr int kCategorySlots = kRounds * kColumns;
using ChosenFiles = std::array<QString, kCategorySlots>;  // empty: the built-in category

// The content of a new game: the built-in bank, with every category a chosen file can supply
// whole in its place, and the points of the rows in each round.
Content ReadContent(const ChosenFiles& chosen);

// In plain words, why the file chosen for a category slot cannot supply its category, so that the
// built-in one is played there; empty when it can, or when no file is chosen.
QString SlotProblem(const QString& fileName, int slot);

}  // namespace game
