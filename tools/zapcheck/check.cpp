#include "check.h"

#include "game/zapfile.h"
#include "layout/layout.h"
#include "toolkit/linereader.h"
#include "toolkit/textfit.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Lines beyond the fifteenth block belong to no category slot; the game never reads them.
constexpr qint64 kLoadedLines = qint64{kLinesPerBlock} * kCategorySlots;

enum class Kind { Block, Problem, Warning };

struct Message {
    qint64 line;  // 0 for the file as a whole
    Kind kind;
    QString text;
};

// "LE" or "BE" when the start of the file has a zero in every other byte, as UTF-16 text of
// Latin letters has, or empty. Such a file without a byte-order mark reads as garbage in the game.
QString LooksLikeUtf16(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray start = file.read(4096);
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i + 1 < start.size(); i += 2) {
        zeros[0] += start[i] == '\0';
        zeros[1] += start[i + 1] == '\0';
    }
    const qsizetype pairs = start.size() / 2;
    if (pairs < 4) {
        return {};
    }
    const auto most = [pairs](qsizetype n) { return n * 10 >= pairs * 7; };
    const auto few = [pairs](qsizetype n) { return n * 10 <= pairs; };
    return most(zeros[1]) && few(zeros[0])   ? QStringLiteral("LE")
           : most(zeros[0]) && few(zeros[1]) ? QStringLiteral("BE")
                                             : QString();
}

// Below this share of its full size a text is hard to read from the back of the room.
constexpr qreal kSmallShare = 2.0 / 3.0;

// The share of its full size at which the game draws `text` in the box of a layout row, on a
// screen of the design size: 1 when it fits as it is.
qreal DrawnShare(const layout::Screen& screen, layout::Widget widget, int index,
                 const QString& text) {
    const layout::Row& row = layout::Find(screen, widget, index);
    const int border = (row.style & layout::kBorder) != 0 ? 2 : 0;
    const QSize box(tk::Pixels(row.width) - border, tk::Pixels(row.height) - border);
    const QFont font = tk::FontOf(row.font, row.style);
    return tk::FittedPointSize(font, text, box) / font.pointSizeF();
}

QString SlotName(qint64 block) {
    return Texts::tr("round %1, column %2")
        .arg(block / kColumnsPerRound + 1)
        .arg(block % kColumnsPerRound + 1);
}

// Titles are quoted so that leading and trailing spaces, which the game keeps, can be seen;
// control characters are spelled out so that they cannot upset the terminal.
QString Quoted(const QString& text) {
    QString shown = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\t') {
            shown += QStringLiteral("\\t");
        } else if (c.category() == QChar::Other_Control) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        } else {
            shown += c;
        }
    }
    return shown + u'"';
}

bool IsBlank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// The game's tag is two code points, not two UTF-16 units (see StripTag).
QList<char32_t> FirstCodePoints(const QString& line, int count) {
    QList<char32_t> points;
    for (qsizetype i = 0; i < line.size() && points.size() < count; ++i) {
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            points << QChar::surrogateToUcs4(line[i], line[i + 1]);
            ++i;
        } else {
            points << line[i].unicode();
        }
    }
    return points;
}

// A tag is normally a letter or digit followed by a mark ("Q:", "A.", "1)", "Q "). Two letters in
// a row ("Wh" of "What") or two digits ("19" of "1984") are far more likely the start of the text,
// which the game would then cut off. A letter and a digit ("Q1") pass as a tag.
bool LooksUntagged(const QList<char32_t>& tag) {
    const bool letters = QChar::isLetter(tag[0]) && QChar::isLetter(tag[1]);
    const bool digits = QChar::isDigit(tag[0]) && QChar::isDigit(tag[1]);
    return letters || digits;
}

const char* EndName(tk::LineEnd end) {
    switch (end) {
        case tk::LineEnd::CRLF:
            return "CRLF";
        case tk::LineEnd::LF:
            return "LF";
        case tk::LineEnd::CR:
            return "CR";
        case tk::LineEnd::None:
            break;
    }
    return "none";
}

class FileCheck {
public:
    explicit FileCheck(const QString& path) : path_(path) {}

    bool run(QTextStream& out);

private:
    void add(qint64 line, Kind kind, const QString& text) {
        messages_.push_back({line, kind, text});
    }
    void checkTitle(qint64 line, const QString& title);
    void checkEntry(qint64 line, const QString& text, bool question);
    // A warning when a text is drawn at less than two thirds of its full size.
    // `message` has the share in percent as %1.
    void warnIfSmall(qint64 line, const QString& message, qreal share);
    // A missing or extra line shifts every line after it, so only the first sign is reported.
    void reportShift(qint64 line, const QString& what);
    void finish(tk::LineReader& reader);
    QString lineEnds() const;
    QString encoding(bool bom) const;
    void print(QTextStream& out);

    QString path_;
    std::vector<Message> messages_;
    qint64 lines_ = 0;
    bool bom_ = false;
    QString utf16_;  // "UTF-16 LE" or "UTF-16 BE" for a file read as UTF-16
    bool shiftReported_ = false;

    // The block being read: where its messages start, and whether all its lines are blank.
    std::size_t blockMessages_ = 0;
    bool blockBlank_ = true;
    QString title_;

    qint64 ends_[4] = {};  // indexed by tk::LineEnd
    tk::LineEnd firstEnd_ = tk::LineEnd::None;
    qint64 firstOtherEnd_ = 0;  // first line whose end differs from the first line's

    qint64 utf8Lines_ = 0;  // lines with non-ASCII text that is valid UTF-8
    qint64 cp1252Lines_ = 0;
    qint64 firstCp1252_ = 0;
    std::vector<qint64> loadedCp1252_;
};

void FileCheck::checkTitle(qint64 line, const QString& title) {
    if (IsBlank(title)) {
        add(line, Kind::Warning,
            Texts::tr("the title is empty; a blank line between blocks shifts every later line"));
    } else if (title.startsWith(QLatin1String("Q:")) || title.startsWith(QLatin1String("A:"))) {
        reportShift(line, Texts::tr("title line looks like a question or answer"));
    } else {
        warnIfSmall(line,
                    Texts::tr("the title is so long that the game draws it at %1 % of its full "
                              "size; shorter reads better from the back of the room"),
                    DrawnShare(layout::kBoard, layout::Widget::categoryTitle, 0, title));
    }
}

void FileCheck::warnIfSmall(qint64 line, const QString& message, qreal share) {
    if (share < kSmallShare) {
        add(line, Kind::Warning, message.arg(qRound(share * 100)));
    }
}

void FileCheck::checkEntry(qint64 line, const QString& text, bool question) {
    // Whole sentences for each, since a translation's words around "question" and "answer" differ.
    const auto say = [question](const char* aboutQuestion, const char* aboutAnswer) {
        return Texts::tr(question ? aboutQuestion : aboutAnswer);
    };
    const QList<char32_t> tag = FirstCodePoints(text, 2);
    if (tag.size() < 2) {
        add(line, Kind::Problem,
            say(QT_TRANSLATE_NOOP("zapcheck",
                                  "question line is shorter than its two-character "
                                  "tag; the game shows an empty question"),
                QT_TRANSLATE_NOOP("zapcheck",
                                  "answer line is shorter than its two-character "
                                  "tag; the game shows an empty answer")));
        return;
    }
    const QString tagText = QString::fromUcs4(tag.constData(), tag.size());
    if (LooksUntagged(tag)) {
        add(line, Kind::Warning,
            say(QT_TRANSLATE_NOOP("zapcheck",
                                  "question line seems to have no tag; the game "
                                  "drops its first two characters %1"),
                QT_TRANSLATE_NOOP("zapcheck",
                                  "answer line seems to have no tag; the game drops "
                                  "its first two characters %1"))
                .arg(Quoted(tagText)));
    } else if (tagText == QLatin1String(question ? "A:" : "Q:")) {
        reportShift(line, say(QT_TRANSLATE_NOOP("zapcheck", "question line is tagged %1"),
                              QT_TRANSLATE_NOOP("zapcheck", "answer line is tagged %1"))
                              .arg(Quoted(tagText)));
    }
    const QString stripped = StripTag(text);
    if (stripped.isEmpty()) {
        add(line, Kind::Warning,
            say(QT_TRANSLATE_NOOP("zapcheck", "the question is empty once the tag is dropped"),
                QT_TRANSLATE_NOOP("zapcheck", "the answer is empty once the tag is dropped")));
    } else if (stripped.front() == u'\t' || stripped.back() == u'\t') {
        add(line, Kind::Warning,
            say(QT_TRANSLATE_NOOP("zapcheck",
                                  "tab around the question is kept; the game trims only spaces"),
                QT_TRANSLATE_NOOP("zapcheck",
                                  "tab around the answer is kept; the game trims only spaces")));
    }
    if (question && !stripped.isEmpty()) {
        warnIfSmall(line,
                    Texts::tr("the question is so long that the game draws it at %1 % of its full "
                              "size; shorter reads better from the back of the room"),
                    DrawnShare(layout::kQuestion, layout::Widget::questionText, -1, stripped));
    }
}

void FileCheck::reportShift(qint64 line, const QString& what) {
    if (shiftReported_) {
        return;
    }
    shiftReported_ = true;
    add(line, Kind::Warning,
        Texts::tr("%1; is a line missing or extra above? (later lines may be shifted)").arg(what));
}

bool FileCheck::run(QTextStream& out) {
    tk::LineReader reader;
    if (!reader.open(path_)) {
        QString reason = UnreadableReason(path_);
        if (reason.isEmpty()) {
            reason = Texts::tr("it cannot be opened");
        }
        out << path_
            << ": problem: " << Texts::tr("cannot be read as a category file: %1").arg(reason)
            << '\n';
        return false;
    }
    QByteArray bytes;
    tk::LineEnd end;
    bool cut;
    while (reader.readRawLine(bytes, &end, &cut)) {
        const qint64 line = ++lines_;
        // An unterminated last line is normal and says nothing about the file's style.
        if (end != tk::LineEnd::None) {
            ++ends_[static_cast<int>(end)];
            if (firstEnd_ == tk::LineEnd::None) {
                firstEnd_ = end;
            } else if (end != firstEnd_ && firstOtherEnd_ == 0) {
                firstOtherEnd_ = line;
            }
        }
        const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!ascii && QByteArrayView(bytes).isValidUtf8()) {
            ++utf8Lines_;
        } else if (!ascii) {
            if (++cp1252Lines_ == 1) {
                firstCp1252_ = line;
            }
            if (line <= kLoadedLines) {
                loadedCp1252_.push_back(line);
            }
        }
        if (line > kLoadedLines) {
            continue;
        }
        const int inBlock = static_cast<int>((line - 1) % kLinesPerBlock);
        if (inBlock == 0) {
            blockMessages_ = messages_.size();
            blockBlank_ = true;
        }
        const QString text = tk::decodeLine(bytes);
        blockBlank_ = blockBlank_ && IsBlank(text);
        if (cut) {
            add(line, Kind::Warning,
                Texts::tr("line is longer than %1 bytes; the game keeps only its start")
                    .arg(tk::LineReader::kMaxLineBytes));
        }
        if (inBlock == 0) {
            title_ = text;
            checkTitle(line, text);
        } else {
            checkEntry(line, text, inBlock % 2 == 1);
        }
        if (inBlock == kLinesPerBlock - 1) {
            const qint64 block = (line - 1) / kLinesPerBlock;
            add(line - inBlock, Kind::Block,
                Texts::tr("block %1 (%2): %3").arg(block + 1).arg(SlotName(block), Quoted(title_)));
        }
    }
    finish(reader);
    print(out);
    return std::none_of(messages_.begin(), messages_.end(),
                        [](const Message& m) { return m.kind == Kind::Problem; });
}

void FileCheck::finish(tk::LineReader& reader) {
    const qint64 complete = lines_ / kLinesPerBlock;
    const qint64 partial = lines_ % kLinesPerBlock;
    if (partial > 0 && complete < kCategorySlots) {
        const qint64 first = lines_ - partial + 1;
        if (blockBlank_) {
            // Editors like to leave blank lines at the end; they change nothing the game loads.
            messages_.resize(blockMessages_);
            add(first, Kind::Warning,
                Texts::tr("%1 after the last block ignored")
                    .arg(Count(partial, QT_TRANSLATE_N_NOOP("zapcheck", "%1 blank line"),
                               QT_TRANSLATE_N_NOOP("zapcheck", "%1 blank lines"))));
        } else {
            add(first, Kind::Problem,
                Texts::tr("block %1 ends after %2 of its %3 lines; %4 keeps the built-in questions "
                          "when this file is picked there")
                    .arg(complete + 1)
                    .arg(partial)
                    .arg(kLinesPerBlock)
                    .arg(SlotName(complete)));
        }
    }
    if (complete == 0 && (partial == 0 || blockBlank_)) {
        add(0, Kind::Problem, Texts::tr("holds no complete block; it fills no category slot"));
    }
    if (lines_ > kLoadedLines) {
        add(kLoadedLines + 1, Kind::Warning,
            Texts::tr("lines %1-%2 lie past the fifteenth block; the game never reads them")
                .arg(kLoadedLines + 1)
                .arg(lines_));
    }
    // A whole file in Windows-1252 is an older editor's choice and reads fine; a single such line
    // in a UTF-8 file is a slip that the writer's editor will likely show garbled.
    bom_ = reader.hadByteOrderMark();
    utf16_ = reader.encoding() == tk::FileEncoding::Utf16LE   ? QStringLiteral("UTF-16 LE")
             : reader.encoding() == tk::FileEncoding::Utf16BE ? QStringLiteral("UTF-16 BE")
                                                              : QString();
    if (!bom_) {
        if (const QString order = LooksLikeUtf16(path_); !order.isEmpty()) {
            // Read byte by byte, every line of it is wrong; saying so line by line would bury
            // the one thing to do.
            messages_.clear();
            utf16_ = Texts::tr("UTF-16 %1 without a byte-order mark, it seems").arg(order);
            add(0, Kind::Problem,
                Texts::tr("looks like UTF-16 %1 without a byte-order mark (every other byte is "
                          "zero); the game reads it as garbage: save it as UTF-8, or as UTF-16 "
                          "with a byte-order mark (Notepad's \"Unicode\")")
                    .arg(order));
        }
    }
    if (utf8Lines_ > 0 || bom_) {
        for (const qint64 line : loadedCp1252_) {
            add(line, Kind::Warning,
                Texts::tr("line is not valid UTF-8 like the rest of the file; the game reads it as "
                          "Windows-1252"));
        }
    }
    // The game lists only files named *.zap (any case) that are not hidden.
    const QString name = QFileInfo(path_).fileName();
    if (!name.endsWith(QLatin1String(".zap"), Qt::CaseInsensitive) || name.startsWith(u'.')) {
        add(0, Kind::Warning,
            Texts::tr("the game lists only files named *.zap that do not start with '.'"));
    }
}

QString FileCheck::lineEnds() const {
    int kinds = 0;
    QStringList counts;
    for (const tk::LineEnd end : {tk::LineEnd::CRLF, tk::LineEnd::LF, tk::LineEnd::CR}) {
        const qint64 n = ends_[static_cast<int>(end)];
        if (n > 0) {
            ++kinds;
            counts << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(EndName(end)));
        }
    }
    if (kinds == 0) {
        return Texts::tr("none");
    }
    if (kinds == 1) {
        return QLatin1String(EndName(firstEnd_));
    }
    return Texts::tr("mixed (%1; first change at line %2)")
        .arg(counts.join(QStringLiteral(", ")))
        .arg(firstOtherEnd_);
}

QString FileCheck::encoding(bool bom) const {
    QString text;
    if (!utf16_.isEmpty()) {
        text = utf16_;
    } else if (cp1252Lines_ == 0) {
        text = utf8Lines_ > 0 ? QStringLiteral("UTF-8") : Texts::tr("UTF-8 (plain ASCII)");
    } else if (utf8Lines_ == 0) {
        text = QStringLiteral("Windows-1252");
    } else {
        text = Texts::tr("mixed (UTF-8; Windows-1252 on %1, first at line %2)")
                   .arg(Count(cp1252Lines_, QT_TRANSLATE_N_NOOP("zapcheck", "%1 line"),
                              QT_TRANSLATE_N_NOOP("zapcheck", "%1 lines")))
                   .arg(firstCp1252_);
    }
    return bom ? Texts::tr("%1, with byte-order mark").arg(text) : text;
}

void FileCheck::print(QTextStream& out) {
    // Messages follow the file from top to bottom; a block's title comes before its lines' notes.
    std::stable_sort(messages_.begin(), messages_.end(), [](const Message& a, const Message& b) {
        return a.line != b.line ? a.line < b.line
                                : (a.kind == Kind::Block) > (b.kind == Kind::Block);
    });
    const qint64 complete = lines_ / kLinesPerBlock;
    out << path_ << ": "
        << Texts::tr("%1, %2; %3")
               .arg(Count(lines_, QT_TRANSLATE_N_NOOP("zapcheck", "%1 line"),
                          QT_TRANSLATE_N_NOOP("zapcheck", "%1 lines")),
                    Count(complete, QT_TRANSLATE_N_NOOP("zapcheck", "%1 complete block"),
                          QT_TRANSLATE_N_NOOP("zapcheck", "%1 complete blocks")),
                    DescribeSlots(complete))
        << '\n';
    out << path_ << ": " << Texts::tr("line ends %1; encoding %2").arg(lineEnds(), encoding(bom_))
        << '\n';
    qint64 problems = 0;
    qint64 warnings = 0;
    for (const Message& m : messages_) {
        out << path_;
        if (m.line > 0) {
            out << ':' << m.line;
        }
        switch (m.kind) {
            case Kind::Block:
                out << ": ";
                break;
            case Kind::Problem:
                ++problems;
                out << ": problem: ";
                break;
            case Kind::Warning:
                ++warnings;
                out << ": warning: ";
                break;
        }
        out << m.text << '\n';
    }
    QStringList verdict;
    verdict << (problems == 0 ? Texts::tr("sound")
                              : Count(problems, QT_TRANSLATE_N_NOOP("zapcheck", "%1 problem"),
                                      QT_TRANSLATE_N_NOOP("zapcheck", "%1 problems")));
    if (warnings > 0) {
        verdict << Count(warnings, QT_TRANSLATE_N_NOOP("zapcheck", "%1 warning"),
                         QT_TRANSLATE_N_NOOP("zapcheck", "%1 warnings"));
    }
    out << path_ << ": " << verdict.join(QStringLiteral(", ")) << '\n';
}

}  // namespace

QString DescribeSlots(qint64 blocks) {
    const int n = static_cast<int>(std::min<qint64>(blocks, kCategorySlots));
    if (n == 0) {
        return Texts::tr("fills no category slot");
    }
    if (n == kCategorySlots) {
        return Texts::tr("fills every category slot (rounds 1-3)");
    }
    QStringList rounds;
    for (int round = 0; round * kColumnsPerRound < n; ++round) {
        const int columns = std::min(kColumnsPerRound, n - round * kColumnsPerRound);
        rounds << (columns == 1 ? Texts::tr("round %1 column 1").arg(round + 1)
                                : Texts::tr("round %1 columns 1-%2").arg(round + 1).arg(columns));
    }
    return Texts::tr("fills %1").arg(rounds.join(QStringLiteral(", ")));
}

QString UnreadableReason(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return Texts::tr("it is a folder");
    }
    if (S_ISFIFO(info.st_mode)) {
        return Texts::tr("it is a pipe, not a regular file");
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        return Texts::tr("it is a device, not a regular file");
    }
    if (!S_ISREG(info.st_mode)) {
        return Texts::tr("it is not a regular file");
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

QString Count(qint64 n, const char* one, const char* many) {
    // The form is chosen for an int; past that every language says "many".
    const int form = static_cast<int>(std::min<qint64>(n, std::numeric_limits<int>::max()));
    return Texts::tr(n == 1 ? one : many, nullptr, form).arg(n);
}

bool CheckCategoryFile(const QString& path, QTextStream& out) {
    return FileCheck(path).run(out);
}
