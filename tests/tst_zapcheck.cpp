#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The files in the test's folder, hidden temporary ones included, with their bytes.
QByteArrayList Snapshot() {
    QByteArrayList entries;
    for (const QString& name : QDir().entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(name);
        entries << name.toUtf8() + ' ' + (file.open(QIODevice::ReadOnly) ? file.readAll() : "-");
    }
    return entries;
}

QByteArray Block(const QByteArray& title = "Title", const char* eol = "\n") {
    QByteArray block = title + eol;
    for (char r = '1'; r <= '6'; ++r) {
        block += QByteArray("Q: q") + r + eol + "A: a" + r + eol;
    }
    return block;
}

}  // namespace

class TestZapCheck : public QObject {
    Q_OBJECT

private slots:
    // Among `files` (name, bytes, ...): `lines` start output lines; `after`: the folder, if
    // changed; `desktop`: the desktop's language settings, none (English) unless given.
    void run_data() {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<QStringList>("desktop");
        const auto row = [](const char* tag, const QByteArrayList& f, const QStringList& a, int s,
                            const QStringList& l, const QByteArrayList& after = {},
                            const QStringList& desktop = {}) {
            QTest::newRow(tag) << f << a << s << l << after << desktop;
        };
        // One category file: `verdict` follows "cat.zap: "; a problem makes the status 1.
        const auto check = [&](const char* tag, const QByteArray& content, const QString& verdict,
                               QStringList l = {}) {
            l << ": " + verdict + "\n";
            row(tag, {"cat.zap", content}, {"cat.zap"}, verdict.contains("problem"),
                l.replaceInStrings(QRegularExpression("^"), "cat.zap"));
        };
        const QByteArray b = Block();
        check("7 blocks CRLF, no end", Block(" Spaced ", "\r\n").repeated(7).chopped(2), "sound",
              {": 91 lines, 7 complete blocks; fills round 1 columns 1-5, round 2 columns 1-2",
               ": line ends CRLF; encoding UTF-8 (plain ASCII)", ":79: block 7 (round 2, column 2)",
               ":53: block 5 (round 1, column 5): \" Spaced \""});
        check("mixed ends", Block("T", "\r") + Block("T", "\r\n") + b, "sound",
              {": line ends mixed (13 CRLF, 13 LF, 13 CR; first change at line 14)"});
        check("16 blocks", b.repeated(16), "sound, 1 warning", {":196: warning: lines 196-208"});
        // "Q1" passes as a tag; two letters or two digits are the start of the text.
        check("questions and answers",
              "T\nQ:   \nA:\ta1\nWhat?\n1984\nQ1 What?\nA: " + QByteArray(70000, 'x') +
                  "\n\nA\nQ: q5\nA: a5\nQ: q6\nA: a6\n\n \n",
              "2 problems, 6 warnings",
              {":2: warning: the question is empty", ":3: warning: tab around the answer is kept",
               ":4: warning: question line seems to have no tag; the game drops its first two "
               "characters \"Wh\"",
               ":5: warning: answer line seems to have no tag", ":7: warning: line is longer",
               ":8: problem: question line is", ":9: problem: answer line is shorter",
               ":14: warning: 2 blank lines after the last block ignored"});
        // One missing line shifts all later lines; only the first sign is reported.
        check("shifted", QByteArray(b).replace("Q: q2\n", "") + b + "A: x\n", "sound, 2 warnings",
              {":4: warning: question line is tagged \"A:\"", ":13: warning: answer line"});
        check("blank line between blocks", b + "\n" + b.repeated(2), "1 problem, 4 warnings",
              {":14: warning: the title is empty",
               ":40: problem: block 4 ends after 1 of its 13 lines; round 1, column 4 keeps"});
        check("1252 line in UTF-8", Block("Caf\xC3\xA9").replace("Q: q1", "Q: \xE9t\xE9"),
              "sound, 1 warning",
              {": line ends LF; encoding mixed (UTF-8; Windows-1252 on 1 line, first at line 2)",
               ":2: warning: line is not valid UTF-8"});
        check("BOM", "\xEF\xBB\xBF" + Block("\xC3\xA9"), "sound",
              {": line ends LF; encoding UTF-8, with byte-order mark",
               ":1: block 1 (round 1, column 1): \"é\""});
        for (const auto& [order, encoding] : {std::pair{"LE", QStringConverter::Utf16LE},
                                              std::pair{"BE", QStringConverter::Utf16BE}}) {
            const QByteArray withMark = QStringEncoder(encoding, QStringConverter::Flag::WriteBom)
                                            .encode(QString::fromUtf8(Block("\xC3\xA9", "\r\n")));
            const QString utf16 = QStringLiteral("UTF-16 ") + order;
            check(qPrintable(utf16), withMark, "sound",
                  {": line ends CRLF; encoding " + utf16 + ", with byte-order mark",
                   ":1: block 1 (round 1, column 1): \"é\""});
            check(qPrintable(utf16 + " without a mark"), withMark.sliced(2), "1 problem",
                  {": problem: looks like " + utf16 + " without a byte-order mark"});
        }
        // Long texts the game must draw much smaller; 300 letters of question still read well.
        const QByteArray words =
            QByteArray("Which famous psychologist studied memory? ").repeated(20);
        check("long title and question",
              Block(words.left(250))
                  .replace("Q: q1", "Q: " + words.left(600))
                  .replace("Q: q2", "Q: " + words.left(300)),
              "sound, 2 warnings",
              {":1: warning: the title is so long that the game draws it at",
               ":2: warning: the question is so long that the game draws it at 53 %"});
        // Not regular files; the tool's standard input is the pipe QProcess writes to.
        const QString unreadable = ": problem: cannot be read as a category file: ";
        row("folder, pipe, device", {}, {".", "/dev/stdin", "/dev/zero"}, 1,
            {"." + unreadable + "it is a folder\n", "/dev/stdin" + unreadable + "it is a pipe",
             "/dev/zero" + unreadable + "it is a device"});
        for (const QFileInfo& sample : QDir(ZAPSTER_EXAMPLES).entryInfoList({"*.zap"})) {
            row(qPrintable("sample " + sample.fileName()), {}, {sample.filePath()}, 0,
                {sample.filePath() + ": sound\n"});  // without a warning
        }
        // Each file is reported on its own; one bad (here empty) file makes the status 1.
        row("one bad file of four", {"good.zap", Block("Caf\xE9"), "bad.zap", "", "quiz.txt", b},
            {"good.zap", "bad.zap", "quiz.txt", "gone.zap"}, 1,
            {"good.zap: sound\n", "bad.zap: 1 problem\n", "bad.zap: problem: holds no",
             "bad.zap: 0 lines, 0 complete blocks; fills no category slot",
             "quiz.txt: sound, 1 warning\n", "quiz.txt: warning: the game lists only",
             "good.zap: line ends LF; encoding Windows-1252", "gone.zap" + unreadable + "No such"});
        row("no arguments", {}, {}, 2, {"zapcheck: no category file named"});
        row("unknown option", {}, {"--bogus", "a.zap"}, 2, {"zapcheck: unknown option '--bogus'"});
        row("--force alone", {}, {"--force", "a.zap"}, 2, {"zapcheck: --force goes only with"});
        row("--from-csv one file", {}, {"--from-csv", "in.csv"}, 2, {"zapcheck: --from-csv takes"});
        row("--help", {}, {"a.zap", "--help"}, 0, {"Usage: zapcheck FILE..."});
        // The tool speaks the desktop's language, or the one asked for; each language picks its
        // own plural form: French counts none as one.
        const QByteArrayList oneBlock = {"cat.zap", b + "\n"};
        row("German", oneBlock, {"--lang", "de", "cat.zap"}, 0,
            {"cat.zap: 14 Zeilen, 1 vollständiger Block; füllt Runde 1 Spalte 1\n",
             "cat.zap:14: warning: 1 Leerzeile nach dem letzten Block ignoriert\n",
             "cat.zap: in Ordnung, 1 Warnung\n"});
        row("French, none counted as one", {"cat.zap", "x\ny\n"}, {"--lang=fr_CA", "cat.zap"}, 1,
            {"cat.zap: 2 lignes, 0 bloc complet\u00a0; ne remplit aucune case de catégorie\n"});
        row("Dutch desktop", {}, {}, 2,
            {"zapcheck: geen categoriebestand opgegeven\n",
             "Typ 'zapcheck --help' voor meer informatie.\n"},
            {}, {"LANG=nl_BE.UTF-8"});

        // `head`, then rows of cells split by `sep`, each ended by `eol`; question 1 `raw` reads
        // `cell`.
        const QByteArray good = "T,q1,a1\n,q2,a2\nT,q3,a3\n,q4,a4\n,q5,a5\n,q6,a6\n";
        const QStringList convert{"--from-csv", "in.csv", "out.zap"};
        const auto sheet = [&](const char* tag, const QByteArray& head, char sep, const char* eol,
                               const QByteArray& raw, const QByteArray& cell) {
            const QByteArray csv =
                head + QByteArray(good).replace(',', sep).replace("\n", eol).replace("q1", raw);
            row(tag, {"in.csv", csv}, convert, 0, {"out.zap: written from in.csv"},
                {"in.csv " + csv, "out.zap " + Block("T").replace("q1", cell)});
        };
        sheet("semicolon, header, CRLF", "Topic;Questions;ANSWER:\r\n", ';', "\r\n",
              "\"with; semi\"", "with; semi");
        sheet("tab, BOM, padding", "\xEF\xBB\xBF", '\t', "\n", "\"  Café Zürich 😀 “curly”\t \"",
              "Café Zürich 😀 “curly”");
        sheet("doubled quotes", "", ',', "\r\n", "\"He said \"\"hi\"\", then, left\"",
              "He said \"hi\", then, left");
        sheet("CR row ends, blanks around, inner tab", "", ',', "\r", " \t old\tMac  ", "old\tMac");
        row("replacing", {"in.csv", good, "out.zap", "keep"}, convert + QStringList{"--force"}, 0,
            {"out.zap: written from in.csv"}, {"in.csv " + good, "out.zap " + Block("T")});

        // A refused sheet leaves the folder as it was: no output, no temporary file.
        const auto bad = [&](const char* tag, const char* from, const char* to, const char* msg) {
            row(tag, {"in.csv", QByteArray(good).replace(from, to)}, convert, 1,
                {msg, "out.zap: nothing written\n"});
        };
        bad("five rows", "\n,q6,a6", "", "in.csv:1: problem: the category that starts here has 5");
        bad("title changes", "T,q3", "U,q3", "in.csv:3: problem: title \"U\" differs from \"T\"");
        bad("no title", "T,q1", ",q1", "in.csv:1: problem: the first row of a category needs");
        bad("empty answer", "a4", "", "in.csv:4: problem: the answer is empty");
        bad("blank question", "q5", "\"  \"", "in.csv:5: problem: the question is empty");
        bad("line break", "q2", "\"two\nlines\"", "in.csv:2: problem: the question holds a line");
        bad("unclosed quote", ",q3", ",\"q3", "in.csv:3: problem: a quoted cell that starts");
        bad("four columns", "a6", "a6,x", "in.csv:6: problem: more than three columns");
        bad("not UTF-8", "q2", "caf\xE9", "in.csv:2: problem: not valid UTF-8");
        bad("header only", good, "Title,Question,Answer\n", "in.csv: problem: holds no question");
        row("missing", {}, convert, 1, {"in.csv: problem: cannot be read: No such file"});
        row("output exists", {"in.csv", good, "out.zap", "keep"}, convert, 1,
            {"out.zap: problem: already exists", "out.zap: nothing written\n"});
    }

    void run() {
        QFETCH(QByteArrayList, files);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, lines);
        QFETCH(QByteArrayList, after);
        QFETCH(QStringList, desktop);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        for (qsizetype i = 0; i < files.size(); i += 2) {
            QFile file(files[i]);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[i + 1]) >= 0);
        }
        const QByteArrayList before = Snapshot();
        QProcess zapcheck;
        zapcheck.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            environment.remove(QString::fromLatin1(name));
        }
        for (const QString& setting : desktop) {
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        }
        zapcheck.setProcessEnvironment(environment);
        zapcheck.start(QStringLiteral(ZAPCHECK_PROGRAM), args);
        QVERIFY(zapcheck.waitForFinished(30000) && zapcheck.exitStatus() == QProcess::NormalExit);
        QCOMPARE(zapcheck.exitCode(), status);
        const QString out = '\n' + QString::fromUtf8(zapcheck.readAll());
        for (const QString& line : lines) {
            QVERIFY2(out.contains('\n' + line), qPrintable(line + " missing from:" + out));
        }
        QCOMPARE(Snapshot(), after.isEmpty() ? before : after);
    }
};

QTEST_GUILESS_MAIN(TestZapCheck)
#include "tst_zapcheck.moc"
