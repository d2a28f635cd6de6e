#include "toolkit/linereader.h"

#include <cstring>

#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <iterator>

namespace tk {

namespace {

constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
constexpr unsigned char kUtf16LEBom[] = {0xFF, 0xFE};
constexpr unsigned char kUtf16BEBom[] = {0xFE, 0xFF};

template <std::size_t N>
bool StartsWith(const char* bytes, qsizetype size, const unsigned char (&mark)[N]) {
    return size >= qsizetype(N) && std::equal(std::begin(mark), std::end(mark),
                                              reinterpret_cast<const unsigned char*>(bytes));
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence a lead byte announces, 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// When an overlong line is cut, a question written in UTF-8 must not end in half a character:
// that would make the whole line fail UTF-8 validation and be shown as Windows-1252 mojibake.
// `nextByte` is the first byte that was cut off; only when it continues a sequence started in the
// kept part is the kept part shortened to the start of that sequence.
void backOffSplitSequence(QByteArray& bytes, unsigned char nextByte) {
    if (!isContinuation(nextByte)) {
        return;
    }
    const qsizetype size = bytes.size();
    for (qsizetype i = size - 1; i >= 0 && i >= size - 3; --i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (isContinuation(byte)) {
            continue;
        }
        const int length = sequenceLength(byte);
        if (length > 1 && i + length > size) {
            bytes.truncate(i);
        }
        return;
    }
}

// Windows-1252 code points for 0x80..0x9F. The five bytes the code page leaves undefined map to
// the C1 control of the same value, so no byte of a question is ever lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr std::array<char16_t, 256> makeCp1252Table() {
    std::array<char16_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = static_cast<char16_t>(i);  // ASCII and Latin-1 are identical in Windows-1252
    }
    for (int i = 0; i < 32; ++i) {
        table[0x80 + i] = kCp1252High[i];
    }
    return table;
}

constexpr std::array<char16_t, 256> kCp1252 = makeCp1252Table();

}  // namespace

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const QString& name) {
    close();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer and freeze the
    // game. O_NOCTTY: a terminal device must never become our controlling terminal.
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void LineReader::close() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = -1;
    started_ = false;
    atEnd_ = false;
    hadBom_ = false;
    encoding_ = FileEncoding::Bytes;
    utf16_ = QStringDecoder();
    highSurrogate_.clear();
    pos_ = 0;
    len_ = 0;
}

// Appends one read(2) worth of bytes after the unread ones; false at end of file or on error.
bool LineReader::refill() {
    if (atEnd_ || fd_ < 0) {
        return false;
    }
    if (pos_ == len_) {
        pos_ = 0;
        len_ = 0;
    }
    if (len_ == kBufferBytes) {
        return true;
    }
    if (encoding_ == FileEncoding::Bytes) {
        const qsizetype got = readSome(buffer_.data() + len_, kBufferBytes - len_);
        len_ += got;
        return got > 0;
    }
    // Two bytes of UTF-16 become at most three of UTF-8, so this many always find room.
    const qsizetype most = (kBufferBytes - len_) / 3 * 2;
    if (most == 0) {
        return true;
    }
    std::array<char, kBufferBytes> units;
    const qsizetype got = readSome(units.data(), most);
    if (got == 0) {
        return false;
    }
    appendUtf16(QByteArrayView(units.data(), got));
    return true;
}

// Appends UTF-16 bytes as UTF-8. A letter written as a surrogate pair may arrive half in one read
// and half in the next; its first half waits for the second.
void LineReader::appendUtf16(QByteArrayView units) {
    QString text = highSurrogate_ + QString(utf16_.decode(units));
    highSurrogate_.clear();
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        highSurrogate_ = text.back();
        text.chop(1);
    }
    const QByteArray bytes = text.toUtf8();
    std::memcpy(buffer_.data() + len_, bytes.constData(), std::size_t(bytes.size()));
    len_ += bytes.size();
}

// One read(2) of at most `most` bytes; 0 at the end of the file.
qsizetype LineReader::readSome(char* into, qsizetype most) {
    ssize_t got;
    do {
        got = ::read(fd_, into, static_cast<size_t>(most));
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        // A read error mid-file is treated like the end: the block is then incomplete and the
        // category is rejected rather than half-filled.
        atEnd_ = true;
        return 0;
    }
    return got;
}

void LineReader::dropByteOrderMark() {
    started_ = true;
    // A short read could in principle deliver the mark in pieces, so gather three bytes first;
    // only these are read before the encoding is known.
    while (len_ < 3 && !atEnd_) {
        len_ += readSome(buffer_.data() + len_, 3 - len_);
    }
    if (StartsWith(buffer_.data(), len_, kBom)) {
        pos_ = 3;
        hadBom_ = true;
        return;
    }
    const bool littleEndian = StartsWith(buffer_.data(), len_, kUtf16LEBom);
    if (!littleEndian && !StartsWith(buffer_.data(), len_, kUtf16BEBom)) {
        return;
    }
    hadBom_ = true;
    encoding_ = littleEndian ? FileEncoding::Utf16LE : FileEncoding::Utf16BE;
    // The file's own mark is gone; a U+FEFF after it is the writer's text, as in a UTF-8 file.
    utf16_ = QStringDecoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                            QStringDecoder::Flag::ConvertInitialBom);
    // The byte after the mark is the first half of the first code unit.
    const QByteArray afterMark(buffer_.data() + 2, len_ - 2);
    pos_ = 0;
    len_ = 0;
    appendUtf16(afterMark);
}

bool LineReader::readRawLine(QByteArray& bytes, LineEnd* end, bool* truncated) {
    bytes.clear();
    LineEnd lineEnd = LineEnd::None;
    bool cut = false;
    if (end) {
        *end = lineEnd;
    }
    if (truncated) {
        *truncated = false;
    }
    if (fd_ < 0) {
        return false;
    }
    if (!started_) {
        dropByteOrderMark();
    }

    bool gotAnything = false;
    for (;;) {
        if (pos_ == len_ && !refill()) {
            break;
        }
        gotAnything = true;
        const char* chunk = buffer_.data() + pos_;
        const qsizetype available = len_ - pos_;
        // memchr rather than a byte loop: a hostile file may hold one line of hundreds of
        // megabytes, all of which has to be skipped to find where the next line starts.
        const auto* lf = static_cast<const char*>(std::memchr(chunk, '\n', std::size_t(available)));
        const qsizetype beforeLf = lf != nullptr ? lf - chunk : available;
        const auto* cr = static_cast<const char*>(std::memchr(chunk, '\r', std::size_t(beforeLf)));
        const qsizetype take = cr != nullptr ? cr - chunk : beforeLf;
        if (!cut) {
            const qsizetype room = kMaxLineBytes - bytes.size();
            if (take > room) {
                bytes.append(chunk, room);
                backOffSplitSequence(bytes, static_cast<unsigned char>(chunk[room]));
                cut = true;
            } else {
                bytes.append(chunk, take);
            }
        }
        pos_ += take;
        if (take == available) {
            continue;  // the line goes on in the next buffer (or the file ends here)
        }
        if (buffer_[pos_++] == '\n') {
            lineEnd = LineEnd::LF;
            break;
        }
        // A CR may be the first half of CR LF even when the LF only arrives with the next read.
        if (pos_ == len_) {
            refill();
        }
        if (pos_ < len_ && buffer_[pos_] == '\n') {
            ++pos_;
            lineEnd = LineEnd::CRLF;
        } else {
            lineEnd = LineEnd::CR;
        }
        break;
    }
    if (!gotAnything) {
        return false;
    }
    if (end) {
        *end = lineEnd;
    }
    if (truncated) {
        *truncated = cut;
    }
    return true;
}

bool LineReader::readLine(QString& line) {
    QByteArray bytes;
    if (!readRawLine(bytes)) {
        line.clear();
        return false;
    }
    line = decodeLine(bytes);
    return true;
}

QString decodeLine(QByteArrayView bytes) {
    if (bytes.isValidUtf8()) {
        // QString::fromUtf8 would silently eat a U+FEFF at the start of every line; only the mark
        // at the very start of the file is dropped (by LineReader), any other is the writer's text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(kCp1252[static_cast<unsigned char>(bytes[i])]);
    }
    return text;
}

}  // namespace tk
