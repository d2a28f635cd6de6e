#include <QtTest>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmQuestion.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/beep.h"
#include "toolkit/timer.h"

using namespace Module1;

namespace {

constexpr int kNone = 0, kTotal = 5, kOneRound = 0, kThreeRounds = 2;
const QColor kGreen(0, 0x80, 0), kYellow(0xFF, 0xFF, 0), kRed(0xFF, 0, 0), kBlue(0, 0, 0xC0);

std::int64_t opened = 0;  // the instant the open question was loaded

void Open(int column, int index) {
    play::ClickSquare(column, index);
    opened = tk::clock::Now();
}

// Moves the clock to `ms` after the question opened.
void At(std::int64_t ms) {
    const std::int64_t now = tk::clock::Now() - opened;
    QVERIFY2(ms >= now, "the clock only moves forward");
    tk::clock::Advance(ms - now);
}

frmQuestion& Q() {
    return frmQuestion::Get();
}
Form1& Board() {
    return Form1::Get();
}

void SetTurn(int team) {
    Board().Label8.setEnabled(team == 1);
    Board().Label9.setEnabled(team == 2);
}

}  // namespace

class TestTimers : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // The bar is coloured by its length before it grows, so it turns yellow with its 11th step
    // and red with its 21st.
    void timeBar_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("length");
        QTest::addColumn<QColor>("color");
        QTest::newRow("0.999 s") << 999 << 0 << kGreen;
        QTest::newRow("1 s") << 1000 << 2 << kGreen;
        QTest::newRow("10 s") << 10000 << 20 << kGreen;
        QTest::newRow("11 s") << 11000 << 22 << kYellow;
        QTest::newRow("20 s") << 20000 << 40 << kYellow;
        QTest::newRow("21 s") << 21000 << 42 << kRed;
        QTest::newRow("31 s") << 31000 << 62 << kRed;
    }
    void timeBar() {
        QFETCH(int, ms);
        QFETCH(int, length);
        QFETCH(QColor, color);
        play::NewGame(kThreeRounds, kNone);
        Open(2, 3);
        At(ms);
        QCOMPARE(Q().Label2.Caption(), QStringLiteral("[]").repeated(length / 2));
        QCOMPARE(Q().Label2.BackColor(), color);
        QVERIFY(Q().Label2.isEnabled());
    }

    void normalTimeOutPassesTheTurnOnce_data() {
        QTest::addColumn<int>("team");
        QTest::newRow("team 1 on turn") << 1;
        QTest::newRow("team 2 on turn") << 2;
    }
    void normalTimeOutPassesTheTurnOnce() {
        QFETCH(int, team);
        play::NewGame(kThreeRounds, kNone);
        SetTurn(team);
        Open(1, 4);
        At(31999);
        QVERIFY(Q().Label2.Caption() != QStringLiteral("Time Is Up!"));
        At(32000);
        QCOMPARE(Q().Label2.Caption(), QStringLiteral("Time Is Up!"));
        QCOMPARE(Q().Label2.Alignment(), tk::Align::Center);
        QVERIFY(!Q().Label2.isEnabled());
        At(34999);
        QVERIFY(play::QuestionShown());
        At(35000);
        QVERIFY(!frmQuestion::Loaded() && play::BoardShown() && !play::AnswerShown());
        QCOMPARE(play::TeamOnTurn(), 3 - team);
        QCOMPARE(Board().Label8.isEnabled() + Board().Label9.isEnabled(), 1);
        QCOMPARE(Team1Score + Team2Score, 0);
        At(80000);
        QCOMPARE(tk::clock::RunningTimers(), 0);
    }

    // With sound on, the beeps come at 0.5 s, then each second while the bar has at most 9 steps,
    // then twice a second, and ten times a second once it has more than 20, until the time-out.
    void beepSchedule_data() {
        QTest::addColumn<bool>("sound");
        QTest::newRow("sound on") << true;
        QTest::newRow("sound off") << false;
    }
    void beepSchedule() {
        QFETCH(bool, sound);
        play::NewGame(kThreeRounds, kNone);
        SoundOn = sound;
        std::vector<std::int64_t> beeps;
        tk::SetBeepListener([&] { beeps.push_back(tk::clock::Now() - opened); });
        Open(3, 0);
        At(40000);
        std::vector<std::int64_t> expected;
        for (std::int64_t t = 500; sound && t < 32000;) {
            expected.push_back(t);
            t += t <= 9500 ? 1000 : t < 21000 ? 500 : 100;
        }
        QCOMPARE(beeps, expected);
        if (sound) {
            QCOMPARE(beeps.size(), std::size_t{141});
        }
    }

    void zapsterTimeline() {
        play::NewGame(kThreeRounds, kNone);
        SetTurn(2);
        ZapsterCalled = true;
        std::vector<std::int64_t> beeps;
        tk::SetBeepListener([&] { beeps.push_back(tk::clock::Now()); });
        Open(4, 5);  // 150 points
        QCOMPARE(Q().BackColor(), kBlue);
        At(249);
        QVERIFY(Q().Label2.Caption().isEmpty());
        At(250);
        QCOMPARE(Q().Label2.Caption(), QStringLiteral("Zapster!  "));
        QCOMPARE(Q().Label2.Alignment(), tk::Align::Right);
        QCOMPARE(Q().Label2.ForeColor(), kBlue);
        QCOMPARE(Q().BackColor(), kRed);
        At(500);
        QCOMPARE(Q().BackColor(), kBlue);
        At(750);
        QCOMPARE(Q().BackColor(), kRed);
        // Every blink re-starts the running announcement timer, which keeps its own schedule.
        At(5249);
        QVERIFY(!Q().Label3.isVisibleTo(&Q()));
        QCOMPARE(Q().BackColor(), kBlue);
        At(5250);
        QCOMPARE(Q().BackColor(), kRed);
        QVERIFY(Q().Label3.isVisibleTo(&Q()) && Q().Label3.isEnabled());
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("0"));
        QVERIFY(!Q().Label1.isVisibleTo(&Q()));
        At(5750);
        QVERIFY(Q().Label1.isVisibleTo(&Q()));
        QCOMPARE(Q().Label1.ForeColor(), QColor(Qt::white));
        At(8250);
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("3"));
        QVERIFY(!Q().Label2.isEnabled());
        At(8600);
        UserClick(Q().Label3);
        UserClick(Q().Label3);  // the clock turns once
        At(9599);
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("3"));
        At(9600);
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("2"));
        QVERIFY(Q().Label2.isEnabled());
        At(11599);
        QCOMPARE(Team2Score, Integer{0});
        At(11600);
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("0"));
        QCOMPARE(Q().Label2.Caption(), QStringLiteral("Time Is Up!"));
        QCOMPARE(Team2Score, Integer{300});
        QCOMPARE(Board().Label9.Caption(), QStringLiteral("300"));
        QCOMPARE(Team1Score, Integer{0});
        QCOMPARE(Board().Label8.Caption(), QStringLiteral("0"));
        QVERIFY(!ZapsterCalled);
        UserClick(Q().Label2);  // reads "Time Is Up!": ignored
        QVERIFY(play::QuestionShown());
        At(14600);
        QVERIFY(play::BoardShown() && !frmQuestion::Loaded());
        QCOMPARE(play::TeamOnTurn(), 1);
        QVERIFY(beeps.empty());
        QCOMPARE(tk::clock::RunningTimers(), 0);
    }

    void clockTurnedBeforeItsFirstStepCountsBelowZero() {
        play::NewGame(kThreeRounds, kTotal);
        Open(1, 0);
        At(5500);
        UserClick(Q().Label3);
        At(9500);
        QCOMPARE(Q().Label3.Caption(), QStringLiteral("-4"));
        QCOMPARE(ClockSeconds, Integer{-4});
        At(60000);
        QVERIFY(play::QuestionShown());
        play::Reveal();
        QVERIFY(play::AnswerShown());
    }

    void clockStopsAtTheSixteenBitLimits_data() {
        QTest::addColumn<bool>("down");
        QTest::newRow("up") << false;
        QTest::newRow("down") << true;
    }
    void clockStopsAtTheSixteenBitLimits() {
        QFETCH(bool, down);
        play::NewGame(kThreeRounds, kTotal);
        Open(1, 0);
        At(5500);
        if (down) {
            UserClick(Q().Label3);
        }
        ClockSeconds = down ? INT16_MIN + 1 : INT16_MAX - 1;
        At(8500);
        QCOMPARE(ClockSeconds, down ? Integer{INT16_MIN} : Integer{INT16_MAX});
        QCOMPARE(Q().Label3.Caption(), QString::number(ClockSeconds));
    }

    // A reveal at any moment stops every timer: nothing ticks for the question again.
    void revealStopsEveryTimer_data() {
        QTest::addColumn<bool>("zapster");
        QTest::addColumn<int>("ms");
        QTest::newRow("normal, before any tick") << false << 0;
        QTest::newRow("normal, 0.5 s") << false << 500;
        QTest::newRow("normal, 31.9 s") << false << 31900;
        QTest::newRow("Zapster, before any tick") << true << 0;
        QTest::newRow("Zapster, announcing") << true << 3000;
        QTest::newRow("Zapster, clock at 0") << true << 5500;
    }
    void revealStopsEveryTimer() {
        QFETCH(bool, zapster);
        QFETCH(int, ms);
        play::NewGame(kThreeRounds, zapster ? kTotal : kNone);
        Open(2, 2);
        At(ms);
        play::Reveal();
        QCOMPARE(tk::clock::RunningTimers(), 0);
        QVERIFY(Q().Label2.Caption().isEmpty());
        const QColor back = Q().BackColor();
        At(ms + 60000);
        QVERIFY(play::AnswerShown());
        QCOMPARE(Q().BackColor(), back);
        play::Judge(false);
        QVERIFY(play::BoardShown());
    }

    void timeOutEndsARoundAndTheGame_data() {
        QTest::addColumn<int>("roundsOption");
        QTest::addColumn<bool>("zapster");
        QTest::newRow("round 1 of 3, normal") << kThreeRounds << false;
        QTest::newRow("round 1 of 3, Zapster") << kThreeRounds << true;
        QTest::newRow("last round, normal") << kOneRound << false;
        QTest::newRow("last round, Zapster") << kOneRound << true;
    }
    void timeOutEndsARoundAndTheGame() {
        QFETCH(int, roundsOption);
        QFETCH(bool, zapster);
        play::NewGame(roundsOption, kNone);
        for (int question = 0; question < 29; ++question) {
            play::PlayNext(true);
        }
        const int team = play::TeamOnTurn();
        ZapsterCalled = zapster;
        Open(5, 5);
        if (zapster) {
            At(6500);  // the clock has counted to 1
            UserClick(Q().Label3);
            At(7500);
        } else {
            At(32000);
        }
        QCOMPARE(RoundNumber, Integer{2});
        const bool last = roundsOption == kOneRound;
        QCOMPARE(Board().Label1.Caption(),
                 last ? QStringLiteral("Round: 1") : QStringLiteral("Round: 2"));
        tk::clock::Advance(3000);
        QVERIFY(play::BoardShown());
        QCOMPARE(play::TeamOnTurn(), 3 - team);
        QCOMPARE(play::GameOverShown(), last);
        QVERIFY(!Board().Command1[0].isEnabled() || !last);
    }

    void backToTheBoardEvenWithNoTeamOnTurn() {
        play::NewGame(kThreeRounds, kNone);
        SetTurn(0);
        Open(1, 0);
        At(35000);
        QVERIFY(play::BoardShown());
        QVERIFY(!frmQuestion::Loaded());
        QCOMPARE(play::TeamOnTurn(), 0);
    }

    // The waiting team calls a Zapster with its buttons; "2" and "3" are refused while a call is
    // pending, "1" is accepted and spent all the same.
    void zapsterButtons_data() {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<int>("button");  // 6..11
        QTest::addColumn<bool>("accepted");
        QTest::newRow("team 1 on turn, own 1") << 1 << false << 6 << false;
        QTest::newRow("team 1 on turn, own 3") << 1 << false << 8 << false;
        QTest::newRow("team 1 on turn, team 2's 1") << 1 << false << 9 << true;
        QTest::newRow("team 1 on turn, team 2's 2") << 1 << false << 10 << true;
        QTest::newRow("team 2 on turn, team 1's 3") << 2 << false << 8 << true;
        QTest::newRow("team 2 on turn, own 2") << 2 << false << 10 << false;
        QTest::newRow("pending, team 1's 2") << 2 << true << 7 << false;
        QTest::newRow("pending, team 1's 1") << 2 << true << 6 << true;
        QTest::newRow("pending, team 2's 3") << 1 << true << 11 << false;
        QTest::newRow("both enabled, team 2's 1") << 3 << false << 9 << false;
    }
    void zapsterButtons() {
        QFETCH(int, turn);
        QFETCH(bool, pending);
        QFETCH(int, button);
        QFETCH(bool, accepted);
        play::NewGame(kThreeRounds, kNone);
        Board().Label8.setEnabled(turn != 2);
        Board().Label9.setEnabled(turn != 1);
        ZapsterCalled = pending;
        tk::Button* buttons[] = {&Board().Command6, &Board().Command7,  &Board().Command8,
                                 &Board().Command9, &Board().Command10, &Board().Command11};
        tk::Button& b = *buttons[button - 6];
        const QString caption = b.Caption();
        UserClick(b);
        QCOMPARE(ZapsterCalled, pending || accepted);
        QCOMPARE(b.isEnabled(), !accepted);
        QCOMPARE(b.Caption(), accepted ? QString() : caption);
    }

    void calledZapsterPlaysAsOne() {
        play::NewGame(kThreeRounds, kNone);
        play::PlayNext(true);  // team 2 on turn now
        UserClick(Board().Command6);
        Open(2, 1);
        At(250);
        QCOMPARE(Q().Label2.Caption(), QStringLiteral("Zapster!  "));
        play::Reveal();
        play::Judge(true);  // "NO Zapster!": the calling team gains the points
        QCOMPARE(Team1Score, Integer{25 + 50});
        QVERIFY(!ZapsterCalled);
    }

    void logosSwitchTheSound() {
        play::NewGame(kThreeRounds, kNone);
        QVERIFY(Board().Image2.isVisibleTo(&Board()) && !Board().Image3.isVisibleTo(&Board()));
        UserClick(Board().Image2);
        QVERIFY(!SoundOn);
        QVERIFY(!Board().Image2.isVisibleTo(&Board()) && Board().Image3.isVisibleTo(&Board()));
        UserClick(Board().Image3);
        QVERIFY(SoundOn);
        QVERIFY(Board().Image2.isVisibleTo(&Board()) && !Board().Image3.isVisibleTo(&Board()));
    }
};

QTEST_MAIN(TestTimers)
#include "tst_timers.moc"
