#include <QString>

#include "game/bank.h"
#include "game/module1.h"
#include "game/zapfile.h"
#include "screens/Form1.h"
#include "screens/frmOptions.h"

namespace Module1 {
namespace {

// Points of every square, by row (1..6) and round (1..3); the same in all five columns.
constexpr Integer kPoints[6][3] = {
    {25, 50, 50}, {50, 75, 100}, {75, 100, 150}, {100, 125, 200}, {125, 150, 250}, {150, 200, 300},
};

constexpr int kCategorySlots = 15;

void WriteBuiltInBank() {
    QuestionText.fill(QString());
    AnswerText.fill(QString());
    CategoryName.fill(QString());
    for (const BankTitle& t : kBankTitles) {
        CategoryName(t.column, t.round) = QString::fromUtf8(t.title);
    }
    for (const BankQuestion& q : kBankQuestions) {
        const int slot = (q.column - 1) * 6 + q.row;
        QuestionText(slot, q.round) = QString::fromUtf8(q.question);
        AnswerText(slot, q.round) = QString::fromUtf8(q.answer);
    }
}

// Category slot i stands for round i / 5 + 1, column i mod 5 + 1, and takes block i of its file.
// A file that cannot supply the whole block leaves the category as the bank has it.
void ReadChosenCategories() {
    frmOptions& options = frmOptions::Get();
    for (int i = 0; i < kCategorySlots; ++i) {
        const int round = i / 5 + 1;
        const int column = i % 5 + 1;
        const QString name = options.File1[i].FileName();
        if (name.isEmpty()) {
            continue;
        }
        const std::optional<CategoryBlock> block = ReadCategoryBlock(name, i);
        if (!block) {
            continue;
        }
        CategoryName(column, round) = block->title;
        int slot = (column - 1) * 6 + 1;
        for (int row = 0; row < 6; ++row) {
            QuestionText(slot, round) = block->questions[static_cast<std::size_t>(row)];
            AnswerText(slot, round) = block->answers[static_cast<std::size_t>(row)];
            ++slot;
        }
    }
}

}  // namespace

void StartGame() {
    for (int row = 1; row <= 6; ++row) {
        for (int round = 1; round <= 3; ++round) {
            PointValue(row, round) = kPoints[row - 1][round - 1];
        }
    }
    WriteBuiltInBank();
    ReadChosenCategories();

    RoundNumber = 1;
    Form1& board = Form1::Get();
    board.Label1.SetCaption(QStringLiteral("Round: ") + QString::number(RoundNumber));
    frmOptions::Hide();
    for (int k = 0; k <= 5; ++k) {
        const QString points = QString::number(PointValue(k + 1, RoundNumber));
        for (int column = 1; column <= 5; ++column) {
            board.Column(column)[k].SetCaption(points);
        }
        if (k <= 4) {
            board.Label2[k].SetCaption(CategoryName(k + 1, RoundNumber));
        }
    }
    ZapsterCalled = false;
    QuestionsAsked = 0;
    Team1Score = 0;
    Team2Score = 0;
    board.Label8.SetCaption(QString::number(Team1Score));
    board.Label9.SetCaption(QString::number(Team2Score));
    Form1::Show();
}

void ResetZapsterButtons() {
    Form1& board = Form1::Get();
    board.Command6.setEnabled(true);
    board.Command6.SetCaption(QStringLiteral("1"));
    board.Command9.setEnabled(true);
    board.Command7.SetCaption(QStringLiteral("2"));
    board.Command8.SetCaption(QStringLiteral("3"));
    board.Command10.SetCaption(QStringLiteral("2"));
    board.Command9.SetCaption(QStringLiteral("1"));
    board.Command11.SetCaption(QStringLiteral("3"));
    // At the start of the game RoundNumber is still 0: the round about to be played is round 1.
    const int round = RoundNumber == 0 ? 1 : RoundNumber;
    const Integer* count = ForRound(round, ZapsterCount1, ZapsterCount2, ZapsterCount3);
    if (count != nullptr && *count == 30) {
        // "Total!": every question of the round is a Zapster already; there is nothing to call.
        for (tk::Button* button : {&board.Command6, &board.Command7, &board.Command8,
                                   &board.Command9, &board.Command10, &board.Command11}) {
            button->setEnabled(false);
            button->SetCaption(QString());
        }
    }
}

}  // namespace Module1
