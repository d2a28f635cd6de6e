#include "game/zapfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <algorithm>

namespace {

struct Run {
    int status = -1;  // -1: crashed or hung
    QStringList lines;
};

Run Zapcheck(const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(ZAPCHECK_PROGRAM), args);
    Run run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.lines = QString::fromUtf8(process.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

bool HasLineStarting(const Run& run, const QString& start) {
    return std::any_of(run.lines.begin(), run.lines.end(),
                       [&](const QString& line) { return line.startsWith(start); });
}

// Everything in the test's folder, pipes and hidden temporary files included.
QStringList Entries() {
    return QDir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A well-formed block; `change` replaces one of its 13 lines (1-based) when non-zero.
QByteArray Block(const QByteArray& title = "Title", const char* eol = "\n", int change = 0,
                 const QByteArray& with = {}) {
    QList<QByteArray> lines{title};
    for (int r = 1; r <= 6; ++r) {
        lines << "Q: q" + QByteArray::number(r) << "A: a" + QByteArray::number(r);
    }
    if (change > 0) {
        lines[change - 1] = with;
    }
    return lines.join(eol) + eol;
}

// A CSV cell as a spreadsheet writes it: quoted when it must be (or always, with `quote`).
QString CsvCell(const QString& text, QChar separator, bool quote, bool pad) {
    const QString padded = pad ? "  " + text + "\t " : text;
    if (!quote && !padded.contains(separator) && !text.contains(u'"')) {
        return padded;
    }
    return u'"' + QString(padded).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

class TestZapCheck : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }
    void init() {
        for (const QString& name : Entries()) {
            QVERIFY(QFile::remove(name) || QDir().rmdir(name));
        }
    }

    // `content` "<dir>", "<fifo>", "<device>" and "<missing>" stand for what the name is instead.
    void check_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verdict");       // the last line, after "cat.zap: "; empty: none
        QTest::addColumn<QStringList>("expected");  // output lines start so, after "cat.zap"
        auto row = [](const char* tag, const QByteArray& c, int s, const char* v,
                      const QStringList& e) { QTest::newRow(tag) << c << s << QString(v) << e; };
        const QByteArray b = Block();
        row("5 blocks", b.repeated(5), 0, "sound",
            {": 65 lines, 5 complete blocks; fills round 1 columns 1-5",
             ": line ends LF; encoding UTF-8 (plain ASCII)",
             ":53: block 5 (round 1, column 5): \"Title\""});
        row("7 blocks CRLF, spaced title, no final end",
            Block(" Spaced ", "\r\n").repeated(7).chopped(2), 0, "sound",
            {": 91 lines, 7 complete blocks; fills round 1 columns 1-5, round 2 columns 1-2",
             ": line ends CRLF;", ":79: block 7 (round 2, column 2): \" Spaced \""});
        row("CR", Block("T", "\r"), 0, "sound", {": line ends CR;"});
        row("mixed ends", b + Block("T", "\r\n"), 0, "sound",
            {": line ends mixed (13 CRLF, 13 LF; first change at line 14)"});
        row("past 15 blocks", b.repeated(16), 0, "sound, 1 warning",
            {":196: warning: lines 196-208 lie past the fifteenth block"});
        row("incomplete block", b + "T\nQ: q\n", 1, "1 problem",
            {":14: problem: block 2 ends after 2 of its 13 lines; round 1, column 2 keeps"});
        row("one-character line", Block("T", "\n", 7, "A"), 1, "1 problem",
            {":7: problem: answer line is shorter than its two-character tag"});
        row("empty question line", Block("T", "\n", 4, ""), 1, "1 problem",
            {":4: problem: question"});
        row("empty after tag", Block("T", "\n", 2, "Q:   "), 0, "sound, 1 warning",
            {":2: warning: the question is empty once the tag is dropped"});
        row("tab", Block("T", "\n", 3, "A:\ta1"), 0, "sound, 1 warning",
            {":3: warning: tab around the answer is kept"});
        row("untagged", Block("T", "\n", 2, "What?") + Block("T", "\n", 3, "1984"), 0,
            "sound, 2 warnings",
            {":2: warning: question line seems to have no tag; the game drops its first two "
             "characters \"Wh\"",
             ":16: warning: answer line seems to have no tag; the game drops its first two "
             "characters \"19\""});
        row("letter and digit tag", Block("T", "\n", 2, "Q1 What?"), 0, "sound", {});
        // One missing line shifts all later lines; only the first sign is reported.
        row("shifted lines", QByteArray(b).replace("Q: q2\n", "") + b + "A: x\n", 0,
            "sound, 2 warnings",
            {":4: warning: question line is tagged \"A:\"; is a line missing or extra above?",
             ":13: warning: answer line seems to have no tag"});
        row("blank line between blocks", b + "\n" + b.repeated(2), 1, "1 problem, 4 warnings",
            {":14: warning: the title is empty", ":40: problem: block 4 ends after 1"});
        row("trailing blank lines", b + "\n \n", 0, "sound, 1 warning",
            {":14: warning: 2 blank lines after the last block ignored"});
        row("Windows-1252", Block("Caf\xE9"), 0, "sound",
            {": line ends LF; encoding Windows-1252"});
        row("1252 line in UTF-8", Block("Caf\xC3\xA9", "\n", 2, "Q: \xE9t\xE9"), 0,
            "sound, 1 warning",
            {": line ends LF; encoding mixed (UTF-8; Windows-1252 on 1 line, first at line 2)",
             ":2: warning: line is not valid UTF-8"});
        row("BOM", "\xEF\xBB\xBF" + Block("\xC3\xA9"), 0, "sound",
            {": line ends LF; encoding UTF-8, with byte-order mark",
             ":1: block 1 (round 1, "
             "column 1): \"é\""});
        row("64 KiB line", Block("T", "\n", 2, "Q: " + QByteArray(70000, 'x')), 0,
            "sound, 1 warning", {":2: warning: line is longer than 65536 bytes"});
        row("empty file", "", 1, "1 problem",
            {": 0 lines, 0 complete blocks; fills no category slot",
             ": problem: holds no complete block"});
        row("folder", "<dir>", 1, "",
            {": problem: cannot be read as a category file: it is a folder"});
        row("FIFO", "<fifo>", 1, "",
            {": problem: cannot be read as a category file: it is a pipe"});
        row("device", "<device>", 1, "", {": problem: cannot be read as a category file: it is a"});
        row("missing", "<missing>", 1, "",
            {": problem: cannot be read as a category file: No such"});
    }

    void check() {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, verdict);
        QFETCH(QStringList, expected);
        const QString name = QStringLiteral("cat.zap");
        if (content == "<dir>") {
            QVERIFY(QDir().mkdir(name));
        } else if (content == "<fifo>") {
            QCOMPARE(::mkfifo("cat.zap", 0600), 0);
        } else if (content == "<device>") {
            QVERIFY(QFile::link("/dev/zero", name));
        } else if (content != "<missing>") {
            WriteFile(name, content);
        }
        const Run run = Zapcheck({name});
        QCOMPARE(run.status, status);
        for (const QString& start : expected) {
            QVERIFY2(HasLineStarting(run, name + start), qPrintable(run.lines.join(u'\n')));
        }
        if (!verdict.isEmpty()) {
            QCOMPARE(run.lines.last(), name + ": " + verdict);
        }
    }

    // Each file is reported on its own; one bad file makes the status 1.
    void severalFiles() {
        WriteFile("good.zap", Block());
        WriteFile("bad.zap", Block().chopped(6));
        WriteFile("quiz.txt", Block());
        const Run run = Zapcheck({"good.zap", "bad.zap", "quiz.txt", "gone.zap"});
        QCOMPARE(run.status, 1);
        for (const char* start : {"good.zap: sound", "bad.zap: 1 problem",
                                  "quiz.txt: sound, 1 "
                                  "warning",
                                  "quiz.txt: warning: the game lists only files named *.zap",
                                  "gone.zap: problem: cannot be read"}) {
            QVERIFY2(HasLineStarting(run, start), start);
        }
        QCOMPARE(Zapcheck({"good.zap", "quiz.txt"}).status, 0);
    }

    void examples_data() {
        QTest::addColumn<QString>("path");
        const QDir examples(QStringLiteral(ZAPSTER_EXAMPLES));
        const QStringList names = examples.entryList({"*.zap"}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QTest::newRow(qPrintable(name)) << examples.filePath(name);
        }
    }

    void examples() {
        QFETCH(QString, path);
        const Run run = Zapcheck({path});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.last(), path + ": sound");  // no warnings either
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("no arguments") << QStringList{} << 2;
        QTest::newRow("unknown option") << QStringList{"--bogus", "a.zap"} << 2;
        QTest::newRow("--force alone") << QStringList{"--force", "a.zap"} << 2;
        QTest::newRow("--from-csv one file") << QStringList{"--from-csv", "in.csv"} << 2;
        QTest::newRow("--help") << QStringList{"a.zap", "--help"} << 0;
    }

    void usage() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run run = Zapcheck(args);
        QCOMPARE(run.status, status);
        QCOMPARE(HasLineStarting(run, "Usage: zapcheck FILE..."), status == 0);
    }

    // `options`: "bom", "quote" (every cell quoted), "repeat" (title on all six rows), "pad".
    void fromCsv_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("eol");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("categories");
        auto row = [](const char* tag, const char* s, const char* e, const char* h, const char* p,
                      const char* o, int c) {
            QTest::newRow(tag) << QString(s) << QString(e) << QString(h) << QString(p) << QString(o)
                               << c;
        };
        row("comma, inner tab", ",", "\n", "", "plain\ttext", "", 1);
        row("semicolon, header, CRLF", ";", "\r\n", "Category;Question;Answer", "with, commas",
            "repeat", 2);
        row("tab, BOM, non-ASCII", "\t", "\n",
            "Title\tQuestions\tANSWER:", "Café Zürich 😀 “curly”; semi", "bom pad", 1);
        row("quotes doubled", ",", "\r\n", "", "He said \"hi\", then; left", "quote repeat pad", 3);
        row("CR row ends", ",", "\r", "", "old Mac", "", 1);
        row("16 categories", ",", "\n", "", "x", "", 16);
    }

    void fromCsv() {
        QFETCH(QString, separator);
        QFETCH(QString, eol);
        QFETCH(QString, header);
        QFETCH(QString, payload);
        QFETCH(QString, options);
        QFETCH(int, categories);
        const QChar sep = separator[0];
        QString csv = header.isEmpty() ? QString() : header + eol;
        QList<CategoryBlock> expected;
        for (int c = 0; c < categories; ++c) {
            CategoryBlock block;
            block.title = QStringLiteral("Cat %1 %2").arg(c).arg(payload);
            for (int r = 0; r < 6; ++r) {
                block.questions[r] = QStringLiteral("q%1.%2 %3").arg(c).arg(r).arg(payload);
                block.answers[r] = QStringLiteral("a%1.%2 %3").arg(c).arg(r).arg(payload);
                const bool title = r == 0 || options.contains("repeat");
                QStringList cells{title ? block.title : QString(), block.questions[r],
                                  block.answers[r]};
                for (QString& cell : cells) {
                    cell = CsvCell(cell, sep, options.contains("quote"), options.contains("pad"));
                }
                csv += cells.join(sep) + eol;
            }
            expected << block;
        }
        WriteFile("in.csv", (options.contains("bom") ? "\xEF\xBB\xBF" : "") + csv.toUtf8());
        QCOMPARE(Zapcheck({"--from-csv", "in.csv", "out.zap"}).status, 0);

        QFile out("out.zap");
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray bytes = out.readAll();
        QVERIFY(!bytes.contains('\r') && !bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith('\n'));
        const Run check = Zapcheck({"out.zap"});
        QCOMPARE(check.status, 0);
        QCOMPARE(check.lines.last(),
                 QString(categories > 15 ? "out.zap: sound, 1 warning" : "out.zap: sound"));
        for (int c = 0; c < categories; ++c) {
            const std::optional<CategoryBlock> block = ReadCategoryBlock("out.zap", c);
            QVERIFY(block.has_value());
            QCOMPARE(block->title, expected[c].title);
            QCOMPARE(block->questions, expected[c].questions);
            QCOMPARE(block->answers, expected[c].answers);
        }
        QVERIFY(!ReadCategoryBlock("out.zap", categories).has_value());
    }

    void badCsv_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message");
        auto row = [](const char* tag, const QByteArray& c, const char* m) {
            QTest::newRow(tag) << c << QString(m);
        };
        const QByteArray good = "T,q1,a1\n,q2,a2\nT,q3,a3\n,q4,a4\n,q5,a5\n,q6,a6\n";
        const auto with = [&](const char* from, const char* to) {
            return QByteArray(good).replace(from, to);
        };
        row("five rows", with("\n,q6,a6", ""),
            "in.csv:1: problem: the category that starts here has 5");
        row("title changes", with("T,q3", "U,q3"),
            "in.csv:3: problem: title \"U\" differs from \"T\"");
        row("no title", with("T,q1", ",q1"),
            "in.csv:1: problem: the first row of a category needs");
        row("empty answer", with("a4", ""), "in.csv:4: problem: the answer is empty");
        row("blank question", with("q5", "\"  \""), "in.csv:5: problem: the question is empty");
        row("line break", with("q2", "\"two\nlines\""),
            "in.csv:2: problem: the question holds a "
            "line break");
        row("unclosed quote", with(",q3", ",\"q3"), "in.csv:3: problem: a quoted cell that starts");
        row("four columns", with("a6", "a6,x"), "in.csv:6: problem: more than three columns");
        row("not UTF-8", with("q2", "caf\xE9"), "in.csv:2: problem: not valid UTF-8");
        row("header only", "Title,Question,Answer\n", "in.csv: problem: holds no question rows");
        row("missing", "<missing>", "in.csv: problem: cannot be read: No such file");
    }

    // A refused sheet leaves the folder as it was: no output, no temporary file.
    void badCsv() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        if (csv != "<missing>") {
            WriteFile("in.csv", csv);
        }
        const QStringList before = Entries();
        const Run run = Zapcheck({"--from-csv", "in.csv", "out.zap"});
        QCOMPARE(run.status, 1);
        QVERIFY2(HasLineStarting(run, message), qPrintable(run.lines.join(u'\n')));
        QCOMPARE(Entries(), before);
    }

    void overwrite() {
        WriteFile("in.csv", QByteArray("T,q,a\n").repeated(6));
        WriteFile("out.zap", "keep");
        QCOMPARE(Zapcheck({"--from-csv", "in.csv", "out.zap"}).status, 1);
        QFile out("out.zap");
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("keep"));
        out.close();
        QCOMPARE(Zapcheck({"--force", "--from-csv", "in.csv", "out.zap"}).status, 0);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), "T\n" + QByteArray("Q: q\nA: a\n").repeated(6));
        QCOMPARE(Entries(), QStringList({"in.csv", "out.zap"}));  // no temporary file left
    }
};

QTEST_GUILESS_MAIN(TestZapCheck)
#include "tst_zapcheck.moc"
