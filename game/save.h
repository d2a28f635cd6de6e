#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "game/match.h"

// The game saves itself at every rest, so that a closed window, a crash or a flat battery loses
// at most the question in progress; it keeps every question's outcome so that the moderator can
// take it back; and at start-up it offers to resume a game that did not end.
namespace game::save {

// The folder of saved games: $XDG_STATE_HOME/zapster, or ~/.local/state/zapster when unset.
QString Folder();
// The game being played, and the one before it.
QString GameFile();
QString PreviousGameFile();

// One game per folder: a second copy of the program started while one plays must neither offer
// the game that copy is playing nor write over its file. False when another running copy holds
// the folder. A copy that crashed holds it no longer. A folder that cannot be made or written is
// not held, and saving will say why.
bool HoldFolder();

// A new game has started: it owns the save from now on, and the game saved before it becomes the
// previous game with its first save.
void NewGame(const Match& game);
// The game is at rest: on the board, or after a take-back on an answer screen. It is written to
// disk in the background; how that went is reported (see OnReport), and the game goes on.
void AtRest(const Match& game);
// A question's outcome is about to be decided: the game as it stands, with the question's answer
// shown, can be taken back to once it has come to rest again.
void BeforeOutcome(const Match& game);
// The last outcome is undone: the game as it was just before it, on the question's answer screen.
// None, and nothing changes, when there is no outcome left to take back.
std::optional<Match> TakeBack();
// Whether there is an outcome left to take back.
bool CanTakeBack();
// "Thanks For Playing!": the game is over and is not offered again.
void Finished(const Match& game);

// At start-up: the question offering the saved game, or empty when there is none to resume. A
// saved game that cannot be used is set aside, and `problem` says so in one line.
struct Offer {
    QString question;
    QString problem;
};
Offer Look();
// The moderator resumes the offered game: the game and its take-backs as saved. None when there
// is nothing offered.
std::optional<Match> Resume();

// Who shows how saving goes (the board, in its banner) hears of every save once it is on disk or
// has failed: the failure, or an empty text.
void OnReport(std::function<void(const QString& failure)> report);

// The program ends: the last save reaches the disk, no game owns the save any more, and the
// folder is free for the next copy.
void Close();

// Waits until the last save is on disk (or has failed) and reports how it went. Returns the
// failure, empty when the game is saved.
QString Flush();

}  // namespace game::save
