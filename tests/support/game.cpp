#include "support/game.h"

#include <QtTest>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmOptions.h"
#include "screens/frmQuestion.h"
#include "support/harness.h"

namespace play {

void ToSetup() {
    {
        tk::HandlerScope scope;
        Module1::Main();
    }
    UserClick(frmAbout::Get().cmdOK);
}

void StartGame(int roundsOption, int scheduleOption) {
    frmOptions& options = frmOptions::Get();
    UserClick(options.Option1[roundsOption]);
    UserClick(options.Option2[scheduleOption]);
    UserClick(options.Command1);
}

void NewGame(int roundsOption, int scheduleOption) {
    ToSetup();
    StartGame(roundsOption, scheduleOption);
}

void ClickSquare(int column, int index) {
    UserClick(Form1::Get().Column(column)[index]);
}

void Reveal() {
    UserClick(frmQuestion::Get().Label2);
}

void Judge(bool correct) {
    frmAnswer& answer = frmAnswer::Get();
    UserClick(correct ? answer.Command1 : answer.Command2);
}

void PlayNext(bool correct) {
    Form1& board = Form1::Get();
    for (int column = 1; column <= 5; ++column) {
        for (int index = 0; index < 6; ++index) {
            if (board.Column(column)[index].isEnabled()) {
                ClickSquare(column, index);
                Reveal();
                Judge(correct);
                return;
            }
        }
    }
    QFAIL("no open square left on the board");
}

int TeamOnTurn() {
    return ::TeamOnTurn();
}

bool BoardShown() {
    return Form1::Loaded() && Form1::Get().isVisible();
}
bool QuestionShown() {
    return frmQuestion::Loaded() && frmQuestion::Get().isVisible();
}
bool AnswerShown() {
    return frmAnswer::Loaded() && frmAnswer::Get().isVisible();
}
bool GameOverShown() {
    return frmGameOver::Loaded() && frmGameOver::Get().isVisible();
}

QStringList BoardCaptions() {
    QStringList captions;
    for (int column = 1; column <= 5; ++column) {
        for (int index = 0; index < 6; ++index) {
            captions << Form1::Get().Column(column)[index].Caption();
        }
    }
    return captions;
}

QStringList CategoryTitles() {
    QStringList titles;
    for (int index = 0; index < 5; ++index) {
        titles << Form1::Get().Label2[index].Caption();
    }
    return titles;
}

}  // namespace play
