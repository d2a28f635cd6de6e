#include <QtTest>
#include <functional>

#include "layout/layout.h"
#include "screens/answer.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/beep.h"
#include "toolkit/look.h"

using Timeline = QStringList;  // "instant what", in the order things happened

namespace {

constexpr int kNoSchedule = 0, kEveryQuestion = 5;  // the setup's "None" and "Total!"
constexpr qint64 kUnset = -1;

QString ColourName(const QColor& colour) {
    const layout::QuestionLook& look = layout::kQuestionLook;
    return colour == tk::Rgb(look.green)    ? QStringLiteral("green")
           : colour == tk::Rgb(look.yellow) ? QStringLiteral("yellow")
           : colour == tk::Rgb(look.red)    ? QStringLiteral("red")
                                            : colour.name();
}

// Opens the first question of a new game with the chosen bar, noting everything its screen does
// on the manual clock, counted from the click on the square.
struct Question {
    Timeline timeline;
    std::int64_t opened = 0;

    Question(int seconds, int schedule, bool afterReading) {
        FreshProgram();
        play::ToSetup();
        play::ChooseBar(seconds, afterReading);
        UserClick(SetupScreen::Get().scheduleChoice[schedule]);
        UserClick(SetupScreen::Get().doneButton);
        opened = tk::clock::Now();
        tk::SetBeepListener([this] { Note(QStringLiteral("beep")); });
        play::ClickSquare(1, 0);
        QuestionScreen& screen = QuestionScreen::Get();
        const auto watch = [&](auto signal, const QString& what) {
            QObject::connect(&screen, signal, &screen, [this, what] { Note(what); });
        };
        watch(&QuestionScreen::TimeRanOut, QStringLiteral("time up"));
        watch(&QuestionScreen::BoardDue, QStringLiteral("board"));
        QObject::connect(&screen.barStepTimer, &tk::Timer::Tick, &screen, [this, &screen] {
            Note(QStringLiteral("step %1 %2")
                     .arg(screen.timeBar.Caption().size() / 2)
                     .arg(ColourName(screen.timeBar.BackColor())));
        });
        QObject::connect(&screen.zapsterClockTimer, &tk::Timer::Tick, &screen,
                         [this, &screen] { Note("clock " + screen.zapsterClock.Caption()); });
        QObject::connect(&screen.announcementEndTimer, &tk::Timer::Tick, &screen,
                         [this] { Note(QStringLiteral("announced")); });
    }
    std::int64_t Now() const { return tk::clock::Now() - opened; }
    void Note(const QString& what) { timeline << QStringLiteral("%1 %2").arg(Now()).arg(what); }
    const Timeline& RunTo(std::int64_t instant) {
        tk::clock::Advance(std::max<std::int64_t>(0, instant - Now()));
        return timeline;
    }
};

std::int64_t At(const QString& event) {
    return event.section(' ', 0, 0).toLongLong();
}

// The events after the first `from` happen `by` milliseconds later; those beyond `until` drop.
Timeline Shifted(const Timeline& timeline, qsizetype from, std::int64_t by, std::int64_t until) {
    Timeline shifted = timeline.first(from);
    for (const QString& event : timeline.sliced(from)) {
        if (At(event) + by <= until) {
            shifted << QStringLiteral("%1 %2").arg(At(event) + by).arg(event.section(' ', 1));
        }
    }
    return shifted;
}

}  // namespace

class TestTimeBar : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // At every length the bar has 32 steps, the last on the time-out; its colours change at the
    // same steps; the beeps quicken where the bar reaches the same steps and stop at the time-out.
    void eachLength_data() {
        auto row = Columns<int>("seconds");
        for (const int seconds : {15, 20, 32, 45, 60, 90}) {
            row(qPrintable(QStringLiteral("%1 s").arg(seconds)), seconds);
        }
    }
    void eachLength() {
        QFETCH(int, seconds);
        const std::int64_t length = seconds * 1000;
        Timeline expected;
        std::vector<std::int64_t> steps;
        for (int n = 1; n <= 32; ++n) {
            steps.push_back(n * length / 32);
        }
        std::int64_t beep = 500;
        for (std::int64_t t = 0; t <= length + 3000; ++t) {
            const int drawn = int(std::upper_bound(steps.begin(), steps.end(), t) - steps.begin());
            if (drawn > 0 && t == steps[std::size_t(drawn - 1)]) {
                expected << QStringLiteral("%1 step %2 %3")
                                .arg(t)
                                .arg(drawn)
                                .arg(drawn <= 10   ? "green"
                                     : drawn <= 20 ? "yellow"
                                                   : "red");
            }
            if (t == length) {
                expected << QStringLiteral("%1 time up").arg(t);
            } else if (t == beep && t < length) {
                expected << QStringLiteral("%1 beep").arg(t);
                beep += drawn <= 9 ? 1000 : drawn <= 20 ? 500 : 100;
            }
        }
        expected << QStringLiteral("%1 board").arg(length + 3000);
        QCOMPARE(Question(seconds, kNoSchedule, false).RunTo(length + 5000), expected);
    }

    // A start after reading, and a pause at any moment, put off what comes next and nothing else:
    // the question goes on as it would have, later by the wait. While paused the room's screen
    // says so and nothing ticks.
    void waitsPutOffWhatComesNext_data() {
        auto row = Columns<int, int, bool, qint64, qint64, qint64, bool>(
            "seconds", "schedule", "afterReading", "startAt", "pauseAt", "pauseFor", "inLastStep");
        row("started after reading", 32, kNoSchedule, true, 20000, kUnset, 0, false);
        row("a Zapster starts at once", 32, kEveryQuestion, true, kUnset, kUnset, 0, false);
        row("paused between beeps", 32, kNoSchedule, false, kUnset, 10250, 5000, false);
        row("paused on a 15 s bar", 15, kNoSchedule, false, kUnset, 7300, 2000, false);
        row("paused after reading", 20, kNoSchedule, true, 4000, 9000, 3000, false);
        row("paused in the announcement", 32, kEveryQuestion, false, kUnset, 1000, 7000, false);
        row("paused on the Zapster clock", 32, kEveryQuestion, false, kUnset, 8500, 4000, false);
        row("paused after Time Is Up!", 32, kNoSchedule, false, kUnset, 33000, 10000, false);
        row("paused on the last step", 15, kNoSchedule, false, kUnset, kUnset, 5000, true);
    }
    void waitsPutOffWhatComesNext() {
        QFETCH(int, seconds);
        QFETCH(int, schedule);
        QFETCH(bool, afterReading);
        QFETCH(qint64, startAt);
        QFETCH(qint64, pauseAt);
        QFETCH(qint64, pauseFor);
        QFETCH(bool, inLastStep);
        constexpr std::int64_t kUntil = 40000;
        const Timeline reference = Question(seconds, schedule, false).RunTo(kUntil);
        Question question(seconds, schedule, afterReading);
        QuestionScreen& screen = QuestionScreen::Get();
        const auto pause = [&] {
            QTest::keyClick(&screen, Qt::Key_P);
            QVERIFY(screen.Pace().paused && screen.pausedSign.isVisibleTo(&screen));
        };
        const std::int64_t wait = std::max<std::int64_t>(0, startAt);
        if (startAt != kUnset) {
            question.RunTo(startAt);
            QCOMPARE(tk::clock::RunningTimers(), 0);
            QVERIFY(screen.Pace().waiting && !screen.Pace().mayPause);
            QTest::keyClick(&screen, Qt::Key_Space);
        }
        qsizetype from = question.timeline.size();
        if (inLastStep) {
            QObject::connect(&screen.barStepTimer, &tk::Timer::Tick, &screen, [&] {
                if (screen.timeBar.Caption().size() == 64) {
                    pause();
                    from = question.timeline.size();  // the last step is noted by now
                }
            });
            question.RunTo(seconds * 1000);
        } else if (pauseAt != kUnset) {
            question.RunTo(wait + pauseAt);
            from = question.timeline.size();
            pause();
        }
        if (pauseFor > 0) {
            const qsizetype during = question.timeline.size();
            question.RunTo(question.Now() + pauseFor);
            QCOMPARE(question.timeline.size(), during);
            QTest::keyClick(&screen, Qt::Key_P);
            QVERIFY(!screen.pausedSign.isVisibleTo(&screen));
        }
        question.RunTo(kUntil + wait + pauseFor);
        Timeline expected =
            Shifted(reference, startAt == kUnset ? reference.size() : 0, wait, kUntil + wait);
        if (pauseFor > 0) {
            expected = Shifted(expected, from, pauseFor, kUntil + wait + pauseFor);
        }
        QCOMPARE(question.timeline, expected);
    }

    // "+10 s" makes the bar ten seconds longer: it is drawn as the part of the new length that has
    // passed and ends on the new time-out, however often and whenever it is pressed before that.
    void moreTime_data() {
        auto row =
            Columns<int, QList<int>, qint64, int>("seconds", "presses", "timeUpAt", "stepsAfter");
        row("near the end", 32, {31500}, 42000, 24);
        row("at the start", 32, {0}, 42000, 0);
        row("twice", 15, {5000, 6000}, 35000, 5);
        row("after Time Is Up!", 32, {33000}, 32000, 32);
    }
    void moreTime() {
        QFETCH(int, seconds);
        QFETCH(QList<int>, presses);
        QFETCH(qint64, timeUpAt);
        QFETCH(int, stepsAfter);
        Question question(seconds, kNoSchedule, false);
        QuestionScreen& screen = QuestionScreen::Get();
        for (const int at : presses) {
            question.RunTo(at);
            QTest::keyClick(&screen, Qt::Key_Plus);
        }
        QCOMPARE(screen.timeBar.Caption(), stepsAfter == 32
                                               ? QStringLiteral("Time Is Up!")
                                               : QStringLiteral("[]").repeated(stepsAfter));
        const qsizetype from = question.timeline.size();
        // The bar goes on from where it was drawn back to, its last step on the time-out, and the
        // board is back three seconds later.
        const Timeline after = question.RunTo(timeUpAt + 5000).sliced(from);
        QCOMPARE(after.filter(QStringLiteral(" step ")).size(), 32 - stepsAfter);
        QCOMPARE(after.filter(QRegularExpression(" step 32 | time up")).join(';'),
                 stepsAfter == 32 ? QString()
                                  : QStringLiteral("%1 step 32 red;%1 time up").arg(timeUpAt));
        QCOMPARE(after.last(), QStringLiteral("%1 board").arg(timeUpAt + 3000));
    }

    // With no time limit nothing counts down or beeps; the bar says why and still shows the answer.
    void noTimeLimit() {
        Question question(game::kNoTimeLimit, kNoSchedule, true);
        QuestionScreen& screen = QuestionScreen::Get();
        question.RunTo(600000);
        QVERIFY(question.timeline.isEmpty() && tk::clock::RunningTimers() == 0);
        QVERIFY(screen.timeBar.Caption().startsWith(QStringLiteral("No time limit")));
        QVERIFY(!screen.Pace().limited && !screen.Pace().mayAddTime && !screen.Pace().waiting);
        UserClick(screen.timeBar);
        QVERIFY(play::Shown<AnswerScreen>());
    }
};

QTEST_MAIN(TestTimeBar)
#include "tst_timebar.moc"
