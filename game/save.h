#pragma once

#include <QString>

// The game saves itself at every rest, so that a closed window, a crash or a flat battery loses
// at most the question in progress; it keeps every question's outcome so that the moderator can
// take it back; and at start-up it offers to resume a game that did not end.
namespace game::save {

// The folder of saved games: $XDG_STATE_HOME/zapster, or ~/.local/state/zapster when unset.
QString Folder();
// The game being played, and the one before it.
QString GameFile();
QString PreviousGameFile();

// A new game has started: it owns the save from now on, and the game saved before it becomes the
// previous game with its first save.
void NewGame();
// The game is at rest: on the board, or after a take-back on an answer screen. It is written to
// disk in the background; a failure is said on the board, and the game goes on.
void AtRest(bool onAnswerScreen = false);
// A question's outcome is about to be decided: the game as it stands can be taken back to, once
// it has come to rest again.
void BeforeOutcome();
// The last outcome is undone: the game, the board and the answer screen are as they were just
// before it. False, and nothing changes, when there is no outcome left to take back.
bool TakeBack();
// "Thanks For Playing!": the game is over and is not offered again.
void Finished();

// At start-up: the question offering the saved game, or empty when there is none to resume. A
// saved game that cannot be used is set aside, and `problem` says so in one line.
struct Offer {
    QString question;
    QString problem;
};
Offer Look();
// The moderator resumes the offered game: the game, its board and its take-backs as saved.
// False when there is nothing offered. The caller shows the screen: the answer screen when
// `onAnswerScreen` comes back true, else the board.
bool Resume(bool* onAnswerScreen);

// The program ends: the last save reaches the disk, and no game owns the save any more.
void Close();

// Waits until the last save is on disk (or has failed) and says, on the board, how it went.
// Returns the failure, empty when the game is saved.
QString Flush();

}  // namespace game::save
