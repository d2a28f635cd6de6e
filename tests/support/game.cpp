#include "support/game.h"

#include <QtTest>

#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "support/harness.h"

namespace play {

void ToSetup() {
    {
        tk::HandlerScope scope;
        flow::StartProgram();
    }
    UserClick(TitleScreen::Get().okButton);
}

void NewGame(int roundsOption, int scheduleOption) {
    ToSetup();
    SetupScreen& options = SetupScreen::Get();
    UserClick(options.roundsChoice[roundsOption]);
    UserClick(options.scheduleChoice[scheduleOption]);
    UserClick(options.doneButton);
}

void ChooseBar(int seconds, bool afterReading) {
    const auto& lengths = game::kBarLengths;
    SetupScreen& setup = SetupScreen::Get();
    UserClick(
        setup.barChoice[int(std::find(lengths.begin(), lengths.end(), seconds) - lengths.begin())]);
    UserClick(setup.startChoice[afterReading ? 1 : 0]);
}

void ClickSquare(int column, int index) {
    UserClick(BoardScreen::Get().squares[column - 1][index]);
}

void Reveal() {
    UserClick(QuestionScreen::Get().timeBar);
}

void Judge(bool correct) {
    UserClick(correct ? AnswerScreen::Get().rightButton : AnswerScreen::Get().wrongButton);
}

void OpenNext() {
    for (int square = 0; square < 30; ++square) {
        if (BoardScreen::Get().squares[square / 6][square % 6].isEnabled()) {
            ClickSquare(square / 6 + 1, square % 6);
            return;
        }
    }
    QFAIL("no open square left on the board");
}

void PlayNext(bool correct) {
    OpenNext();
    Reveal();
    Judge(correct);
}

QStringList CategoryTitles() {
    QStringList titles;
    for (int index = 0; index < 5; ++index) {
        titles << BoardScreen::Get().categoryTitles[index].Caption();
    }
    return titles;
}

}  // namespace play
