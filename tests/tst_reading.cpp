// Reading category files: line ends, overlong lines, the two encodings, tags, and whole blocks;
// then odd files chosen for all fifteen slots while still good and turned odd just before "Done":
// each category comes whole from the file or whole from the built-in bank, and the game plays on.

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "game/bank.h"
#include "game/zapfile.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/setup.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/linereader.h"
#include "toolkit/program.h"

using namespace game;

constexpr qsizetype kBuf = tk::LineReader::kBufferBytes;
constexpr qsizetype kMax = tk::LineReader::kMaxLineBytes;
const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kEmoji = "\xF0\x9F\x98\x80";  // U+1F600, four bytes

const auto As = [](qsizetype n) { return QByteArray(n, 'a'); };

// A text as Windows Notepad saves it as "Unicode": UTF-16 with a byte-order mark.
QByteArray Utf16(const QByteArray& utf8, bool littleEndian) {
    QStringEncoder encoder(littleEndian ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
    return encoder.encode(QString::fromUtf8(utf8));
}

// What the file becomes: the row's bytes (Grown: then a hole up to 200 MB), or a link to them.
enum class Turn { Bytes, Grown, Directory, Fifo, Symlink, Removed };

class TestReading : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    int case_ = 0;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        WriteFile("other.zap", kBom + "zz\rzz" + As(kBuf));
    }

    // `lines`: each raw line, then its end: [L] LF, [W] CRLF, [C] CR, [-] none; "!" if truncated.
    void readLines_data() {
        const auto row = Columns<QByteArray, QByteArray>("content", "lines");
        row("every end, last line without", "a\nb\r\nc\rd", "a[L]b[W]c[C]d[-]");
        row("CR as the last byte", "one\r\ntwo\r", "one[W]two[C]");
        row("CR then CRLF", "a\r\r\nb", "a[C][W]b[-]");
        row("empty file", "", "");
        row("lone LF", "\n", "[L]");
        row("NUL is a byte", QByteArray("a\0b", 3), QByteArray("a\0b[-]", 6));
        row("BOM dropped", kBom + "one\r\n", "one[W]");
        row("BOM only", kBom, "");
        row("BOM on line 2 kept", "x\n" + kBom + "y", "x[L]" + kBom + "y[-]");
        row("CRLF split by buffer", As(kBuf - 1) + "\r\nb", As(kBuf - 1) + "[W]b[-]");
        row("CR CR split by buffer", As(kBuf - 1) + "\r\rb", As(kBuf - 1) + "[C][C]b[-]");
        row("BOM, CRLF split by buffer", kBom + As(kBuf - 4) + "\r\nb", As(kBuf - 4) + "[W]b[-]");
        row("1 MiB without line end", As(1 << 20), As(kMax) + "[-!]");
        row("exactly the limit", As(kMax) + "\nnext", As(kMax) + "[L]next[-]");
        row("limit plus one", As(kMax + 1) + "\rnext", As(kMax) + "[C!]next[-]");
        row("cut splits 2-byte sequence", As(kMax - 1) + "\xC3\xA9\n", As(kMax - 1) + "[L!]");
        row("cut splits emoji", As(kMax - 3) + kEmoji + "\n", As(kMax - 3) + "[L!]");
        row("cut inside a read", "x\n" + As(kMax - 3) + kEmoji + "\n",
            "x[L]" + As(kMax - 3) + "[L!]");
        row("emoji just fits", As(kMax - 4) + kEmoji + "x\n", As(kMax - 4) + kEmoji + "[L!]");
        row("1252 letter at the cut is whole", As(kMax - 1) + "\xE9x\n", As(kMax - 1) + "\xE9[L!]");
    }

    void readLines() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, lines);
        WriteFile("lines.zap", content);
        // The reader is reused: opening a file must forget the previous one's buffer and BOM.
        tk::LineReader reader;
        QByteArray got, line;
        QVERIFY(reader.open("other.zap") && reader.readRawLine(line));
        QVERIFY(reader.open("lines.zap"));
        tk::LineEnd end;
        bool cut;
        while (reader.readRawLine(line, &end, &cut)) {
            got += line + '[' + "-CWL"[int(end)] + (cut ? "!]" : "]");
        }
        QCOMPARE(got, lines);
        QCOMPARE(reader.hadByteOrderMark(), content.startsWith(kBom));
    }

    void decode_data() {
        const auto row = Columns<QByteArray, QString>("bytes", "text");
        row("first and last of every length, around the surrogates",
            "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80"
            "\xF4\x8F\xBF\xBF",
            QString::fromUcs4(U"\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF"));
        row("BOM inside text kept", kBom + "y", QChar(0xFEFF) + QString("y"));
        row("1252", "caf\xE9 \x80\x93it\x92s\x94\x96\x97\x9F", "café €“it’s”–—Ÿ");
        row("1252 undefined bytes", "\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D");
        // One stray 1252 byte makes the whole line 1252, including bytes that looked like UTF-8.
        row("mixed line is 1252", "\xC3\xA9 \xE9", "Ã© é");
        row("overlong 2-byte", "\xC0\xAF", "À¯");
        row("overlong 3-byte", "\xE0\x80\xAF", "à€¯");
        row("overlong 4-byte", "\xF0\x8F\xBF\xBF", "ð\u008F¿¿");
        row("surrogate", "\xED\xA0\x80", "í\u00A0€");
        row("above U+10FFFF", "\xF4\x90\x80\x80", "ô\u0090€€");
        row("cut sequence", "caf\xC3", "cafÃ");
    }

    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(tk::decodeLine(bytes), text);
    }

    void stripTag_data() {
        const auto row = Columns<QString, QString>("line", "text");
        row("spaces trimmed, inner kept", "A:  New  York  ", "New  York");
        row("tag not examined", "xy42", "42");
        row("exactly two characters", "Q:", "");
        row("one character", "Q", "");
        row("tabs and no-break spaces kept", "Q:\t\u00A0x\t", "\t\u00A0x\t");
        row("accented tag", "é:x", "x");
        row("emoji tags", "😀😀 x", "x");
    }

    void stripTag() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QCOMPARE(StripTag(line), text);
    }

    void readBlock_data() {
        const auto row = Columns<int, QByteArray, bool>("index", "content", "ok");
        const QByteArray lf = Blocks(15);
        row("block 0, LF", 0, lf, true);
        row("block 7, CRLF", 7, Blocks(15, "\r\n"), true);
        row("block 14, CR, no final end", 14, Blocks(15, "\r").chopped(1), true);
        row("block 14 one line short", 14, lf.first(lf.lastIndexOf("A:")), false);
        row("past the last block", 15, lf, false);
        row("negative index", -1, lf, false);
        row("block 14, UTF-16 LE, CRLF", 14, Utf16(Blocks(15, "\r\n"), true), true);
        row("block 7, UTF-16 BE, LF", 7, Utf16(Blocks(15), false), true);
    }

    void readBlock() {
        QFETCH(int, index);
        QFETCH(QByteArray, content);
        QFETCH(bool, ok);
        WriteFile("cat.zap", content);
        const auto fds = QDir("/proc/self/fd").count();
        const std::optional<CategoryBlock> block = ReadCategoryBlock("cat.zap", index);
        QCOMPARE(QDir("/proc/self/fd").count(), fds);  // the file is closed again
        QCOMPARE(block ? block->title : QString(), ok ? "Title " + QString::number(index) : "");
        for (int row = 0; ok && row < 6; ++row) {
            const QString at = QStringLiteral("%1.%2").arg(index).arg(row + 1);
            QCOMPARE(block->questions[row], "q" + at);
            QCOMPARE(block->answers[row], "a" + at);
        }
    }

    // Each line has its own encoding: a 1252 title, UTF-8 questions with emoji tags, 1252 answers.
    void blockEncodings() {
        WriteFile("enc.zap", kBom + "  Caf\xE9 \r\n" +
                                 (kEmoji + ": Qu\xC3\xA9\r\nA:\x93q\x94\r\n").repeated(6));
        const std::optional<CategoryBlock> block = ReadCategoryBlock("enc.zap", 0);
        QVERIFY(block.has_value());
        QCOMPARE(block->title, QString("  Café "));  // a title is shown untrimmed
        QCOMPARE(block->questions[5], QString("Qué"));
        QCOMPARE(block->answers[5], QString("“q”"));
        // Notepad's "Unicode": long lines of letters outside the BMP are split between reads in
        // every possible place, and still come out whole.
        const QString question = QStringLiteral("Qu\u00e9 \U0001F600").repeated(3001);
        const QByteArray text =
            "Caf\xC3\xA9\r\n" + ("Q: " + question + "\r\nA: \u00fc\r\n").toUtf8().repeated(6);
        for (const bool littleEndian : {true, false}) {
            WriteFile("notepad.zap", Utf16(text, littleEndian));
            const std::optional<CategoryBlock> wide = ReadCategoryBlock("notepad.zap", 0);
            QVERIFY(wide.has_value());
            QCOMPARE(wide->title, QString("Café"));
            QVERIFY(std::ranges::count(wide->questions, question) == 6);
            QCOMPARE(wide->answers[5], QString("ü"));
        }
    }

    // Last: it moves into a folder of its own for every row.
    void survivesEveryFile_data() {
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("titles");  // the blocks the game must take, in order
        QTest::addColumn<QString>("why");  // the setup's words for round 1's first slot not taken
        auto row = [](const char* tag, Turn turn, const QByteArray& bytes,
                      const QStringList& titles,
                      const QString& why) { QTest::newRow(tag) << turn << bytes << titles << why; };
        const QByteArray good = Blocks(15);
        QStringList all;  // the titles of `good`
        for (int k = 0; k < 15; ++k) {
            all << QStringLiteral("Title %1").arg(k);
        }
        row("empty file", Turn::Bytes, "", {}, "has no categories");
        // Empty lines are lines: 100 CRs are seven whole blocks of empty texts.
        row("only CRs", Turn::Bytes, QByteArray(100, '\r'), QStringList(7, ""), "");
        row("NUL bytes", Turn::Bytes, QByteArray("\0T\0\r\n", 5).repeated(13),
            {QString(QChar(0)) + u'T' + QChar(0)}, "has 1 category,");
        row("invalid UTF-8", Turn::Bytes, "Caf\xe9 \xc3\x28\n" + good.sliced(8),
            QStringList("Café Ã(") + all.mid(1), "");
        row("1 MiB title", Turn::Bytes, QByteArray(1 << 20, 'a') + good.sliced(7),
            QStringList(QString(65536, u'a')) + all.mid(1), "");
        row("200 MB after the blocks", Turn::Grown, good, all, "");
        row("200 MB of nothing", Turn::Grown, "", {}, "too few questions");
        row("truncated mid-block", Turn::Bytes, good.first(good.size() / 2), all.first(7), "");
        row("directory", Turn::Directory, "", {}, "cannot be read");
        row("FIFO", Turn::Fifo, "", {}, "cannot be read");
        row("link to /dev/zero", Turn::Symlink, "/dev/zero", {}, "cannot be read");
        row("dangling link", Turn::Symlink, "nowhere/at/all.zap", {}, "is not there");
        row("removed", Turn::Removed, "", {}, "is not there");
        row("left as it was", Turn::Bytes, good, all, "");
    }

    void survivesEveryFile() {
        QFETCH(Turn, turn);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, titles);
        QFETCH(QString, why);
        const QString name = QStringLiteral("Quiz de l'été 2026 – 第一.zap");  // spaces and accents
        const QString folder = dir_.filePath(QString::number(++case_));
        QVERIFY(dir_.isValid() && QDir().mkpath(folder) && QDir::setCurrent(folder));
        WriteFile(name, Blocks(15));
        FreshProgram();
        play::ToSetup();
        SetupScreen& options = SetupScreen::Get();
        UserClick(options.scheduleChoice[0]);  // no Zapsters: the scores below are plain sums
        for (int slot = 0; slot < 15; ++slot) {
            options.categorySlots[slot].SelectFile(name);
        }
        UserClick(options.roundsChoice[0]);  // one round: the greyed slots are read all the same

        const QByteArray path = QFile::encodeName(name);
        QVERIFY(QFile::remove(name));
        if (turn == Turn::Bytes || turn == Turn::Grown) {
            WriteFile(name, bytes);
        }
        QVERIFY(turn != Turn::Grown || ::truncate(path.constData(), 200'000'000) == 0);
        QVERIFY(turn != Turn::Directory || QDir().mkdir(name));
        QVERIFY(turn != Turn::Fifo || ::mkfifo(path.constData(), 0600) == 0);
        QVERIFY(turn != Turn::Symlink || ::symlink(bytes.constData(), path.constData()) == 0);
        // Before "Done" the setup says which slots of round 1 the file cannot fill, and why.
        UserClick(options.roundsChoice[0]);  // a pipe must not hold the setup up either
        for (int slot = 0; slot < 5; ++slot) {
            const QString said = options.categorySlots[slot].toolTip();
            QCOMPARE(said.isEmpty(), slot < titles.size());
            QVERIFY2(slot != titles.size() ||
                         (said.contains(why) && options.filesReport.Caption().contains(said)),
                     qPrintable(said));
        }
        QCOMPARE(options.filesReport.Caption().startsWith(QStringLiteral("Every chosen file")),
                 titles.size() >= 5);
        UserClick(options.doneButton);  // a pipe must not hold "Done" up: the test would hang

        QStringList builtIn(15);  // the bank's titles, slot by slot, round by round
        for (const ::BankTitle& t : kBankTitles) {
            builtIn[(t.round - 1) * 5 + t.column - 1] = QString::fromUtf8(t.title);
        }
        const QStringList expected = titles + builtIn.mid(titles.size());
        for (int slot = 0; slot < 15; ++slot) {
            QCOMPARE(flow::Running()->content().At(slot / 5 + 1, slot % 5).title, expected[slot]);
        }
        // The first questions of the round still play, whichever content they came from.
        for (int i = 0; i < 3; ++i) {
            play::PlayNext(i % 2 == 0);
        }
        QCOMPARE(BoardScreen::Get().teamScore[0].Caption(), QStringLiteral("100"));  // 25 and 75
        QCOMPARE(BoardScreen::Get().teamScore[1].Caption(), QStringLiteral("0"));
        QVERIFY(play::Shown<BoardScreen>() && !tk::ProgramEnded());
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
