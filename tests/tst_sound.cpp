#include <QtTest>
#include <cstring>

#include "game/module1.h"
#include "screens/frmQuestion.h"
#include "sound/tonesource.h"
#include "support/game.h"
#include "support/harness.h"
#include "support/listening.h"
#include "toolkit/beep.h"
#include "toolkit/timer.h"

namespace {

constexpr int kRate = 48000;
constexpr std::int64_t kMs = 1'000'000;  // nanoseconds
constexpr int kToneFrames = 48;          // 1 ms of tone, enough to find its onset
constexpr std::int64_t kLead = 4800;     // 100 ms
constexpr int kNoZapsters = 0, kThreeRounds = 2;

// Frames at which the tone starts in `frames` frames read from `source` in chunks of `chunk`.
std::vector<std::int64_t> Onsets(sound::ToneSource& source, std::int64_t frames, int chunk) {
    std::vector<std::int64_t> onsets;
    std::vector<qint16> buffer(chunk);
    bool inTone = false;
    for (std::int64_t at = 0; at < frames; at += chunk) {
        source.read(reinterpret_cast<char*>(buffer.data()), chunk * qint64(sizeof(qint16)));
        for (int i = 0; i < chunk; ++i) {
            if (buffer[i] != 0 && !inTone) {
                onsets.push_back(at + i);
            }
            inTone = buffer[i] != 0;
        }
    }
    return onsets;
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    // The tone source puts each tone at the frame of its instant, however the output reads it, with
    // a lead of 100 ms (4800 frames). Instants are in ms from the stream's first read; the tones
    // are placed once `readFirst` frames have been read (-1: before the first read), when the clock
    // has moved on by `clockMs`.
    void toneSourcePlacesTonesAtTheirInstants_data() {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("readFirst");
        QTest::addColumn<int>("clockMs");
        QTest::addColumn<QList<int>>("dueMs");
        QTest::addColumn<QList<int>>("onsets");
        const QList<int> spaced{0, 100, 600, 1600};
        const QList<int> atLead{4800, 9600, 33600, 81600};
        QTest::newRow("20 ms reads") << 960 << 960 << 0 << spaced << atLead;
        QTest::newRow("odd-sized reads") << 333 << 999 << 0 << spaced << atLead;
        QTest::newRow("asked for before the stream began, spacing kept")
            << 960 << -1 << 0 << QList<int>{-50, 50} << QList<int>{2400, 7200};
        QTest::newRow("late: at the next unread frame, not dropped")
            << 960 << 9600 << 0 << QList<int>{0} << QList<int>{9600};
    }
    void toneSourcePlacesTonesAtTheirInstants() {
        QFETCH(int, chunk);
        QFETCH(int, readFirst);
        QFETCH(int, clockMs);
        QFETCH(QList<int>, dueMs);
        QFETCH(QList<int>, onsets);
        const std::int64_t start = 1000 * kMs;
        std::int64_t now = start;
        sound::ToneSource source(QByteArray(kToneFrames * 2, '\x10'), kRate, [&] { return now; });
        source.Restart(kLead);
        QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        std::vector<std::int64_t> found;
        if (readFirst > 0) {
            found = Onsets(source, readFirst, chunk);
        }
        now += clockMs * kMs;
        for (int due : dueMs) {
            source.PlaceTone(start + due * kMs);
        }
        const std::int64_t before = source.ReadFrames();
        for (std::int64_t f : Onsets(source, 2 * kRate, chunk)) {
            found.push_back(before + f);
        }
        QCOMPARE(found, std::vector<std::int64_t>(onsets.begin(), onsets.end()));
    }

    // Overlapping tones add up, clipped to the sample range, instead of one cutting the other off.
    void overlappingTonesAddUp() {
        std::int64_t now = 0;
        sound::ToneSource source(QByteArray(kToneFrames * 2, '\x70'), kRate, [&] { return now; });
        source.Restart(0);
        QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        std::vector<qint16> out(kToneFrames * 2);
        source.PlaceTone(0);
        source.PlaceTone(kMs / 2);  // 24 frames later
        source.read(reinterpret_cast<char*>(out.data()), qint64(out.size() * sizeof(qint16)));
        QCOMPARE(out[0], qint16(0x7070));
        QCOMPARE(out[30], qint16(32767));
        QCOMPARE(out[60], qint16(0x7070));
        QCOMPARE(out[80], qint16(0));
    }

    // The real game, on the real clock, sends a private sound server every beep of a normal
    // question in time and whole: the recording of the server's output is what the room hears.
    void wholeQuestionHeard() {
        listening::SoundServer server;
        QString error;
        QVERIFY2(server.Start(&error), qPrintable(error));
        FreshProgram(3);
        tk::clock::UseReal();
        // As the program does while the title screen shows.
        tk::PrepareBeep();
        QTRY_VERIFY_WITH_TIMEOUT(tk::BeepOutputSettled(), 30000);
        play::NewGame(kThreeRounds, kNoZapsters);
        Module1::SoundOn = true;
        QVERIFY2(server.StartRecording(&error), qPrintable(error));
        std::vector<double> due;
        tk::SetBeepListener([&] { due.push_back(double(tk::clock::Now())); });
        play::ClickSquare(1, 0);
        bool timedOut = false;
        QObject::connect(&frmQuestion::Get().Timer2, &tk::Timer::Tick, [&] { timedOut = true; });
        QTRY_VERIFY_WITH_TIMEOUT(timedOut, 60000);
        QTest::qWait(1000);  // the last tone on its way through the output and the server
        tk::SetBeepListener({});
        const auto tones = listening::FindTones(server.StopRecording());
        const listening::Match heard = listening::Compare(tones, due);
        FreshProgram();
        qInfo("heard %d of %d tones, onsets within %.1f ms, tones %.1f to %.1f ms long",
              heard.received, heard.due, heard.worstOnsetErrorMs, heard.shortestMs,
              heard.longestMs);
        QCOMPARE(heard.due, 141);
        QCOMPARE(heard.received, heard.due);
        QVERIFY2(heard.worstOnsetErrorMs <= 15, qPrintable(QStringLiteral("tone %1 is %2 ms off")
                                                               .arg(heard.worstTone)
                                                               .arg(heard.worstOnsetErrorMs)));
        // The tone lasts 60 ms; its soft edges are partly below the threshold. A busy server may
        // stretch one by a few milliseconds; a cut tone is far shorter, two run together far
        // longer.
        QVERIFY2(
            heard.shortestMs >= 50 && heard.longestMs <= 70,
            qPrintable(QStringLiteral("%1 to %2 ms").arg(heard.shortestMs).arg(heard.longestMs)));
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
