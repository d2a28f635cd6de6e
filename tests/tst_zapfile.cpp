#include "game/zapfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

static void writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

static qsizetype openDescriptors() {
    return QDir("/proc/self/fd").entryList(QDir::Files).size();
}

class TestZapFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }

    void stripTag_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        auto row = [](const char* tag, const QString& l, const QString& t) {
            QTest::newRow(tag) << l << t;
        };
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
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lineCount");  // negative: no file at all
        QTest::addColumn<QByteArray>("eol");
        QTest::addColumn<bool>("ok");
        auto row = [](const char* tag, int i, int n, const char* eol, bool ok) {
            QTest::newRow(tag) << i << n << QByteArray(eol) << ok;
        };
        row("block 0, LF", 0, 195, "\n", true);
        row("block 7, CRLF", 7, 195, "\r\n", true);
        row("block 14, CR", 14, 195, "\r", true);
        row("block 14 one line short", 14, 194, "\n", false);
        row("past the last block", 15, 195, "\n", false);
        row("negative index", -1, 195, "\n", false);
        row("missing file", 0, -1, "\n", false);
    }

    void readBlock() {
        QFETCH(int, index);
        QFETCH(int, lineCount);
        QFETCH(QByteArray, eol);
        QFETCH(bool, ok);
        QFile::remove("cat.zap");
        if (lineCount >= 0) {
            // Line n says which line it is; the last line has no end, as many editors leave it.
            QByteArray content;
            for (int n = 1; n <= lineCount; ++n) {
                const QByteArray num = QByteArray::number(n);
                const int inBlock = (n - 1) % kLinesPerBlock;
                content += inBlock == 0 ? "  Title " + num + "  "
                                        : (inBlock % 2 ? "Q:  q" : "A: a") + num + " ";
                content += n < lineCount ? eol : "";
            }
            writeFile("cat.zap", content);
        }
        const qsizetype fdsBefore = openDescriptors();
        const std::optional<CategoryBlock> block = ReadCategoryBlock("cat.zap", index);
        QCOMPARE(openDescriptors(), fdsBefore);
        QCOMPARE(block.has_value(), ok);
        if (!ok) {
            return;
        }
        const int title = kLinesPerBlock * index + 1;  // block 7: title on line 92
        QCOMPARE(block->title, "  Title " + QString::number(title) + "  ");
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(block->questions[row], "q" + QString::number(title + 1 + 2 * row));
            QCOMPARE(block->answers[row], "a" + QString::number(title + 2 + 2 * row));
        }
    }

    // An old Windows editor's file: BOM, a 1252 title, then UTF-8 lines with non-ASCII tags.
    void blockEncodings() {
        QByteArray content =
            "\xEF\xBB\xBF  Caf\xE9 Quiz \r\n\xC3\xA9: Qu\xC3\xA9"
            "bec \r\n";
        content += "\xF0\x9F\x98\x80:x\r\n" + QByteArray("Q:\x93quoted\x94\r\n").repeated(10);
        writeFile("enc.zap", content);
        const std::optional<CategoryBlock> block = ReadCategoryBlock("enc.zap", 0);
        QVERIFY(block.has_value());
        QCOMPARE(block->title, QString("  Café Quiz "));
        QCOMPARE(block->questions[0], QString("Québec"));
        QCOMPARE(block->answers[0], QString("x"));
        QCOMPARE(block->answers[5], QString("“quoted”"));
    }
};

QTEST_GUILESS_MAIN(TestZapFile)
#include "tst_zapfile.moc"
