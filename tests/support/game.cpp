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
namespace {
template <class S>
bool Shown() {
    return S::Loaded() && S::Get().isVisible();
}
}  // namespace

void ToSetup() {
    {
        tk::HandlerScope scope;
        Module1::Main();
    }
    UserClick(frmAbout::Get().cmdOK);
}

void NewGame(int roundsOption, int scheduleOption) {
    ToSetup();
    frmOptions& options = frmOptions::Get();
    UserClick(options.Option1[roundsOption]);
    UserClick(options.Option2[scheduleOption]);
    UserClick(options.Command1);
}

void ClickSquare(int column, int index) {
    UserClick(Form1::Get().Column(column)[index]);
}

void Reveal() {
    UserClick(frmQuestion::Get().Label2);
}

void Judge(bool correct) {
    UserClick(correct ? frmAnswer::Get().Command1 : frmAnswer::Get().Command2);
}

void PlayNext(bool correct) {
    for (int square = 0; square < 30; ++square) {
        if (Form1::Get().Column(square / 6 + 1)[square % 6].isEnabled()) {
            ClickSquare(square / 6 + 1, square % 6);
            Reveal();
            Judge(correct);
            return;
        }
    }
    QFAIL("no open square left on the board");
}

bool BoardShown() {
    return Shown<Form1>();
}
bool QuestionShown() {
    return Shown<frmQuestion>();
}
bool AnswerShown() {
    return Shown<frmAnswer>();
}
bool GameOverShown() {
    return Shown<frmGameOver>();
}

QStringList BoardCaptions() {
    QStringList captions;
    for (int square = 0; square < 30; ++square) {
        captions << Form1::Get().Column(square / 6 + 1)[square % 6].Caption();
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
