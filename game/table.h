#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// A two-dimensional table indexed from 0 to its upper bound in both dimensions, as the game's
// content tables are dimensioned. Every access is checked, in every build type: a position or
// round outside the bounds is a programming error and must stop the program loudly rather than
// read or overwrite a neighbouring question.
template <class T, int MaxA, int MaxB>
class Table2D {
public:
    T& operator()(int a, int b) { return cells_[index(a, b)]; }
    const T& operator()(int a, int b) const { return cells_[index(a, b)]; }

    void fill(const T& value) { cells_.fill(value); }
    bool operator==(const Table2D&) const = default;

private:
    static std::size_t index(int a, int b) {
        if (a < 0 || a > MaxA || b < 0 || b > MaxB) {
            throw std::out_of_range("table index (" + std::to_string(a) + ", " + std::to_string(b) +
                                    ") outside (0.." + std::to_string(MaxA) + ", 0.." +
                                    std::to_string(MaxB) + ")");
        }
        return static_cast<std::size_t>(a) * (MaxB + 1) + static_cast<std::size_t>(b);
    }

    std::array<T, (MaxA + 1) * (MaxB + 1)> cells_{};
};
