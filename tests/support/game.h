#pragma once

#include <QStringList>

// A scripted moderator for tests: every step is what a person does on the visible screens.
namespace play {

void ToSetup();  // Main, then the title's "OK"
// The whole way from start-up to round 1's board: rounds option (0..2), schedule option (0..5).
void NewGame(int roundsOption = 2, int scheduleOption = 3);
void ChooseBar(int seconds, bool afterReading = false);  // on the setup screen
void ClickSquare(int column, int index);
void Reveal();             // a click on the question screen's time bar
void Judge(bool correct);  // "Got it!" / "NO Zapster!" or "Missed it" / "Zapster!"
// Opens the next open square (column by column, top to bottom).
void OpenNext();
// Opens the next open square, reveals and judges it.
void PlayNext(bool correct);

// Whether screen S is loaded and shown.
template <class S>
bool Shown() {
    return S::Loaded() && S::Get().isVisible();
}
QStringList CategoryTitles();

}  // namespace play
