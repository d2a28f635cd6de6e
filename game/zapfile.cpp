#include "game/zapfile.h"

#include <QFileInfo>

#include "toolkit/linereader.h"

static_assert(kLinesPerBlock == 1 + 2 * std::tuple_size_v<decltype(CategoryBlock::questions)>);

namespace {

// Question writers pad the text after the tag for readability; tabs, on the other hand, are kept
// because a writer who typed one may have meant it.
QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.sliced(first, last - first);
}

}  // namespace

QString StripTag(const QString& line) {
    // The tag is whatever two characters the writer typed ("Q:", "A:", or anything else), so it is
    // counted in code points: an "é" or an emoji tag must not leave half of itself behind.
    static constexpr int kTagCharacters = 2;
    qsizetype pos = 0;
    for (int i = 0; i < kTagCharacters; ++i) {
        if (pos >= line.size()) {
            return {};
        }
        const bool pair =
            line[pos].isHighSurrogate() && pos + 1 < line.size() && line[pos + 1].isLowSurrogate();
        pos += pair ? 2 : 1;
    }
    return TrimSpaces(line.sliced(pos));
}

std::optional<CategoryBlock> ReadCategoryBlock(const QString& fileName, int index) {
    return ReadCategoryBlockOrWhy(fileName, index).block;
}

BlockRead ReadCategoryBlockOrWhy(const QString& fileName, int index) {
    BlockRead read;
    if (index < 0) {
        read.problem = BlockProblem::TooFewBlocks;
        return read;
    }
    // The reader closes the file when it goes out of scope, before the caller sees the result.
    tk::LineReader reader;
    if (!reader.open(fileName)) {
        read.problem =
            QFileInfo::exists(fileName) ? BlockProblem::Unreadable : BlockProblem::Missing;
        return read;
    }
    // Earlier blocks belong to other category slots; they are skipped without decoding.
    const qint64 skip = qint64{kLinesPerBlock} * index;
    QByteArray ignored;
    for (qint64 i = 0; i < skip; ++i) {
        if (!reader.readRawLine(ignored)) {
            read.problem = BlockProblem::TooFewBlocks;
            read.wholeBlocks = i / kLinesPerBlock;
            return read;
        }
    }
    CategoryBlock block;
    // The title is shown exactly as the writer typed it, spaces included.
    if (!reader.readLine(block.title)) {
        read.problem = BlockProblem::TooFewBlocks;
        read.wholeBlocks = index;
        return read;
    }
    read.problem = BlockProblem::TooFewLines;
    read.title = block.title;
    read.linesInBlock = 1;
    QString line;
    for (std::size_t row = 0; row < block.questions.size(); ++row) {
        if (!reader.readLine(line)) {
            return read;
        }
        ++read.linesInBlock;
        block.questions[row] = StripTag(line);
        if (!reader.readLine(line)) {
            return read;
        }
        ++read.linesInBlock;
        block.answers[row] = StripTag(line);
    }
    read = BlockRead{};
    read.block = std::move(block);
    return read;
}
