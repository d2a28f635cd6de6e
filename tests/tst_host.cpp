// The host's window on a second display: where each window goes, what the host sees before the
// room, and a game played from it against the same game on the room's screens, on the offscreen
// platform's displays: a laptop (the primary one) and a projector beside it, mirroring it, or none.

#include <qpa/qplatformnativeinterface.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <random>

#include "game/save.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/host.h"
#include "screens/question.h"
#include "screens/record.h"
#include "screens/setup.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/displays.h"
#include "toolkit/program.h"
#include "toolkit/stage.h"
#include "toolkit/timer.h"

namespace {

// The displays of each kind of set-up, as the offscreen platform's configuration has them.
QByteArray Displays(const QByteArray& setUp) {
    const QByteArray laptop = R"({"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768})";
    const QByteArray projector =
        setUp == "mirrored"
            ? QByteArray(laptop).replace("laptop", "projector")
            : R"({"name": "projector", "x": 1366, "y": 0, "width": 1920, "height": 1080})";
    return R"({"screens": [)" + laptop + (setUp == "one" ? "" : "," + projector) + "]}";
}

// Plugs displays in and out: the offscreen platform takes a new configuration as it runs.
void Plug(const QByteArray& setUp) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    const auto configure =
        reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(
            native->nativeResourceForIntegration("setConfiguration"));
    QVERIFY(configure != nullptr);
    configure(QJsonDocument::fromJson(Displays(setUp)).object(), native);
}

HostScreen& Host() {
    return HostScreen::Get();
}

// Whether a click on the room's twin of a host's button would be taken now.
bool TimeBarTakesClick() {
    return play::Shown<QuestionScreen>() && Reachable(QuestionScreen::Get().timeBar) &&
           QuestionScreen::Get().timeBar.Caption() != QStringLiteral("Time Is Up!");
}
bool ClockTakesClick() {
    return play::Shown<QuestionScreen>() && Reachable(QuestionScreen::Get().zapsterClock) &&
           !QuestionScreen::Get().Pace().clockTurned;
}

namespace save = game::save;

// The game file as saved, but for the moment it was written.
QByteArray SavedGame() {
    save::Flush();
    QFile file(save::GameFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArrayList lines = file.readAll().split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("\"saved\""); });
    return lines.join('\n');
}

// One moderator's move, on either window: 0..29 a square, 30..35 a Zapster button, then the rest.
enum Move { kReveal = 36, kClock, kRight, kWrong, kTakeBack, kEndOrThanks, kWait, kMoves };

tk::Button& HostButton(int move) {
    HostScreen& host = Host();
    tk::Button* const others[] = {&host.revealButton, &host.clockButton,    &host.rightButton,
                                  &host.wrongButton,  &host.takeBackButton, &host.endGameButton};
    return move < 30   ? host.squares[move / 6][move % 6]
           : move < 36 ? host.zapsterButtons[(move - 30) / 3][(move - 30) % 3]
                       : *others[move - kReveal];
}

// Where the move is made: on the host's window, by its button or its key (`how` picks, and says
// how long a wait is), or on the room's screens.
void Make(int move, bool onHost, unsigned how) {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Space, Qt::Key_T, Qt::Key_G,
                                        Qt::Key_M,     Qt::Key_Z, Qt::Key_End};
    BoardScreen& board = BoardScreen::Get();
    const bool answerUp = play::Shown<AnswerScreen>();
    if (move == kWait) {
        tk::clock::Advance(1000 + how % 8000);
    } else if (onHost && move < 30 && how % 2 == 1) {  // the column's letter, the row's number
        QTest::keyClick(&Host(), Qt::Key(Qt::Key_A + move / 6));
        QTest::keyClick(&Host(), Qt::Key(Qt::Key_1 + move % 6));
    } else if (onHost && move >= kReveal) {
        QTest::keyClick(&Host(),
                        move == kReveal && how % 2 == 1 ? Qt::Key_PageDown : kKeys[move - kReveal],
                        move == kTakeBack ? Qt::ControlModifier : Qt::NoModifier);
    } else if (onHost || move < 30) {
        (onHost ? HostButton(move) : board.squares[move / 6][move % 6]).click();
    } else if (move < 36) {
        board.zapsterButtons[(move - 30) / 3][(move - 30) % 3].click();
    } else if (move == kReveal && TimeBarTakesClick()) {
        QuestionScreen::Get().timeBar.Press();
    } else if (move == kClock && ClockTakesClick()) {
        QuestionScreen::Get().zapsterClock.Press();
    } else if ((move == kRight || move == kWrong) && answerUp) {
        (move == kRight ? AnswerScreen::Get().rightButton : AnswerScreen::Get().wrongButton)
            .click();
    } else if (move == kTakeBack && (answerUp || play::Shown<BoardScreen>())) {
        QTest::keyClick(answerUp ? static_cast<tk::Window*>(&AnswerScreen::Get()) : &board,
                        Qt::Key_Z, Qt::ControlModifier);
    } else if (move == kEndOrThanks && play::Shown<GameOverScreen>()) {
        GameOverScreen::Get().thanksButton.click();
    } else if (move == kEndOrThanks && play::Shown<BoardScreen>()) {
        board.banner.Press();
    }
}

}  // namespace

class TestHost : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    // Two displays that show the same area are one picture; the room takes the display that is
    // not the primary one, the host the primary one, unless swapped or turned off.
    void planDisplays_data() {
        // `screens`: each display is a desktop of its own (X screens), else all share one.
        const auto row = Columns<QList<QRect>, int, bool, int, int, int, bool, QString>(
            "areas", "primary", "screens", "choice", "room", "host", "hostWindow", "mode");
        const QRect laptop(0, 0, 1366, 768), projector(1366, 0, 1920, 1080);
        row("one display", {laptop}, 0, false, 0, 0, 0, false,
            "No host window: there is one display");
        row("mirrored", {laptop, laptop}, 0, false, 0, 0, 0, false,
            "No host window: the displays show");
        row("two", {laptop, projector}, 0, false, 0, 1, 0, true,
            "Two displays: the room's screens on projector (1920x1080), the host window on laptop");
        row("two, swapped", {laptop, projector}, 0, false, 1, 0, 1, true,
            "Two displays: the room's screens on laptop (1366x768), the host window on projector");
        row("two, host window off", {laptop, projector}, 0, false, 2, 1, 0, false,
            "No host window: turned off for this game; the room's screens on projector");
        row("primary listed second", {projector, laptop}, 1, false, 0, 0, 1, true, "Two displays");
        row("a third mirroring the projector", {laptop, projector, projector}, 0, false, 0, 1, 0,
            true, "Two displays");
        row("mirrored, primary second", {projector, projector}, 1, false, 0, 1, 1, false,
            "No host window: the displays show");
        // Two X screens each count from their own corner: alike, yet two pictures.
        row("two X screens of one size", {laptop, laptop}, 0, true, 0, 1, 0, true, "Two displays");
    }
    void planDisplays() {
        QFETCH(QList<QRect>, areas);
        QFETCH(int, primary);
        QFETCH(bool, screens);
        QFETCH(int, choice);
        QFETCH(int, room);
        QFETCH(int, host);
        QFETCH(bool, hostWindow);
        QFETCH(QString, mode);
        std::vector<tk::Display> displays;
        for (int i = 0; i < areas.size(); ++i) {
            displays.push_back(
                {i == primary ? "laptop" : "projector", areas[i], i == primary, screens ? i : 0});
        }
        const tk::DisplayPlan plan = tk::PlanDisplays(displays, tk::HostChoice(choice));
        QCOMPARE(plan.room, room);
        QCOMPARE(plan.host, host);
        QCOMPARE(plan.hostWindow, hostWindow);
        QVERIFY2(plan.mode.startsWith(mode), qPrintable(plan.mode));
    }

    // The moderator's windows on the laptop, the room's on the projector, before and after setup.
    void windowsGoOnTheirDisplays() {
        play::ToSetup();
        QCOMPARE(SetupScreen::Get().screen()->name(), QStringLiteral("laptop"));
        QVERIFY(SetupScreen::Get().displaysMode.Caption().startsWith("Two displays: the room's"));
        UserClick(SetupScreen::Get().doneButton);
        QVERIFY(play::Shown<HostScreen>() && play::Shown<BoardScreen>());
        QCOMPARE(Host().screen()->name(), QStringLiteral("laptop"));
        QCOMPARE(tk::Stage::Get().screen()->name(), QStringLiteral("projector"));
        QVERIFY(QRect(1366, 0, 1920, 1080).contains(tk::Stage::Get().geometry().center()));
        QVERIFY(QRect(0, 0, 1366, 768).contains(Host().geometry().center()));
        UserClick(BoardScreen::Get().banner);
        QCOMPARE(GameOverScreen::Get().screen()->name(), QStringLiteral("projector"));
    }

    // The answer is the host's as soon as the question opens, and the room's only once revealed.
    void answerReachesTheRoomOnlyWhenShown() {
        play::NewGame();
        QTest::keyClick(&Host(), Qt::Key_C);  // Statistics, the third row
        QTest::keyClick(&Host(), Qt::Key_3);
        QVERIFY(play::Shown<QuestionScreen>());
        const QString answer = QStringLiteral("Only two");
        QCOMPARE(Host().answerText.Caption(), answer);
        QCOMPARE(Host().questionText.Caption(), QuestionScreen::Get().questionText.Caption());
        QVERIFY(Host().questionLine.Caption().startsWith(QStringLiteral("Statistics \u2013 75")));
        const auto roomShows = [&answer] {
            return std::ranges::any_of(
                tk::Stage::Get().findChildren<tk::Label*>(),
                [&](auto* label) { return label->isVisible() && label->Caption() == answer; });
        };
        tk::clock::Advance(5000);
        QVERIFY(!roomShows() && !play::Shown<AnswerScreen>());
        QCOMPARE(Host().timeLeft.Caption(), QStringLiteral("Time left: 27 s"));
        // Paused from the host's window, the room sees it, and ten more seconds reach its bar.
        QTest::keyClick(&Host(), Qt::Key_P);
        QTest::keyClick(&Host(), Qt::Key_Plus);
        tk::clock::Advance(60000);
        QVERIFY(QuestionScreen::Get().pausedSign.isVisible() && !roomShows());
        QCOMPARE(Host().timeLeft.Caption(), QStringLiteral("Paused \u2013 Time left: 37 s"));
        QCOMPARE(QuestionScreen::Get().timeBar.Caption(), QStringLiteral("[]").repeated(3));
        QTest::keyClick(&Host(), Qt::Key_P);
        QVERIFY(!QuestionScreen::Get().pausedSign.isVisible());
        QTest::keyClick(&Host(), Qt::Key_PageDown);
        QVERIFY(play::Shown<AnswerScreen>() && roomShows());
        QVERIFY(Reachable(Host().rightButton) && !Reachable(Host().revealButton));
    }

    // A seeded moderator plays on the host's window, now by a button, now by its key; the same
    // moves on the room's screens give the same game, saved alike, step by step. At every step
    // each host button is enabled exactly when its twin would take a click.
    void wholeGameFromTheHost_data() {
        const auto row = Columns<unsigned, int>("seed", "schedule");
        row("3, 6, 9", 1, 3);
        row("Total!", 2, 5);
        row("None", 3, 0);
    }
    void wholeGameFromTheHost() {
        QFETCH(unsigned, seed);
        QFETCH(int, schedule);
        QList<QByteArray> saved[2];
        for (const bool onHost : {true, false}) {
            FreshProgram(seed);
            play::NewGame(0, schedule);
            std::mt19937 dice(seed);
            for (int step = 0; step < 5000 && !tk::ProgramEnded(); ++step) {
                BoardScreen& board = BoardScreen::Get();
                for (int move = 0; onHost && move < 36; ++move) {
                    QCOMPARE(Reachable(HostButton(move)),
                             Reachable(move < 30 ? board.squares[move / 6][move % 6]
                                                 : board.zapsterButtons[move / 3 - 10][move % 3]));
                }
                if (onHost) {
                    QCOMPARE(Host().revealButton.isEnabled(), TimeBarTakesClick());
                    QCOMPARE(Host().clockButton.isEnabled(), ClockTakesClick());
                    QCOMPARE(Host().rightButton.isEnabled(), play::Shown<AnswerScreen>());
                }
                // Mostly a move that the host's window takes now, the same in both games; the
                // game is ended early now and then, and is thanked for soon once it is over.
                QList<int> taken{kWait};
                for (int move = 0; move < kWait; ++move) {
                    if (Reachable(HostButton(move))) {
                        taken << move;
                    }
                }
                const unsigned how = dice();
                int move = how % 5 == 0 ? int(dice() % kMoves) : taken[int(dice() % taken.size())];
                if (move == kEndOrThanks && how % (flow::Running()->Over() ? 2 : 32) != 0) {
                    move = kWait;
                }
                Make(move, onHost, how);
                saved[onHost ? 0 : 1] << SavedGame();
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
            QVERIFY(tk::ProgramEnded());
        }
        QCOMPARE(saved[0], saved[1]);
    }

    // The projector unplugged mid-question: the room's screens come to the laptop and the host's
    // window goes, so that no answer shows; plugged in again, each goes back to its display. The
    // question runs on throughout, and the game is the same game.
    void displayPluggedOutAndIn() {
        play::NewGame();
        play::PlayNext(true);
        QTest::keyClick(&Host(), Qt::Key_A);
        QTest::keyClick(&Host(), Qt::Key_2);
        tk::clock::Advance(3000);
        const game::Match before = *flow::Running();
        Plug("one");
        QTRY_VERIFY(!HostScreen::Loaded());
        QVERIFY(tk::LiesOn(&tk::Stage::Get(), QGuiApplication::primaryScreen()));
        QVERIFY(play::Shown<QuestionScreen>() && *flow::Running() == before);
        tk::clock::Advance(3000);
        Plug("two");
        QTRY_VERIFY(play::Shown<HostScreen>());
        QCOMPARE(tk::Stage::Get().screen()->name(), QStringLiteral("projector"));
        QVERIFY(tk::LiesOn(&tk::Stage::Get(), tk::Stage::Get().screen()));
        QCOMPARE(Host().screen()->name(), QStringLiteral("laptop"));
        QCOMPARE(Host().timeLeft.Caption(), QStringLiteral("Time left: 26 s"));
        QCOMPARE(Host().answerText.Caption(), AnswerScreen::Get().answerText.Caption());
        QTest::keyClick(&Host(), Qt::Key_Space);
        QTest::keyClick(&Host(), Qt::Key_G);
        QCOMPARE(BoardScreen::Get().teamScore[1].Caption(), QStringLiteral("50"));
        QCOMPARE(Host().teamScore[1].Caption(), QStringLiteral("50"));
    }

    // The record takes the board's place on the host's window and gives it back: R on the board
    // of the room opens it there, not in a window the room could see; an entry judged again
    // there reaches the room's board, and the host's Ctrl+Z takes it back.
    void recordOnTheHostWindow() {
        play::NewGame(2, 0);
        play::PlayNext(false);
        QTest::keyClick(&BoardScreen::Get(), Qt::Key_R);
        QVERIFY(Host().RecordShown() && !RecordScreen::Loaded());
        QVERIFY(Host().record.entries.isVisible() && !Host().squares[0][0].isVisible());
        Host().record.entries.Choose(0);
        Host().record.verdictButtons[0].click();
        const QString points = QString::number(flow::Running()->state().record[0].question.points);
        QCOMPARE(BoardScreen::Get().teamScore[0].Caption(), points);
        QCOMPARE(Host().teamScore[0].Caption(), points);
        QTest::keyClick(&Host(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(BoardScreen::Get().teamScore[0].Caption(), QStringLiteral("0"));
        QTest::keyClick(&Host(), Qt::Key_R);
        QVERIFY(!Host().record.entries.isVisible() && Host().squares[0][0].isVisible());
        for (int button = 0; button < 6; ++button) {
            QCOMPARE(Host().zapsterButtons[button / 3][button % 3].isVisible(),
                     flow::Running()->ButtonShown(button / 3, button % 3));
        }
    }

    // With the laptop alone, or a projector that mirrors it, there is no host window at all.
    void noHostWindowWithOnePicture_data() {
        const auto row = Columns<QByteArray>("setUp");
        row("one display", "one");
        row("mirrored", "mirrored");
    }
    void noHostWindowWithOnePicture() {
        QFETCH(QByteArray, setUp);
        if (qEnvironmentVariableIsSet("ZAPSTER_DISPLAYS_CHILD")) {
            play::ToSetup();
            qInfo() << "mode:" << SetupScreen::Get().displaysMode.Caption();
            UserClick(SetupScreen::Get().doneButton);
            play::PlayNext(true);
            qInfo() << "host window:" << HostScreen::Loaded();
            return;
        }
        QTemporaryFile config;
        QVERIFY(config.open() && config.write(Displays(setUp)) > 0 && config.flush());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZAPSTER_DISPLAYS_CHILD", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("noHostWindowWithOnePicture:") + QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray out = child.readAll();
        QVERIFY2(child.exitCode() == 0 && out.contains("host window: false") &&
                     out.contains("mode: \"No host window:"),
                 out.constData());
    }
};

QTEST_MAIN(TestHost)

#include "tst_host.moc"
