#include "game/content.h"

#include <QCoreApplication>
#include <optional>

#include "game/bank.h"
#include "game/zapfile.h"

namespace game {
namespace {

// Points of every square, by row and round; the same in all five columns.
constexpr Integer kPoints[kRows][kRounds] = {
    {25, 50, 50}, {50, 75, 100}, {75, 100, 150}, {100, 125, 200}, {125, 150, 250}, {150, 200, 300},
};

}  // namespace

Content ReadContent(const ChosenFiles& chosen) {
    Content content;
    for (int round = 1; round <= kRounds; ++round) {
        for (int row = 0; row < kRows; ++row) {
            content.points[std::size_t(round - 1)][std::size_t(row)] = kPoints[row][round - 1];
        }
    }
    for (const BankTitle& t : kBankTitles) {
        content.At(t.round, t.column - 1).title = QString::fromUtf8(t.title);
    }
    for (const BankQuestion& q : kBankQuestions) {
        Category& category = content.At(q.round, q.column - 1);
        category.questions[std::size_t(q.row - 1)] = QString::fromUtf8(q.question);
        category.answers[std::size_t(q.row - 1)] = QString::fromUtf8(q.answer);
    }
    // Slot i takes block i of its file. A file that cannot supply the whole block leaves the
    // category as the bank has it.
    for (int slot = 0; slot < kCategorySlots; ++slot) {
        const QString& name = chosen[std::size_t(slot)];
        if (name.isEmpty()) {
            continue;
        }
        const std::optional<CategoryBlock> block = ReadCategoryBlock(name, slot);
        if (!block) {
            continue;
        }
        Category& category = content.At(slot / kColumns + 1, slot % kColumns);
        category.title = block->title;
        for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
            category.questions[row] = block->questions[row];
            category.answers[row] = block->answers[row];
        }
    }
    return content;
}

namespace {

// A title as the report quotes it: a file's first line may be anything, of any length.
QString Shortened(const QString& title) {
    static constexpr qsizetype kLongest = 40;
    QString shown = title.size() > kLongest ? title.first(kLongest) + u'\u2026' : title;
    for (QChar& c : shown) {
        if (!c.isPrint()) {
            c = u'\uFFFD';
        }
    }
    return shown;
}

}  // namespace

// What the setup says of a chosen file, in the room's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CategoryFiles)
};

QString SlotProblem(const QString& fileName, int slot) {
    if (fileName.isEmpty()) {
        return {};
    }
    const BlockRead read = ReadCategoryBlockOrWhy(fileName, slot);
    // Whole sentences, so that a translation may order them as its language does.
    const QString round = QString::number(slot / kColumns + 1);
    const QString column = QString::number(slot % kColumns + 1);
    const QString category = QString::number(slot + 1);
    switch (read.problem) {
        case BlockProblem::None:
            return {};
        case BlockProblem::Missing:
            return Texts::tr(
                       "Round %1, column %2: %3 is not there any more; the built-in category "
                       "is played there.")
                .arg(round, column, fileName);
        case BlockProblem::Unreadable:
            return Texts::tr(
                       "Round %1, column %2: %3 cannot be read; the built-in category is "
                       "played there.")
                .arg(round, column, fileName);
        case BlockProblem::TooFewBlocks:
            // Each slot takes the file's category of its own number: the third slot, the third.
            return (read.wholeBlocks == 0
                        ? Texts::tr("Round %1, column %2: %3 has no categories, and this place "
                                    "takes category %4; the built-in category is played there.")
                    : read.wholeBlocks == 1
                        ? Texts::tr("Round %1, column %2: %3 has 1 category, and this place takes "
                                    "category %4; the built-in category is played there.")
                        : Texts::tr("Round %1, column %2: %3 has %5 categories, and this place "
                                    "takes category %4; the built-in category is played there."))
                .arg(round, column, fileName, category, QString::number(read.wholeBlocks));
        case BlockProblem::TooFewLines:
            return Texts::tr(
                       "Round %1, column %2: category %3 of %4 (\u201C%5\u201D) has too few "
                       "questions: it ends after %6 of its %7 lines; the built-in category "
                       "is played there.")
                .arg(round, column, category, fileName, Shortened(read.title.trimmed()),
                     QString::number(read.linesInBlock), QString::number(kLinesPerBlock));
    }
    return {};
}

}  // namespace game
