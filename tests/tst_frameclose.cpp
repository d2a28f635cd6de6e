// A window closed by its frame or by Alt+F4, at every stage of a game. Whatever the screen does
// with the close, the room must never be left with a running program and nothing on the display:
// the program either goes on with a window showing, and can still be played to its end, or ends
// with every screen gone.

#include <QWindow>
#include <QtTest>
#include <functional>
#include <map>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmOptions.h"
#include "screens/frmQuestion.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/program.h"
#include "toolkit/timer.h"

using namespace Module1;

namespace {

constexpr int kOneRound = 0, kNone = 0, kTotal = 5;

enum class Stage {
    Title,
    Setup,
    Board,
    Question,          // a normal question, its bar growing
    TimeIsUp,          // a normal question between its time-out and the board's return
    ZapsterBlinking,   // the announcement of a Zapster question
    ZapsterClock,      // the Zapster clock counting
    Answer,            // the answer revealed, not yet judged
    GameOverMidGame,   // the banner clicked during a round
    GameOverAtTheEnd,  // the last question judged
};

enum class Outcome { Ends, Ignored, Closes };

// Plays a one-round game from start-up to the stage.
void Reach(Stage stage) {
    if (stage == Stage::Title) {
        tk::HandlerScope scope;
        Main();
        return;
    }
    play::ToSetup();
    if (stage == Stage::Setup) {
        return;
    }
    const bool zapster = stage == Stage::ZapsterBlinking || stage == Stage::ZapsterClock;
    play::StartGame(kOneRound, zapster ? kTotal : kNone);
    switch (stage) {
        case Stage::Question:
        case Stage::ZapsterBlinking:
            play::ClickSquare(1, 0);
            tk::clock::Advance(1000);
            break;
        case Stage::TimeIsUp:
            play::ClickSquare(1, 0);
            tk::clock::Advance(33000);
            break;
        case Stage::ZapsterClock:
            play::ClickSquare(1, 0);
            tk::clock::Advance(9000);
            break;
        case Stage::Answer:
            play::ClickSquare(1, 0);
            play::Reveal();
            break;
        case Stage::GameOverMidGame:
            play::PlayNext(true);
            UserClick(Form1::Get().Image1);
            break;
        case Stage::GameOverAtTheEnd:
            for (int i = 0; i < 30; ++i) {
                play::PlayNext(i % 3 == 0);
            }
            break;
        default:
            break;
    }
}

// Finishes whatever game is on from any state the moderator can reach, and ends the program as
// the room would: with the game-over screen's button.
void PlayToTheEnd() {
    for (int step = 0; step < 400 && !tk::ProgramEnded(); ++step) {
        if (play::GameOverShown() && RoundNumber == NumRounds + 1) {
            UserClick(frmGameOver::Get().Command1);
        } else if (play::AnswerShown()) {
            play::Judge(false);
        } else if (play::QuestionShown()) {
            frmQuestion& question = frmQuestion::Get();
            if (question.Label3.isVisible() && question.Label3.isEnabled() && !ClockCountingDown) {
                UserClick(question.Label3);
            } else if (question.Label2.isEnabled() &&
                       question.Label2.Caption() != QStringLiteral("Time Is Up!")) {
                play::Reveal();
            } else {
                tk::clock::Advance(500);
            }
        } else if (play::BoardShown() && RoundNumber <= NumRounds) {
            play::PlayNext(true);
        } else if (play::BoardShown()) {
            UserClick(Form1::Get().Image1);  // the banner brings back the game-over screen
        } else {
            QFAIL("no screen the moderator could use");
        }
    }
    QVERIFY(tk::ProgramEnded());
}

}  // namespace

class TestFrameClose : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    void closeAnyWindowAtAnyStage_data() {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("window");
        QTest::addColumn<Outcome>("outcome");
        const QString title = QStringLiteral("title"), setup = QStringLiteral("setup"),
                      board = QStringLiteral("board"), question = QStringLiteral("question"),
                      answer = QStringLiteral("answer"), over = QStringLiteral("game over");
        QTest::newRow("title") << Stage::Title << title << Outcome::Ends;
        QTest::newRow("setup") << Stage::Setup << setup << Outcome::Ends;
        QTest::newRow("board") << Stage::Board << board << Outcome::Ends;
        QTest::newRow("question") << Stage::Question << question << Outcome::Ignored;
        QTest::newRow("question, time is up") << Stage::TimeIsUp << question << Outcome::Ignored;
        QTest::newRow("Zapster announcement")
            << Stage::ZapsterBlinking << question << Outcome::Ignored;
        QTest::newRow("Zapster clock") << Stage::ZapsterClock << question << Outcome::Ignored;
        QTest::newRow("answer") << Stage::Answer << answer << Outcome::Ignored;
        QTest::newRow("game over mid-game, itself")
            << Stage::GameOverMidGame << over << Outcome::Closes;
        QTest::newRow("game over mid-game, the board")
            << Stage::GameOverMidGame << board << Outcome::Ends;
        QTest::newRow("game over at the end, itself")
            << Stage::GameOverAtTheEnd << over << Outcome::Closes;
        QTest::newRow("game over at the end, the board")
            << Stage::GameOverAtTheEnd << board << Outcome::Ends;
    }

    void closeAnyWindowAtAnyStage() {
        QFETCH(Stage, stage);
        QFETCH(QString, window);
        QFETCH(Outcome, outcome);
        Reach(stage);
        const std::map<QString, std::function<tk::Form&()>> screens{
            {QStringLiteral("title"), []() -> tk::Form& { return frmAbout::Get(); }},
            {QStringLiteral("setup"), []() -> tk::Form& { return frmOptions::Get(); }},
            {QStringLiteral("board"), []() -> tk::Form& { return Form1::Get(); }},
            {QStringLiteral("question"), []() -> tk::Form& { return frmQuestion::Get(); }},
            {QStringLiteral("answer"), []() -> tk::Form& { return frmAnswer::Get(); }},
            {QStringLiteral("game over"), []() -> tk::Form& { return frmGameOver::Get(); }},
        };
        tk::Form& form = screens.at(window)();
        QVERIFY(form.isVisible() && form.windowHandle() != nullptr);
        const int timers = tk::clock::RunningTimers();

        // The window manager's close, as the frame's close box and Alt+F4 deliver it.
        form.windowHandle()->close();

        switch (outcome) {
            case Outcome::Ends:
                QVERIFY(tk::ProgramEnded());
                QCOMPARE(tk::LoadedScreenCount(), 0);
                QCOMPARE(tk::clock::RunningTimers(), 0);
                return;
            case Outcome::Ignored:
                QVERIFY(form.isVisible());
                QCOMPARE(tk::clock::RunningTimers(), timers);
                break;
            case Outcome::Closes:
                QVERIFY(!frmGameOver::Loaded());  // only the game-over screen closes
                break;
        }
        QVERIFY(!tk::ProgramEnded());
        QVERIFY(tk::AnyScreenVisible());
        PlayToTheEnd();
    }
};

QTEST_MAIN(TestFrameClose)
#include "tst_frameclose.moc"
