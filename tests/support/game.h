#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

// A scripted moderator for tests: every step is what a person does on the visible screens.
namespace play {

// Main, the title's "OK", and the setup screen left at its defaults.
void ToSetup();
// From the setup screen: rounds option (0..2), schedule option (0..5), "Done".
void StartGame(int roundsOption = 2, int scheduleOption = 3);
// The whole way from start-up to round 1's board.
void NewGame(int roundsOption = 2, int scheduleOption = 3);

void ClickSquare(int column, int index);
void Reveal();             // a click on the question screen's time bar
void Judge(bool correct);  // "Got it!" / "NO Zapster!" or "Missed it" / "Zapster!"
// Opens the next open square of the board (left to right, top to bottom), reveals and judges it.
void PlayNext(bool correct);

int TeamOnTurn();  // 1, 2, or 0 when neither score label is enabled
bool BoardShown();
bool QuestionShown();
bool AnswerShown();
bool GameOverShown();
QStringList BoardCaptions();  // the 30 square captions, column by column
QStringList CategoryTitles();

}  // namespace play
