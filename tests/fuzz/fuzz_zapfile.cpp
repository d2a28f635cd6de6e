// Feeds arbitrary bytes to the category reader as a file in the quiz folder, and checks it against
// a plain in-memory reading of the same bytes: whatever a file holds, the reader must neither
// crash nor hang, and must hand the game exactly the block those bytes spell.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

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
    auto at = [&](qsizetype i) { return static_cast<unsigned char>(line[i]); };
    qsizetype keep = max;
    if ((at(max) & 0xC0) == 0x80) {
        qsizetype lead = max - 1;
        while (lead > max - 4 && (at(lead) & 0xC0) == 0x80) {
            --lead;
        }
        const int length = at(lead) >= 0xF0 && at(lead) <= 0xF4   ? 4
                           : at(lead) >= 0xE0 && at(lead) <= 0xEF ? 3
                           : at(lead) >= 0xC2 && at(lead) <= 0xDF ? 2
                                                                  : 1;
        if ((at(lead) & 0xC0) != 0x80 && lead + length > max) {
            keep = lead;
        }
    }
    return line.first(keep).toByteArray();
}

// The file's lines as an editor would show them: ends at CR, CR LF or LF, a byte-order mark at
// the start dropped, each line cut at the reader's limit.
std::vector<QByteArray> SplitLines(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    }
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        if (!end && bytes[i] != '\r' && bytes[i] != '\n') {
            continue;
        }
        if (end && start == bytes.size()) {
            break;  // a line end as the file's last bytes does not open another line
        }
        lines.push_back(Capped(bytes.sliced(start, i - start)));
        if (!end && bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    return lines;
}

void CheckDecoding(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString asUtf8 = utf8.decode(bytes);
    const bool valid = !utf8.hasError() && asUtf8.toUtf8() == bytes;
    if (tk::isValidUtf8(bytes) != valid) {
        Fail("UTF-8 validity");
    }
    const QString decoded = tk::decodeLine(bytes);
    if (valid ? decoded != asUtf8 : decoded.size() != bytes.size()) {
        Fail("line decoding");
    }
}

QString Folder() {
    static QTemporaryDir dir;
    return dir.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int index = data[0] % 4;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    CheckDecoding(bytes.first(std::min<qsizetype>(bytes.size(), 4096)));

    static const bool entered = QDir::setCurrent(Folder());
    if (!entered) {
        abort();
    }
    {
        QFile file(QStringLiteral("fuzz.zap"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.data(), bytes.size()) != bytes.size()) {
            abort();
        }
    }
    const std::optional<CategoryBlock> block = ReadCategoryBlock(QStringLiteral("fuzz.zap"), index);

    const std::vector<QByteArray> lines = SplitLines(bytes);
    const std::size_t first = std::size_t(kLinesPerBlock) * std::size_t(index);
    if (lines.size() < first + kLinesPerBlock) {
        if (block) {
            Fail("a block from a file too short to hold it");
        }
        return 0;
    }
    if (!block) {
        Fail("no block from a file that holds one");
    }
    if (block->title != tk::decodeLine(lines[first])) {
        Fail("title");
    }
    for (std::size_t row = 0; row < 6; ++row) {
        if (block->questions[row] != StripTag(tk::decodeLine(lines[first + 1 + 2 * row])) ||
            block->answers[row] != StripTag(tk::decodeLine(lines[first + 2 + 2 * row]))) {
            Fail("question or answer");
        }
    }
    return 0;
}
