// The game's rules on its screens, at the instants and values a moderator would check them: the
// setup screen, a square's question, a Zapster question's time line, the behaviours the game keeps
// on purpose, and the end of the game. The rules alone are tst_match's business; whole random
// games on the screens, scoring and turn passing step by step, are the soak's.

#include <QtTest>

#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/program.h"
#include "toolkit/timer.h"

namespace {

constexpr int kNone = 0, kThreeSixNine = 3, kTotal = 5;
constexpr int kOneRound = 0, kTwoRounds = 1, kThreeRounds = 2;
const QColor kRed(0xFF, 0, 0), kBlue(0, 0, 0xC0);

BoardScreen& Board() {
    return BoardScreen::Get();
}
QuestionScreen& Q() {
    return QuestionScreen::Get();
}
SetupScreen& Options() {
    return SetupScreen::Get();
}
const game::Content& Played() {
    return flow::Running()->content();
}

std::int64_t opened = 0;  // the instant the open question was loaded

void Open(int column, int index) {
    play::ClickSquare(column, index);
    opened = tk::clock::Now();
}

// Moves the clock to `ms` after the question opened.
void At(std::int64_t ms) {
    QVERIFY2(opened + ms >= tk::clock::Now(), "the clock only moves forward");
    tk::clock::Advance(opened + ms - tk::clock::Now());
}

QString ZapsterButtons() {
    QString states;
    for (int i = 0; i < 6; ++i) {
        const tk::Button& button = Board().zapsterButtons[i / 3][i % 3];
        states += button.Caption() + (button.isEnabled() ? "+" : "-");
    }
    return states;
}

}  // namespace

class TestRules : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        WriteFile(QStringLiteral("full.zap"), Blocks(15));
        WriteFile(QStringLiteral("crlf.zap"), Blocks(15, "\r\n"));
        WriteFile(QStringLiteral("Short.zap"), Blocks(8).chopped(1 + QByteArray("A: a7.6").size()));
        WriteFile(QStringLiteral("notes.txt"), Blocks(15));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.zap")));
    }
    void init() { FreshProgram(); }

    // A slot shows "built-in questions", unselected, until a file is chosen; a double-click or a
    // click on that first row goes back to it.
    void slotsListCategoryFilesAndDoubleClickClears() {
        play::ToSetup();
        tk::FileList& slot = Options().categorySlots[3];
        QStringList listed;
        for (int row = 0; row < slot.count(); ++row) {
            listed << slot.item(row)->text();
        }
        QCOMPARE(listed, (QStringList{"built-in questions", "crlf.zap", "full.zap", "Short.zap"}));
        const auto shown = [&] { return slot.itemAt(slot.viewport()->rect().center()); };
        QVERIFY(shown() == slot.item(0) && slot.selectedItems().isEmpty());
        const QPoint full = slot.visualItemRect(slot.item(2)).center();
        QTest::mouseClick(slot.viewport(), Qt::LeftButton, {}, full);
        QCOMPARE(slot.FileName(), QStringLiteral("full.zap"));
        QVERIFY(slot.item(2)->isSelected());
        QTest::mouseDClick(slot.viewport(), Qt::LeftButton, {}, full);
        QVERIFY(slot.FileName().isEmpty() && shown() == slot.item(0));
        slot.SelectFile(QStringLiteral("crlf.zap"));
        QTest::mouseClick(slot.viewport(), Qt::LeftButton, {},
                          slot.visualItemRect(slot.item(0)).center());
        QVERIFY(slot.FileName().isEmpty() && slot.selectedItems().isEmpty());
    }

    void doneWithNoFilePlaysTheBuiltInBank() {
        play::NewGame(kThreeRounds, kThreeSixNine);
        QVERIFY(!Options().isVisible() && SetupScreen::Loaded() && play::Shown<BoardScreen>());
        QCOMPARE(play::CategoryTitles(), (QStringList{"Famous Psychologists", "Physiology",
                                                      "Statistics", "History", "Abnormal?"}));
        QCOMPARE(Played().At(1, 4).questions[5],
                 QStringLiteral("Hallucinations, hearing voices in the head, and feelings of "
                                "pursecution are typical of what disorder?"));
        QCOMPARE(Played().At(2, 1).title, QStringLiteral("Cognitive"));
        QCOMPARE(Played().At(2, 1).questions[4].left(9), QStringLiteral("Name the "));
        QVERIFY(Played().At(2, 1).questions[1].isEmpty() && Played().At(2, 2).title.isEmpty());
        QVERIFY(Played().At(3, 0).questions[0].isEmpty() && Played().At(3, 0).title.isEmpty());
        QCOMPARE(ZapsterButtons(), QStringLiteral("1+2+3+1+2+3+"));
    }

    void squareOpensItsQuestion() {
        play::NewGame(kThreeRounds, kNone);
        play::ClickSquare(3, 2);
        QVERIFY(play::Shown<QuestionScreen>() && !play::Shown<BoardScreen>() &&
                !AnswerScreen::Get().isVisible());
        QCOMPARE(Q().questionText.Caption(),
                 QStringLiteral("How many means can one compare using a t-test?"));
        QCOMPARE(AnswerScreen::Get().answerText.Caption(), QStringLiteral("Only two"));
        QCOMPARE(AnswerScreen::Get().rightButton.Caption(), QStringLiteral("Got it!"));
        QCOMPARE(AnswerScreen::Get().wrongButton.Caption(), QStringLiteral("Missed it"));
        QVERIFY(Board().squares[2][2].Caption().isEmpty() && !Board().squares[2][2].isEnabled());
    }

    // The game ends differently on the two teams' turns: on the left team's the headings stay and
    // the answer screen is only hidden; on the right team's the headings are cleared, the answer
    // screen is closed and neither score stays lit unless one team is behind. The left team
    // answers last when the right team, behind after round 1, starts round 2.
    void rightTeamsLastAnswerClearsTheBoard_data() {
        const auto row = Columns<int, bool, int>("rounds", "firstRight", "lastTeam");
        row("right team, scores level", kOneRound, false, 1);
        row("left team, ahead", kTwoRounds, true, 0);
    }
    void rightTeamsLastAnswerClearsTheBoard() {
        QFETCH(int, rounds);
        QFETCH(bool, firstRight);
        QFETCH(int, lastTeam);
        play::NewGame(rounds, kNone);
        play::PlayNext(firstRight);
        for (int question = 2; question < 30 * (rounds + 1); ++question) {
            play::PlayNext(false);
        }
        const QStringList titles = play::CategoryTitles();
        play::OpenNext();
        play::Reveal();
        QCOMPARE(Board().roundLabel.Caption(), QStringLiteral("Round: %1").arg(rounds + 1));
        QVERIFY(Board().teamScore[lastTeam].isEnabled() &&
                !Board().teamScore[1 - lastTeam].isEnabled());
        play::Judge(false);
        QVERIFY(play::Shown<GameOverScreen>() && play::Shown<BoardScreen>() &&
                !QuestionScreen::Loaded());
        QCOMPARE(AnswerScreen::Loaded(), lastTeam == 0);
        QCOMPARE(play::CategoryTitles(), lastTeam == 0 ? titles : QStringList(5, QString()));
        // After the left team's answer the right team, behind, is lit as for a next round.
        QCOMPARE(Board().teamScore[0].isEnabled(), false);
        QCOMPARE(Board().teamScore[1].isEnabled(), lastTeam == 0);
    }

    // The Zapster clock counts in 16 bits and stops at either limit instead of wrapping round: up
    // for nine hours while nobody turns it, or down from 0, never reaching it, when it was turned
    // before its first step.
    void zapsterClockStopsAtItsLimits_data() {
        const auto row = Columns<bool, int>("turned", "end");
        row("counting up", false, INT16_MAX);
        row("counting down", true, INT16_MIN);
    }
    void zapsterClockStopsAtItsLimits() {
        QFETCH(bool, turned);
        QFETCH(int, end);
        play::NewGame(kThreeRounds, kTotal);
        Open(1, 0);
        At(5500);
        if (turned) {
            UserClick(Q().zapsterClock);
        }
        At(5250 + 1000 * 33000);
        QCOMPARE(Q().zapsterClock.Caption(), QString::number(end));
        QVERIFY(play::Shown<QuestionScreen>());
        if (turned) {  // a turned clock never ran out, but the bar takes a click again
            play::Reveal();
            QVERIFY(play::Shown<AnswerScreen>());
        }
    }

    void zapsterTimeline() {
        play::NewGame(kThreeRounds, kNone);
        play::PlayNext(false);  // the right team is on turn, and the left team calls a Zapster
        UserClick(Board().zapsterButtons[0][0]);
        Open(4, 5);  // 150 points
        QCOMPARE(Q().BackColor(), kBlue);
        At(249);
        QVERIFY(Q().timeBar.Caption().isEmpty());
        At(250);
        QCOMPARE(Q().timeBar.Caption(), QStringLiteral("Zapster!  "));
        QCOMPARE(Q().timeBar.Alignment(), tk::Align::Right);
        QCOMPARE(Q().timeBar.ForeColor(), kBlue);
        QCOMPARE(Q().BackColor(), kRed);
        At(500);
        QCOMPARE(Q().BackColor(), kBlue);
        At(750);
        QCOMPARE(Q().BackColor(), kRed);
        // Every blink re-starts the running announcement timer, which keeps its own schedule.
        At(5249);
        QVERIFY(!Q().zapsterClock.isVisibleTo(&Q()));
        QCOMPARE(Q().BackColor(), kBlue);
        At(5250);
        QCOMPARE(Q().BackColor(), kRed);
        QVERIFY(Q().zapsterClock.isVisibleTo(&Q()) && Q().zapsterClock.isEnabled());
        QCOMPARE(Q().zapsterClock.Caption(), QStringLiteral("0"));
        QVERIFY(!Q().questionText.isVisibleTo(&Q()));
        At(5750);
        QVERIFY(Q().questionText.isVisibleTo(&Q()));
        QCOMPARE(Q().questionText.ForeColor(), QColor(Qt::white));
        At(8250);
        QCOMPARE(Q().zapsterClock.Caption(), QStringLiteral("3"));
        QVERIFY(!Q().timeBar.isEnabled());
        At(8600);
        UserClick(Q().zapsterClock);
        UserClick(Q().zapsterClock);  // the clock turns once
        At(9599);
        QCOMPARE(Q().zapsterClock.Caption(), QStringLiteral("3"));
        At(9600);
        QCOMPARE(Q().zapsterClock.Caption(), QStringLiteral("2"));
        QVERIFY(Q().timeBar.isEnabled());
        At(11599);
        QCOMPARE(Board().teamScore[1].Caption(), QStringLiteral("0"));
        At(11600);
        QCOMPARE(Q().zapsterClock.Caption(), QStringLiteral("0"));
        QCOMPARE(Q().timeBar.Caption(), QStringLiteral("Time Is Up!"));
        QCOMPARE(Board().teamScore[1].Caption(), QStringLiteral("300"));
        At(14599);
        QVERIFY(play::Shown<QuestionScreen>());
        At(14600);
        QVERIFY(play::Shown<BoardScreen>() && !QuestionScreen::Loaded());
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
