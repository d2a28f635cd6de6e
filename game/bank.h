#pragma once

#include <array>

// One category title of the built-in bank.
struct BankTitle {
    int round;
    int column;
    const char* title;  // UTF-8
};

// One question of the built-in bank, with the square it fills.
struct BankQuestion {
    int round;
    int column;
    int row;
    const char* question;  // UTF-8
    const char* answer;    // UTF-8
};

extern const std::array<BankTitle, 7> kBankTitles;
extern const std::array<BankQuestion, 38> kBankQuestions;
