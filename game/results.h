#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "game/match.h"

// The night's results, for the class's records or a club's league table: every outcome of the
// record as a spreadsheet's rows, and a page to print.
namespace game {

// An outcome's verdict as the record shows it: "Got it", "Missed it", "Time up", "Zapster: right",
// "Zapster: wrong", "Zapster: clock ran out", or "By hand".
QString VerdictWords(const Outcome& outcome, Verdict verdict);
QString VerdictWords(const Outcome& outcome);
// What an outcome was about: the question's category and text, or the reason of a correction.
QString CategoryOf(const Match& game, const Outcome& outcome);
QString QuestionOf(const Match& game, const Outcome& outcome);
QString AnswerOf(const Match& game, const Outcome& outcome);
// The team an outcome belongs to, by name; empty when no team was on turn.
QString TeamOf(const Match& game, const Outcome& outcome);
// "Red Foxes win", "A tie", or the scores so far while the game goes on.
QString Standing(const Match& game);

// The record as CSV: UTF-8 with a byte-order mark, so that a spreadsheet on any system reads the
// accents, one row per outcome, `separator` between cells (the list separator a spreadsheet of
// the moderator's language expects). A text that a spreadsheet would take as a formula is written
// as text.
QByteArray ResultsCsv(const Match& game, QChar separator);
// The list separator of a spreadsheet in the system's language: a semicolon where numbers are
// written with a decimal comma, else a comma.
QChar CsvSeparator();

// The printable summary as HTML: the teams, the final scores, the winner or a tie, and every
// outcome with its answer and verdict. Every text of the game is shown as written, markup too.
QString ResultsPage(const Match& game, const QDateTime& when);

}  // namespace game
