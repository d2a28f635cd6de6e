#pragma once

#include <QCoreApplication>
#include <QString>

class QTextStream;

// zapcheck's own words, in the language of the one who runs it. The "problem:" and "warning:"
// marks stay English, as a compiler's do, so that editors and scripts can find them.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(zapcheck)
};

// "1 line", "2 lines": `one` and `many` are the English forms, marked with QT_TRANSLATE_N_NOOP;
// a translation picks its own form for `n`.
QString Count(qint64 n, const char* one, const char* many);

// The game has three rounds of five columns; block k of a file fills category slot k.
inline constexpr int kCategorySlots = 15;
inline constexpr int kColumnsPerRound = 5;

// "fills round 1 columns 1-5, round 2 column 1" for the first `blocks` category slots.
QString DescribeSlots(qint64 blocks);

// Why `path` cannot be read as a category file (missing, a folder, a pipe, a device, no
// permission), or an empty text when it is a regular file that opens.
QString UnreadableReason(const QString& path);

// Reads the category file `path` exactly as the game does and writes to `out` what the game
// loads from it, then its problems and warnings as "file:line: problem: ..." lines. Returns false
// when the file has a problem, i.e. a column it is picked for would not get the writer's block.
bool CheckCategoryFile(const QString& path, QTextStream& out);
