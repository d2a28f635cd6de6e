#include "toolkit/linereader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using tk::LineReader;

static constexpr qsizetype kBuf = LineReader::kBufferBytes;
static constexpr qsizetype kMax = LineReader::kMaxLineBytes;
static const QByteArray kEmoji = "\xF0\x9F\x98\x80";  // U+1F600, four bytes

static void writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

static QByteArray as(qsizetype n) {
    return QByteArray(n, 'a');
}

class TestLineReader : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        writeFile("other.zap", "\xEF\xBB\xBFzz\rzz" + as(kBuf));
    }

    // `lines`: each raw line, then its end: [L] LF, [W] CRLF, [C] CR, [-] none; "!" if truncated.
    void readLines_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("bom");
        auto row = [](const char* tag, const QByteArray& content, const QByteArray& lines,
                      bool bom = false) { QTest::newRow(tag) << content << lines << bom; };
        row("LF", "one\ntwo\n", "one[L]two[L]");
        row("CRLF", "one\r\ntwo\r\n", "one[W]two[W]");
        row("CR", "one\rtwo\r", "one[C]two[C]");
        row("no final end", "one\ntwo", "one[L]two[-]");
        row("CR then CRLF", "a\r\r\nb", "a[C][W]b[-]");
        row("CR CR", "a\r\rb", "a[C][C]b[-]");
        row("empty file", "", "");
        row("lone LF", "\n", "[L]");
        row("NUL is a byte", QByteArray("a\0b", 3), QByteArray("a\0b[-]", 6));
        row("BOM dropped", "\xEF\xBB\xBFone\r\n", "one[W]", true);
        row("BOM only", "\xEF\xBB\xBF", "", true);
        row("BOM on line 2 kept", "x\n\xEF\xBB\xBFy", "x[L]\xEF\xBB\xBFy[-]");
        row("CRLF split by buffer", as(kBuf - 1) + "\r\nb", as(kBuf - 1) + "[W]b[-]");
        row("CR CR split by buffer", as(kBuf - 1) + "\r\rb", as(kBuf - 1) + "[C][C]b[-]");
        row("BOM, CRLF split by buffer", "\xEF\xBB\xBF" + as(kBuf - 4) + "\r\nb",
            as(kBuf - 4) + "[W]b[-]", true);
        row("1 MiB line", as(1 << 20) + "\r\nnext", as(kMax) + "[W!]next[-]");
        row("1 MiB without line end", as(1 << 20), as(kMax) + "[-!]");
        row("exactly the limit", as(kMax) + "\nnext", as(kMax) + "[L]next[-]");
        row("limit plus one", as(kMax + 1) + "\rnext", as(kMax) + "[C!]next[-]");
        row("cut splits 2-byte sequence", as(kMax - 1) + "\xC3\xA9\n", as(kMax - 1) + "[L!]");
        row("cut splits emoji", as(kMax - 3) + kEmoji + "\n", as(kMax - 3) + "[L!]");
        row("emoji just fits", as(kMax - 4) + kEmoji + "x\n", as(kMax - 4) + kEmoji + "[L!]");
        // A 1252 letter at the cut is a whole character and must be kept.
        row("1252 letter at the cut", as(kMax - 1) + "\xE9x\n", as(kMax - 1) + "\xE9[L!]");
    }

    void readLines() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, lines);
        QFETCH(bool, bom);
        writeFile("lines.zap", content);
        // The reader is reused: opening a file must forget the previous one's buffer and BOM.
        LineReader reader;
        QByteArray got, line;
        QVERIFY(reader.open("other.zap") && reader.readRawLine(line));
        QVERIFY(reader.open("lines.zap"));
        tk::LineEnd end;
        bool cut;
        while (reader.readRawLine(line, &end, &cut)) {
            got += line + '[' + "-CWL"[int(end)] + (cut ? "!]" : "]");
        }
        QCOMPARE(got, lines);
        QCOMPARE(reader.hadByteOrderMark(), bom);
    }

    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        auto row = [](const char* tag, const QByteArray& b, const QString& t) {
            QTest::newRow(tag) << b << t;
        };
        row("UTF-8 accent", "caf\xC3\xA9", "café");
        row("1252 accent", "caf\xE9", "café");
        row("UTF-8 emoji", kEmoji, "😀");
        row("BOM inside text kept", "\xEF\xBB\xBFy", QChar(0xFEFF) + QString("y"));
        row("1252 euro and punctuation", "\x80\x93it\x92s\x94\x96\x97\x9F", "€“it’s”–—Ÿ");
        row("1252 undefined bytes", "\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D");
        // One stray 1252 byte makes the whole line 1252, including bytes that looked like UTF-8.
        row("mixed line is 1252", "\xC3\xA9 \xE9", "Ã© é");
        row("overlong 2-byte", "\xC0\xAF", "À¯");
        row("overlong 3-byte", "\xE0\x80\xAF", "à€¯");
        row("overlong 4-byte", "\xF0\x8F\xBF\xBF", "ð\u008F¿¿");
        row("surrogate", "\xED\xA0\x80", "í\u00A0€");
        row("above U+10FFFF", "\xF4\x90\x80\x80", "ô\u0090€€");
        row("cut sequence", "caf\xC3", "cafÃ");
        row("highest code point", "\xF4\x8F\xBF\xBF", QString::fromUcs4(U"\U0010FFFF"));
    }

    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(tk::decodeLine(bytes), text);
    }

    void nonRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"dir", "fifo", "/dev/zero", "/dev/urandom", "dangling", "none"}) {
            QTest::newRow(kind) << QString(kind);
        }
    }

    void nonRegularFiles() {
        QFETCH(QString, kind);
        const QString name = QString(QTest::currentDataTag()).remove('/') + ".zap";
        if (kind == "dir") {
            QVERIFY(QDir().mkdir(name));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        } else if (kind != "none") {
            QVERIFY(QFile::link(kind == "dangling" ? "nowhere.zap" : kind, name));
        }
        writeFile("good.zap", "line\n");
        LineReader reader;
        QVERIFY(reader.open("good.zap"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!reader.open(name));
        QVERIFY(timer.elapsed() < 30000);  // a hang guard: opening a pipe must not wait for a writer
        QVERIFY(!reader.isOpen());  // the previous file was closed as well
    }
};

QTEST_GUILESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
