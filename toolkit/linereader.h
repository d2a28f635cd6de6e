#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <array>

namespace tk {

// How the file's text is stored. A file with a UTF-16 byte-order mark (what Windows Notepad saves
// as "Unicode") is read as UTF-16 throughout; any other is read line by line as UTF-8, or as
// Windows-1252 where a line is not valid UTF-8.
enum class FileEncoding { Bytes, Utf16LE, Utf16BE };

// How a line was terminated. None marks a last line that the writer's editor left without an end.
enum class LineEnd { None, CR, CRLF, LF };

// Reads a category file line by line, whatever editor or OS produced it. Only the lines asked for
// are read from disk (one fixed buffer at a time), so a huge or hostile file in the quiz folder
// costs no more memory or time than the block the game needs.
class LineReader {
public:
    // Longest line kept. Real questions are far shorter; anything longer is junk that must not be
    // allowed to eat memory.
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    // Size of each read(2). Public so tests can place a line end exactly on a buffer boundary.
    static constexpr qsizetype kBufferBytes = 16 * 1024;

    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens `name` relative to the working directory. Only regular files are accepted: a FIFO, a
    // device or a directory named like a category file must not hang or confuse the game.
    bool open(const QString& name);
    bool isOpen() const { return fd_ >= 0; }

    // Reads the next line without its terminator. Returns false once the file has no more lines.
    // A UTF-16 file's lines come as UTF-8.
    bool readRawLine(QByteArray& bytes, LineEnd* end = nullptr, bool* truncated = nullptr);
    // readRawLine() followed by decodeLine().
    bool readLine(QString& line);

    // True when a byte-order mark was dropped from the start of the file.
    bool hadByteOrderMark() const { return hadBom_; }
    FileEncoding encoding() const { return encoding_; }

    void close();

private:
    bool refill();
    qsizetype readSome(char* into, qsizetype most);
    void appendUtf16(QByteArrayView units);
    void dropByteOrderMark();

    int fd_ = -1;
    bool started_ = false;
    bool atEnd_ = false;
    bool hadBom_ = false;
    FileEncoding encoding_ = FileEncoding::Bytes;
    QStringDecoder utf16_;  // keeps a code unit split between two reads
    QString highSurrogate_;
    qsizetype pos_ = 0;
    qsizetype len_ = 0;
    std::array<char, kBufferBytes> buffer_{};
};

// Decodes one line: strictly valid UTF-8 (Qt's test: no overlong forms, surrogates, code points
// above U+10FFFF or cut sequences) is read as UTF-8; anything else is taken as Windows-1252,
// the encoding older Windows editors still save in. The choice is made per line.
QString decodeLine(QByteArrayView bytes);

}  // namespace tk
