#include <QString>

#include "game/bank.h"
#include "game/save.h"
#include "game/state.h"
#include "game/zapfile.h"
#include "screens/board.h"
#include "screens/setup.h"

namespace game {
namespace {

// Points of every square, by row (1..6) and round (1..3); the same in all five columns.
constexpr Integer kPoints[6][3] = {
    {25, 50, 50}, {50, 75, 100}, {75, 100, 150}, {100, 125, 200}, {125, 150, 250}, {150, 200, 300},
};

void WriteBuiltInBank() {
    state.question.fill(QString());
    state.answer.fill(QString());
    state.categoryTitle.fill(QString());
    for (const BankTitle& t : kBankTitles) {
        state.categoryTitle(t.column, t.round) = QString::fromUtf8(t.title);
    }
    for (const BankQuestion& q : kBankQuestions) {
        const int slot = (q.column - 1) * 6 + q.row;
        state.question(slot, q.round) = QString::fromUtf8(q.question);
        state.answer(slot, q.round) = QString::fromUtf8(q.answer);
    }
}

// Category slot i stands for round i / 5 + 1, column i mod 5 + 1, and takes block i of its file.
// A file that cannot supply the whole block leaves the category as the bank has it.
void ReadChosenCategories() {
    SetupScreen& setup = SetupScreen::Get();
    for (int i = 0; i < SetupScreen::kCategorySlots; ++i) {
        const int round = i / 5 + 1;
        const int column = i % 5 + 1;
        const QString name = setup.categorySlots[i].FileName();
        if (name.isEmpty()) {
            continue;
        }
        const std::optional<CategoryBlock> block = ReadCategoryBlock(name, i);
        if (!block) {
            continue;
        }
        state.categoryTitle(column, round) = block->title;
        int slot = (column - 1) * 6 + 1;
        for (int row = 0; row < 6; ++row) {
            state.question(slot, round) = block->questions[static_cast<std::size_t>(row)];
            state.answer(slot, round) = block->answers[static_cast<std::size_t>(row)];
            ++slot;
        }
    }
}

}  // namespace

void StartGame() {
    for (int row = 1; row <= 6; ++row) {
        for (int round = 1; round <= 3; ++round) {
            state.points(row, round) = kPoints[row - 1][round - 1];
        }
    }
    WriteBuiltInBank();
    ReadChosenCategories();

    state.round = 1;
    BoardScreen& board = BoardScreen::Get();
    board.roundLabel.SetCaption(QStringLiteral("Round: ") + QString::number(state.round));
    SetupScreen::Hide();
    for (int row = 0; row < BoardScreen::kRows; ++row) {
        const QString points = QString::number(state.points(row + 1, state.round));
        for (int column = 0; column < BoardScreen::kColumns; ++column) {
            board.squares[column][row].SetCaption(points);
        }
    }
    for (int column = 0; column < BoardScreen::kColumns; ++column) {
        board.categoryTitles[column].SetCaption(state.categoryTitle(column + 1, state.round));
    }
    state.zapsterCalled = false;
    state.questionsOpened = 0;
    state.score[0] = 0;
    state.score[1] = 0;
    board.teamScore[0].SetCaption(QString::number(state.score[0]));
    board.teamScore[1].SetCaption(QString::number(state.score[1]));
    BoardScreen::Show();
    save::NewGame();
    save::AtRest();
}

void ResetZapsterButtons() {
    BoardScreen& board = BoardScreen::Get();
    // Every button shows its number again, but only "1" comes back: a "2" or "3" spent in an
    // earlier round stays spent for the game.
    for (int team = 0; team < 2; ++team) {
        board.zapsterButtons[team][0].setEnabled(true);
        for (int button = 0; button < BoardScreen::kZapsterButtons; ++button) {
            board.zapsterButtons[team][button].SetCaption(QString::number(button + 1));
        }
    }
    // At the start of the game the round is still 0: the round about to be played is round 1.
    const int round = state.round == 0 ? 1 : state.round;
    const Integer* count = state.zapstersPlanned.In(round);
    if (count != nullptr && *count == kSquaresPerRound) {
        // "Total!": every question of the round is a Zapster already; there is nothing to call.
        for (int team = 0; team < 2; ++team) {
            for (int button = 0; button < BoardScreen::kZapsterButtons; ++button) {
                board.zapsterButtons[team][button].setEnabled(false);
                board.zapsterButtons[team][button].SetCaption(QString());
            }
        }
    }
}

}  // namespace game
