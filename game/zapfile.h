#pragma once

#include <QString>

#include <array>
#include <optional>

// One category as the moderator shows it: a title and six question/answer rows.
struct CategoryBlock {
    QString title;
    std::array<QString, 6> questions;
    std::array<QString, 6> answers;
};

// Title line followed by six question lines, each followed by its answer line.
inline constexpr int kLinesPerBlock = 13;

// Drops the two-character tag of a question or answer line, then trims spaces (only spaces).
QString StripTag(const QString& line);

// Reads block `index` (0-based) of the named category file. Returns std::nullopt when the file
// cannot be opened as a regular file or ends before the block is complete: a category is taken
// from a file whole or not at all.
std::optional<CategoryBlock> ReadCategoryBlock(const QString& fileName, int index);

// Why a file cannot supply block `index`, if it cannot.
enum class BlockProblem { None, Missing, Unreadable, TooFewBlocks, TooFewLines };
struct BlockRead {
    std::optional<CategoryBlock> block;
    BlockProblem problem = BlockProblem::None;
    qint64 wholeBlocks = 0;  // TooFewBlocks: how many the file holds
    int linesInBlock = 0;    // TooFewLines: how many lines of the block the file holds
    QString title;           // TooFewLines: the block's title
};
BlockRead ReadCategoryBlockOrWhy(const QString& fileName, int index);
