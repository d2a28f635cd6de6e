#include <QtTest>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmQuestion.h"
#include "support/game.h"
#include "support/harness.h"

using namespace Module1;

namespace {

constexpr int kNone = 0, kZeroZeroThree = 1, kThreeSixNine = 3, kTotal = 5;
constexpr int kOneRound = 0, kTwoRounds = 1, kThreeRounds = 2;

void SetTurn(int team) {
    Form1::Get().Label8.setEnabled(team == 1);
    Form1::Get().Label9.setEnabled(team == 2);
}

bool ZapsterOpened() {
    return frmAnswer::Get().Command1.Caption() == QStringLiteral("NO Zapster!") &&
           frmAnswer::Get().Command2.Caption() == QStringLiteral("Zapster!") &&
           !frmQuestion::Get().Label1.isVisibleTo(&frmQuestion::Get());
}

// The points a correct answer scores under a schedule without Zapsters, computed apart from the
// game: the turn alternates, and the first turn of a round goes to the team that is behind.
std::pair<int, int> ReferenceScores(int rounds, const std::function<bool(int)>& correct) {
    static constexpr int kPoints[3][6] = {
        {25, 50, 75, 100, 125, 150}, {50, 75, 100, 125, 150, 200}, {50, 100, 150, 200, 250, 300}};
    int score[3] = {0, 0, 0};
    int turn = 1;
    int question = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int square = 0; square < 30; ++square, ++question) {
            if (correct(question)) {
                score[turn] += kPoints[round][square % 6];
            }
            turn = 3 - turn;
        }
        turn = score[1] > score[2] ? 2 : score[1] < score[2] ? 1 : turn;
    }
    return {score[1], score[2]};
}

}  // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshProgram(); }

    void squareOpensItsQuestionWithAnswerAndPoints() {
        play::NewGame(kThreeRounds, kNone);
        play::ClickSquare(3, 2);
        QVERIFY(play::QuestionShown() && !play::BoardShown());
        QCOMPARE(frmQuestion::Get().Label1.Caption(),
                 QStringLiteral("How many means can one compare using a t-test?"));
        QCOMPARE(frmAnswer::Get().Label1.Caption(), QStringLiteral("Only two"));
        QCOMPARE(frmAnswer::Get().Label2.Caption(), QStringLiteral("75"));
        QVERIFY(!frmAnswer::Get().isVisible());
        QCOMPARE(frmAnswer::Get().Command1.Caption(), QStringLiteral("Got it!"));
        QCOMPARE(frmAnswer::Get().Command2.Caption(), QStringLiteral("Missed it"));
        const tk::Button& square = Form1::Get().Command3[2];
        QVERIFY(square.Caption().isEmpty() && !square.isEnabled());
        QCOMPARE(QuestionsAsked, Integer{1});
        QCOMPARE(SquaresLeft1, Integer{29});
        play::Reveal();
        QVERIFY(play::AnswerShown() && !play::QuestionShown() && frmQuestion::Loaded());
        QVERIFY(frmQuestion::Get().Label2.Caption().isEmpty());
        play::Judge(true);
        QVERIFY(play::BoardShown() && !play::AnswerShown() && !frmQuestion::Loaded());
        QVERIFY(frmAnswer::Loaded());
    }

    // Forcing happens only inside "planned > used": the Zapsters still owed equal the squares
    // left (the clicked one included), so this square is one whatever the draw says.
    void drawIsForcedWhenTheOwedZapstersFillTheSquaresLeft_data() {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("zapster");
        QTest::newRow("3 planned, 1 used, 2 left") << kThreeSixNine << 1 << 2 << true;
        QTest::newRow("3 planned, 3 used, 0 left") << kThreeSixNine << 3 << 0 << false;
        QTest::newRow("none planned, 0 left") << kNone << 0 << 0 << false;
        QTest::newRow("Total!") << kTotal << 29 << 1 << true;
    }
    void drawIsForcedWhenTheOwedZapstersFillTheSquaresLeft() {
        QFETCH(int, schedule);
        QFETCH(int, used);
        QFETCH(int, left);
        QFETCH(bool, zapster);
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            FreshProgram(seed);
            play::NewGame(kThreeRounds, schedule);
            ZapstersUsed1 = static_cast<Integer>(used);
            SquaresLeft1 = static_cast<Integer>(left);
            IsZapster = false;
            play::ClickSquare(5, 5);
            QCOMPARE(ZapsterOpened(), zapster);
            QCOMPARE(ZapstersUsed1, Integer(used + (zapster ? 1 : 0)));
        }
    }

    void drawChance_data() {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<int>("zapsters");  // in the 29 squares before forcing can apply
        QTest::newRow("None") << kNone << 0;
        QTest::newRow("Total!") << kTotal << 29;
    }
    void drawChance() {
        QFETCH(int, schedule);
        QFETCH(int, zapsters);
        play::NewGame(kThreeRounds, schedule);
        int seen = 0;
        for (int question = 0; question < 29; ++question) {
            Form1& board = Form1::Get();
            play::ClickSquare(question / 6 + 1, question % 6);
            seen += ZapsterOpened() ? 1 : 0;
            play::Reveal();
            play::Judge(false);
            QVERIFY(board.isVisible());
        }
        QCOMPARE(seen, zapsters);
    }

    // 3 planned of 30 squares: the draw has a 1 in 10 chance, computed as a real fraction. Over
    // many first squares of a round (no forcing: 3 owed < 30 left) about a tenth are Zapsters.
    void drawChanceIsPlannedOverThirty() {
        int zapsters = 0;
        constexpr int kGames = 400;
        for (int game = 0; game < kGames; ++game) {
            FreshProgram(1000 + static_cast<std::uint64_t>(game));
            play::NewGame(kThreeRounds, kZeroZeroThree);
            NumRounds = 3;
            RoundNumber = 3;  // round 3 of "0, 0, 0" plans 3 Zapsters
            play::ClickSquare(1, 0);
            zapsters += ZapsterOpened() ? 1 : 0;
        }
        QVERIFY2(zapsters > 20 && zapsters < 65, qPrintable(QString::number(zapsters)));
    }

    void calledZapsterHidesTheQuestionEvenWhenTheDrawSaysNo() {
        play::NewGame(kThreeRounds, kNone);
        ZapsterCalled = true;
        play::ClickSquare(1, 0);
        QVERIFY(!IsZapster);
        QVERIFY(ZapsterOpened());
        QCOMPARE(ZapstersUsed1, Integer{1});  // counted, though none was planned
    }

    // When the round's planned Zapsters are used up, the question screen clears a drawn flag left
    // over from an earlier question; a called one still counts and goes past the plan.
    void usedUpScheduleClearsTheFlagButNotACall() {
        play::NewGame(kThreeRounds, kThreeSixNine);
        ZapstersUsed1 = 3;
        IsZapster = true;
        play::ClickSquare(2, 0);
        QVERIFY(!IsZapster);
        QVERIFY(!ZapsterOpened());
        play::Reveal();
        play::Judge(true);
        ZapsterCalled = true;
        play::ClickSquare(2, 1);
        QVERIFY(ZapsterOpened());
        QCOMPARE(ZapstersUsed1, Integer{4});
    }

    void scoring_data() {
        QTest::addColumn<int>("team");
        QTest::addColumn<bool>("zapster");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<int>("row");  // points 25, 50, ... 150 in round 1
        QTest::addColumn<int>("team1");
        QTest::addColumn<int>("team2");
        QTest::newRow("team 1 got it") << 1 << false << true << 3 << 100 << 0;
        QTest::newRow("team 1 missed it") << 1 << false << false << 3 << 0 << 0;
        QTest::newRow("team 2 got it") << 2 << false << true << 5 << 0 << 150;
        QTest::newRow("team 2 missed it") << 2 << false << false << 5 << 0 << 0;
        QTest::newRow("team 1 NO Zapster") << 1 << true << true << 2 << 0 << 75;
        QTest::newRow("team 1 Zapster") << 1 << true << false << 2 << 150 << 0;
        QTest::newRow("team 2 NO Zapster") << 2 << true << true << 5 << 150 << 0;
        QTest::newRow("team 2 Zapster") << 2 << true << false << 0 << 0 << 50;
    }
    void scoring() {
        QFETCH(int, team);
        QFETCH(bool, zapster);
        QFETCH(bool, correct);
        QFETCH(int, row);
        QFETCH(int, team1);
        QFETCH(int, team2);
        play::NewGame(kThreeRounds, kNone);
        SetTurn(team);
        ZapsterCalled = zapster;  // a team's call: the draw plans none
        play::ClickSquare(4, row);
        play::Reveal();
        play::Judge(correct);
        QCOMPARE(Team1Score, Integer(team1));
        QCOMPARE(Team2Score, Integer(team2));
        QCOMPARE(Form1::Get().Label8.Caption(), QString::number(team1));
        QCOMPARE(Form1::Get().Label9.Caption(), QString::number(team2));
        QVERIFY(!ZapsterCalled);
        QCOMPARE(play::TeamOnTurn(), 3 - team);
        QCOMPARE(Form1::Get().Label8.isEnabled(), team == 2);
        QCOMPARE(Form1::Get().Label9.isEnabled(), team == 1);
    }

    void firstJudgementWithBothLabelsEnabledScoresTeamOne() {
        play::NewGame(kThreeRounds, kNone);
        QVERIFY(Form1::Get().Label8.isEnabled() && Form1::Get().Label9.isEnabled());
        play::ClickSquare(1, 0);
        play::Reveal();
        play::Judge(true);
        QCOMPARE(Team1Score, Integer{25});
        QCOMPARE(Team2Score, Integer{0});
        QVERIFY(!Form1::Get().Label8.isEnabled() && Form1::Get().Label9.isEnabled());
    }

    void pointsThatAreNotAWholeNumberScoreNothing() {
        play::NewGame(kThreeRounds, kNone);
        play::ClickSquare(1, 5);
        play::Reveal();
        frmAnswer::Get().Label2.SetCaption(QStringLiteral("150 points"));
        play::Judge(true);
        QCOMPARE(Team1Score, Integer{0});
    }

    void scoresStopAtTheSixteenBitLimit() {
        play::NewGame(kThreeRounds, kNone);
        Team1Score = 32700;
        play::ClickSquare(1, 5);
        play::Reveal();
        play::Judge(true);
        QCOMPARE(Team1Score, Integer{32767});
        QCOMPARE(Form1::Get().Label8.Caption(), QStringLiteral("32767"));
    }

    // The 30th reveal of a round relabels the board for the next round; judging it gives the
    // first turn to the team that is behind, or passes it normally when the scores are equal.
    void roundChange_data() {
        QTest::addColumn<int>("team1");
        QTest::addColumn<int>("team2");
        QTest::addColumn<int>("lastTeam");
        QTest::addColumn<int>("firstTeam");
        QTest::newRow("team 1 leads 300 to 125") << 300 << 125 << 2 << 2;
        QTest::newRow("team 2 behind, judged last") << 100 << 75 << 2 << 2;
        QTest::newRow("team 1 behind") << 75 << 100 << 2 << 1;
        QTest::newRow("equal, team 1 judged last") << 50 << 50 << 1 << 2;
        QTest::newRow("equal, team 2 judged last") << 50 << 50 << 2 << 1;
    }
    void roundChange() {
        QFETCH(int, team1);
        QFETCH(int, team2);
        QFETCH(int, lastTeam);
        QFETCH(int, firstTeam);
        play::NewGame(kThreeRounds, kNone);
        for (int question = 0; question < 29; ++question) {
            play::PlayNext(false);
        }
        QCOMPARE(Form1::Get().Label1.Caption(), QStringLiteral("Round: 1"));
        Team1Score = static_cast<Integer>(team1);
        Team2Score = static_cast<Integer>(team2);
        SetTurn(lastTeam);
        play::ClickSquare(5, 5);
        play::Reveal();
        // The round is over the moment the answer is revealed.
        QCOMPARE(RoundNumber, Integer{2});
        QCOMPARE(QuestionsAsked, Integer{0});
        QCOMPARE(Form1::Get().Label1.Caption(), QStringLiteral("Round: 2"));
        const QStringList column{"50", "75", "100", "125", "150", "200"};
        QCOMPARE(play::BoardCaptions(), column + column + column + column + column);
        QCOMPARE(play::CategoryTitles(), (QStringList{"Methods", "Cognitive", "", "", ""}));
        for (int c = 1; c <= 5; ++c) {
            for (int i = 0; i < 6; ++i) {
                QVERIFY(Form1::Get().Column(c)[i].isEnabled());
            }
        }
        play::Judge(false);
        QCOMPARE(play::TeamOnTurn(), firstTeam);
        QCOMPARE(Form1::Get().Label8.isEnabled() + Form1::Get().Label9.isEnabled(), 1);
        QVERIFY(play::BoardShown() && !play::GameOverShown());
    }

    void twentyNinthQuestionLeavesTheBoardAlone() {
        play::NewGame(kThreeRounds, kNone);
        for (int question = 0; question < 28; ++question) {
            play::PlayNext(true);
        }
        play::ClickSquare(5, 4);
        play::Reveal();
        QCOMPARE(RoundNumber, Integer{1});
        QCOMPARE(QuestionsAsked, Integer{29});
        QCOMPARE(Form1::Get().Label1.Caption(), QStringLiteral("Round: 1"));
        QVERIFY(!Form1::Get().Command5[4].isEnabled());
    }

    // The game ends differently on the two teams' turns: on team 1's the headings stay and the
    // answer screen is only hidden; on team 2's the headings are cleared, the answer screen is
    // closed, and both score labels are disabled before the team behind is enabled.
    void gameEnd_data() {
        QTest::addColumn<int>("lastTeam");
        QTest::addColumn<int>("team1");
        QTest::addColumn<int>("team2");
        QTest::addColumn<bool>("label8");
        QTest::addColumn<bool>("label9");
        QTest::newRow("team 1, team 1 ahead") << 1 << 100 << 50 << false << true;
        QTest::newRow("team 1, equal") << 1 << 50 << 50 << false << true;
        QTest::newRow("team 2, equal") << 2 << 50 << 50 << false << false;
        QTest::newRow("team 2, team 1 ahead") << 2 << 100 << 50 << false << true;
        QTest::newRow("team 2, team 2 ahead") << 2 << 50 << 100 << true << false;
    }
    void gameEnd() {
        QFETCH(int, lastTeam);
        QFETCH(int, team1);
        QFETCH(int, team2);
        QFETCH(bool, label8);
        QFETCH(bool, label9);
        play::NewGame(kOneRound, kNone);
        for (int question = 0; question < 29; ++question) {
            play::PlayNext(false);
        }
        Team1Score = static_cast<Integer>(team1);
        Team2Score = static_cast<Integer>(team2);
        SetTurn(lastTeam);
        play::ClickSquare(5, 5);
        play::Reveal();
        QCOMPARE(RoundNumber, Integer{2});
        QCOMPARE(Form1::Get().Label1.Caption(), QStringLiteral("Round: 1"));
        play::Judge(false);
        QVERIFY(play::GameOverShown());
        QVERIFY(play::BoardShown());
        QVERIFY(!frmQuestion::Loaded());
        QCOMPARE(frmAnswer::Loaded(), lastTeam == 1);
        QVERIFY(!play::AnswerShown());
        const QStringList kept{"Famous Psychologists", "Physiology", "Statistics", "History",
                               "Abnormal?"};
        QCOMPARE(play::CategoryTitles(), lastTeam == 1 ? kept : QStringList(5, QString()));
        QCOMPARE(Form1::Get().Label8.isEnabled(), label8);
        QCOMPARE(Form1::Get().Label9.isEnabled(), label9);
        QVERIFY(!tk::ProgramEnded());
        UserClick(frmGameOver::Get().Command1);
        QVERIFY(tk::ProgramEnded());
        QCOMPARE(tk::LoadedScreenCount(), 0);
    }

    void wholeGames_data() {
        QTest::addColumn<int>("roundsOption");
        QTest::newRow("1 round") << kOneRound;
        QTest::newRow("2 rounds") << kTwoRounds;
        QTest::newRow("3 rounds") << kThreeRounds;
    }
    void wholeGames() {
        QFETCH(int, roundsOption);
        const int rounds = roundsOption + 1;
        auto correct = [](int question) { return question % 3 != 0 || question % 7 == 0; };
        play::NewGame(roundsOption, kNone);
        for (int question = 0; question < 30 * rounds; ++question) {
            QVERIFY2(play::BoardShown() && !play::GameOverShown(),
                     qPrintable(QString::number(question)));
            play::PlayNext(correct(question));
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        const auto [team1, team2] = ReferenceScores(rounds, correct);
        QCOMPARE(Team1Score, Integer(team1));
        QCOMPARE(Team2Score, Integer(team2));
        QCOMPARE(RoundNumber, Integer(rounds + 1));
        QVERIFY(play::GameOverShown());
        QCOMPARE(Form1::Get().Label8.Caption(), QString::number(team1));
        QCOMPARE(Form1::Get().Label9.Caption(), QString::number(team2));
    }

    void bannerOpensGameOverMidRoundAndChangesNothing() {
        play::NewGame(kThreeRounds, kNone);
        play::PlayNext(true);
        const QStringList before = play::BoardCaptions();
        UserClick(Form1::Get().Image1);
        UserClick(Form1::Get().Image1);  // a second show changes nothing
        QVERIFY(play::GameOverShown() && play::BoardShown());
        QCOMPARE(play::BoardCaptions(), before);
        QCOMPARE(Team1Score, Integer{25});
        play::PlayNext(true);  // the board stays usable behind it
        QCOMPARE(Team2Score, Integer{50});
        UserClick(frmGameOver::Get().Command1);
        QVERIFY(tk::ProgramEnded());
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
