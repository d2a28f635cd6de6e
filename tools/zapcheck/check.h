#pragma once

#include <QString>

class QTextStream;

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
