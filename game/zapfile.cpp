#include "game/zapfile.h"

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
    if (index < 0) {
        return std::nullopt;
    }
    // The reader closes the file when it goes out of scope, before the caller sees the result.
    tk::LineReader reader;
    if (!reader.open(fileName)) {
        return std::nullopt;
    }
    // Earlier blocks belong to other category slots; they are skipped without decoding.
    const qint64 skip = qint64{kLinesPerBlock} * index;
    QByteArray ignored;
    for (qint64 i = 0; i < skip; ++i) {
        if (!reader.readRawLine(ignored)) {
            return std::nullopt;
        }
    }
    CategoryBlock block;
    // The title is shown exactly as the writer typed it, spaces included.
    if (!reader.readLine(block.title)) {
        return std::nullopt;
    }
    QString line;
    for (std::size_t row = 0; row < block.questions.size(); ++row) {
        if (!reader.readLine(line)) {
            return std::nullopt;
        }
        block.questions[row] = StripTag(line);
        if (!reader.readLine(line)) {
            return std::nullopt;
        }
        block.answers[row] = StripTag(line);
    }
    return block;
}
