// Arbitrary bytes as a category file: the reader must not crash or hang, and must give exactly the
// block that a plain in-memory reading of the same bytes spells.

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "game/zapfile.h"
#include "toolkit/linereader.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    fprintf(stderr, "reader disagrees with the in-memory reading: %s\n", what);
    abort();
}

// An overlong line keeps its first 64 KiB, less a UTF-8 character that the cut would halve.
QByteArray Capped(QByteArrayView line) {
    const qsizetype max = tk::LineReader::kMaxLineBytes;
    if (line.size() <= max) {
        return line.toByteArray();
    }
    auto continues = [&](qsizetype i) { return (uchar(line[i]) & 0xC0) == 0x80; };
    qsizetype lead = max;  // where the character that the cut falls in starts
    while (lead > max - 4 && continues(lead)) {
        --lead;
    }
    const uchar b = line[lead];
    const int length = b >= 0xF5 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 1;
    return line.first(!continues(lead) && lead + length > max ? lead : max).toByteArray();
}

// A file with a UTF-16 byte-order mark, decoded whole by Qt, as UTF-8; half a letter at the very
// end is dropped.
QByteArray Utf16AsUtf8(QByteArrayView file) {
    QStringDecoder utf16(
        file.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
        QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf16.decode(file.sliced(2));
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1);
    }
    return text.toUtf8();
}

// The lines as an editor shows them: ends at CR, CR LF or LF, a leading byte-order mark dropped.
QList<QByteArray> SplitLines(QByteArrayView file) {
    const bool utf16 = file.startsWith("\xFF\xFE") || file.startsWith("\xFE\xFF");
    const QByteArray text =
        utf16 ? Utf16AsUtf8(file)
              : file.sliced(file.startsWith("\xEF\xBB\xBF") ? 3 : 0).toByteArray();
    const QByteArrayView bytes(text);
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.append(Capped(bytes.sliced(start, i - start)));
            i += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.append(Capped(bytes.sliced(start)));  // a last line without an end
    }
    return lines;
}

// Qt's own decoder is the reference for strict UTF-8; anything else is one character per byte.
void CheckDecoding(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString asUtf8 = utf8.decode(bytes);
    const bool valid = !utf8.hasError() && asUtf8.toUtf8() == bytes;
    if (bytes.isValidUtf8() != valid) {
        Fail("UTF-8 validity");
    }
    const QString decoded = tk::decodeLine(bytes);
    if (valid ? decoded != asUtf8 : decoded.size() != bytes.size()) {
        Fail("line decoding");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int index = data[0] % 4;  // the first byte picks the block the game asks for
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    CheckDecoding(bytes.first(std::min<qsizetype>(bytes.size(), 4096)));

    static QTemporaryDir folder;
    static const bool entered = QDir::setCurrent(folder.path());
    QFile file(QStringLiteral("fuzz.zap"));
    if (!entered || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size()) {
        abort();
    }
    file.close();
    const std::optional<CategoryBlock> block = ReadCategoryBlock(QStringLiteral("fuzz.zap"), index);

    const QList<QByteArray> lines = SplitLines(bytes);
    const qsizetype first = qsizetype(kLinesPerBlock) * index;
    if (block.has_value() != (lines.size() >= first + kLinesPerBlock)) {
        Fail("whether the file holds the block");
    }
    if (block && block->title != tk::decodeLine(lines[first])) {
        Fail("title");
    }
    for (std::size_t row = 0; block && row < 6; ++row) {
        const qsizetype at = first + 1 + 2 * qsizetype(row);
        if (block->questions[row] != StripTag(tk::decodeLine(lines[at])) ||
            block->answers[row] != StripTag(tk::decodeLine(lines[at + 1]))) {
            Fail("question or answer");
        }
    }
    return 0;
}
