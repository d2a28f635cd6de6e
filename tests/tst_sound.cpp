#include <QtTest>

#include "screens/question.h"
#include "screens/setup.h"
#include "sound/tonesource.h"
#include "support/game.h"
#include "support/harness.h"
#include "support/listening.h"
#include "toolkit/beep.h"
#include "toolkit/timer.h"

class TestSound : public QObject {
    Q_OBJECT

private slots:
    // One server for the whole test, there before the game first looks for a sound output: the
    // output stays open on the first it found.
    void initTestCase() {
        QString error;
        server_ = std::make_unique<listening::SoundServer>();
        QVERIFY2(server_->Start(&error), qPrintable(error));
    }

    // Tones placed after `readFirst` frames start at their instant (ms from the first read) plus a
    // lead of 4800 frames, however the output reads; overlapping ones add up, clipped.
    void tonesAtTheirInstants_data() {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("readFirst");
        QTest::addColumn<QList<int>>("dueMs");
        QTest::addColumn<QList<qint64>>("onsets");
        const QList<int> spaced{0, 100, 600, 1600};
        const QList<qint64> atLead{4800, 9600, 33600, 81600};
        QTest::newRow("20 ms reads") << 960 << 960 << spaced << atLead;
        QTest::newRow("odd-sized reads") << 333 << 999 << spaced << atLead;
        QTest::newRow("late: next unread frame")
            << 960 << 9600 << QList<int>{0} << QList<qint64>{9600};
        QTest::newRow("before the stream began, overlapping")
            << 960 << 0 << QList<int>{-50, 0, 5, 50} << QList<qint64>{2400, 4800, 5040, 7200};
    }
    void tonesAtTheirInstants() {
        QFETCH(int, chunk);
        QFETCH(int, readFirst);
        QFETCH(QList<int>, dueMs);
        QFETCH(QList<qint64>, onsets);
        const std::int64_t kMs = 1'000'000, start = 1000 * kMs;  // the clock counts nanoseconds
        std::int64_t read = 0;
        sound::ToneSource source(QByteArray(960, '\x70'), 48000,
                                 [&] { return start + read * kMs / 48; });
        source.Restart(4800);
        QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QList<qint64> found;
        std::vector<qint16> buffer(chunk);
        qint16 previous = 0;
        const auto readUpTo = [&](std::int64_t end) {
            while (read < end) {
                source.read(reinterpret_cast<char*>(buffer.data()), chunk * qint64(sizeof(qint16)));
                for (qint16 sample : buffer) {
                    if (std::exchange(previous, sample) < sample) {
                        found << read;
                    }
                    ++read;
                }
            }
        };
        readUpTo(readFirst);
        for (int due : dueMs) {
            source.PlaceTone(start + due * kMs);
        }
        readUpTo(read + 96000);
        QCOMPARE(found, onsets);
    }

    // A moderator quick to the first square does not have the sound output opened by its question,
    // alongside its painting: the output is opened once the board has been painted and waits.
    void outputOpenedWhileTheBoardWaits() {
        FreshProgram(3);
        tk::clock::UseReal();
        QVERIFY(!tk::BeepOutputSettled());
        play::NewGame();
        QTRY_VERIFY_WITH_TIMEOUT(tk::BeepOutputSettled(), 30000);
        FreshProgram();
    }

    // The real game on the real clock sends a sound server every beep of a question, in time, at
    // the game's own length and at another. "In time" is what a listener can tell: the beeps'
    // onset to the millisecond is a figure of the benchmarks, measured on a quiet machine.
    void wholeQuestionHeard_data() {
        auto row = Columns<int, int>("seconds", "beeps");
        row("32 s", 32, 141);
        row("15 s", 15, 64);
    }
    void wholeQuestionHeard() {
        QFETCH(int, seconds);
        QFETCH(int, beeps);
        QString error;
        listening::SoundServer& server = *server_;
        FreshProgram(3);
        tk::clock::UseReal();
        tk::PrepareBeep();  // as the program does while the title screen shows
        QTRY_VERIFY_WITH_TIMEOUT(tk::BeepOutputSettled(), 30000);
        play::ToSetup();
        play::ChooseBar(seconds);
        UserClick(SetupScreen::Get().scheduleChoice[0]);  // no Zapsters, sound on
        UserClick(SetupScreen::Get().doneButton);
        QVERIFY2(server.StartRecording(&error), qPrintable(error));
        std::vector<double> due;
        tk::SetBeepListener([&] { due.push_back(double(tk::clock::Now())); });
        const std::int64_t opened = tk::clock::Now();
        play::ClickSquare(1, 0);
        std::int64_t timeUp = 0;
        QObject::connect(&QuestionScreen::Get(), &QuestionScreen::TimeRanOut,
                         [&] { timeUp = tk::clock::Now() - opened; });
        QTRY_VERIFY_WITH_TIMEOUT(timeUp > 0, 100000);
        QTest::qWait(1000);  // the last tone on its way through the output and the server
        // The beeps are over: the game lets its stream go within half a second.
        QCOMPARE(server.Streams(), 1);
        const auto heard = listening::Compare(listening::FindTones(server.StopRecording()), due);
        FreshProgram();
        qInfo(
            "%d s bar: time up after %lld ms; tones due %d, received %d; worst onset error %.1f ms",
            seconds, qint64(timeUp), heard.due, heard.received, heard.worstOnsetErrorMs);
        QCOMPARE(heard.due, beeps);
        QCOMPARE(heard.received, heard.due);
        QCOMPARE_LE(heard.worstOnsetErrorMs, 100.0);
        // A 60 ms tone, edges soft, maybe stretched by a busy server; cut or run together is not.
        QCOMPARE_GE(heard.shortestMs, 50.0);
        QCOMPARE_LE(heard.longestMs, 70.0);
    }

private:
    std::unique_ptr<listening::SoundServer> server_;
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
