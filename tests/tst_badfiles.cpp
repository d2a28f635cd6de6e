// Odd and hostile things in the quiz folder. Each is chosen for all fifteen category slots while it
// is still a plain, complete category file, then turned into the odd thing before "Done", the
// worst moment: whatever it has become, "Done" returns at once, every category is taken whole
// from the file or kept whole from the built-in bank, and the game plays on.

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "game/bank.h"
#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmOptions.h"
#include "support/files.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/program.h"

using namespace Module1;

namespace {

enum class Turn {
    Bytes,      // rewritten with the row's bytes
    Grown,      // the row's bytes, then a hole up to 200 MB
    Directory,  // replaced by a directory
    Fifo,       // replaced by a named pipe with no writer
    Symlink,    // replaced by a symbolic link to the row's target
    Removed,    // deleted
};

// The title the built-in bank gives slot k (0-based, round by round), or the empty text.
QString BuiltInTitle(int slot) {
    for (const ::BankTitle& t : kBankTitles) {
        if ((t.round - 1) * 5 + (t.column - 1) == slot) {
            return QString::fromUtf8(t.title);
        }
    }
    return {};
}

QStringList Titles(int blocks) {
    QStringList out;
    for (int k = 0; k < blocks; ++k) {
        out << QStringLiteral("Title %1").arg(k);
    }
    return out;
}

}  // namespace

class TestBadFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int case_ = 0;

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void survivesEveryFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<QByteArray>("bytes");    // the new content, or a link's target
        QTest::addColumn<QStringList>("titles");  // the blocks the game must take, in order

        const QString x = QStringLiteral("x.zap");
        const QByteArray good = Blocks(15);
        QTest::newRow("empty file") << x << Turn::Bytes << QByteArray() << QStringList();
        QTest::newRow("one byte") << x << Turn::Bytes << QByteArray("Q") << QStringList();
        // Empty lines are lines: 100 CRs are seven whole blocks of empty texts.
        QTest::newRow("only CRs") << x << Turn::Bytes << QByteArray(100, '\r')
                                  << QStringList(7, QString());
        QTest::newRow("only LFs") << x << Turn::Bytes << QByteArray(30, '\n')
                                  << QStringList(2, QString());
        QTest::newRow("NUL bytes") << x << Turn::Bytes << QByteArray("\0T\0\r\n", 5).repeated(13)
                                   << QStringList{QString(QChar(0)) + u'T' + QChar(0)};
        QTest::newRow("invalid UTF-8")
            << x << Turn::Bytes << QByteArray("Caf\xe9 \xc3\x28\n") + good.sliced(8)
            << QStringList{QStringLiteral("Café Ã(")} + Titles(15).mid(1);
        QTest::newRow("1 MiB title")
            << x << Turn::Bytes << QByteArray(1 << 20, 'a') + good.sliced(7)
            << QStringList{QString(65536, u'a')} + Titles(15).mid(1);
        QTest::newRow("1 MiB of line ends")
            << x << Turn::Bytes << QByteArray(1 << 20, '\n').prepend('b')
            << QStringList{"b"} + QStringList(14, QString());
        QTest::newRow("200 MB after the blocks") << x << Turn::Grown << good << Titles(15);
        QTest::newRow("200 MB of nothing") << x << Turn::Grown << QByteArray() << QStringList();
        QTest::newRow("truncated mid-block")
            << x << Turn::Bytes << good.first(good.size() / 2) << Titles(7);
        QTest::newRow("directory") << x << Turn::Directory << QByteArray() << QStringList();
        QTest::newRow("FIFO") << x << Turn::Fifo << QByteArray() << QStringList();
        QTest::newRow("link to /dev/zero")
            << x << Turn::Symlink << QByteArray("/dev/zero") << QStringList();
        QTest::newRow("link to /dev/urandom")
            << x << Turn::Symlink << QByteArray("/dev/urandom") << QStringList();
        QTest::newRow("dangling link")
            << x << Turn::Symlink << QByteArray("nowhere/at/all.zap") << QStringList();
        QTest::newRow("removed") << x << Turn::Removed << QByteArray() << QStringList();
        QTest::newRow("spaces and accents")
            << QStringLiteral("Quiz de l'été 2026 – 第一.zap") << Turn::Bytes << good << Titles(15);
    }

    void survivesEveryFile() {
        QFETCH(QString, name);
        QFETCH(Turn, turn);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, titles);

        const QString folder = dir_.filePath(QString::number(++case_));
        QVERIFY(QDir().mkpath(folder) && QDir::setCurrent(folder));
        WriteFile(name, Blocks(15));
        FreshProgram();
        play::ToSetup();
        frmOptions& options = frmOptions::Get();
        UserClick(options.Option2[0]);  // no Zapsters: the scores below are plain sums
        for (int slot = 0; slot < 15; ++slot) {
            options.File1[slot].SelectFile(name);
            QCOMPARE(options.File1[slot].FileName(), name);
        }

        const QByteArray path = QFile::encodeName(name);
        switch (turn) {
            case Turn::Bytes:
                WriteFile(name, bytes);
                break;
            case Turn::Grown:
                WriteFile(name, bytes);
                QVERIFY(::truncate(path.constData(), 200'000'000) == 0);
                break;
            case Turn::Directory:
                QVERIFY(QFile::remove(name) && QDir().mkdir(name));
                break;
            case Turn::Fifo:
                QVERIFY(QFile::remove(name) && ::mkfifo(path.constData(), 0600) == 0);
                break;
            case Turn::Symlink:
                QVERIFY(QFile::remove(name) && ::symlink(bytes.constData(), path.constData()) == 0);
                break;
            case Turn::Removed:
                QVERIFY(QFile::remove(name));
                break;
        }

        QElapsedTimer clock;
        clock.start();
        UserClick(options.Command1);
        // A hang guard only: a pipe or a 200 MB line must not hold Done up for good. How quickly
        // the slots are read is the benchmarks' business.
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QVERIFY(play::BoardShown());

        for (int slot = 0; slot < 15; ++slot) {
            const QString expected = slot < titles.size() ? titles[slot] : BuiltInTitle(slot);
            QCOMPARE(CategoryName(slot % 5 + 1, slot / 5 + 1), expected);
        }
        // The first questions of the round still play, whichever content they came from.
        for (int i = 0; i < 3; ++i) {
            play::PlayNext(i % 2 == 0);
        }
        QCOMPARE(Form1::Get().Label8.Caption(), QStringLiteral("100"));  // 25 and 75
        QCOMPARE(Form1::Get().Label9.Caption(), QStringLiteral("0"));
        QVERIFY(play::BoardShown() && !tk::ProgramEnded());
    }
};

QTEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
