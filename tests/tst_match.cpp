// The game's rules alone, with no screen: whole games played through the game's actions by a
// seeded random moderator and checked against the soak's reference, the scoring of every outcome
// up to the 16-bit limits, the buttons over rounds, the draws, and the game as a value.

#include <QFile>
#include <QProcess>
#include <QtTest>
#include <algorithm>
#include <random>

#include "game/match.h"
#include "game/match_json.h"
#include "game/saved_game.h"
#include "support/columns.h"
#include "support/reference.h"

using namespace game;

namespace {

constexpr int kNone = 0, kZeroZeroThree = 1, kThreeSixNine = 3, kTotal = 5;

Setup Chosen(int rounds, int schedule) {
    Setup setup;
    setup.roundsToPlay = Integer(rounds);
    setup.zapstersPlanned = kSchedules[std::size_t(schedule)];
    return setup;
}

Match NewGame(int rounds, int schedule, std::uint64_t seed = 1) {
    return Match(ReadContent({}), Chosen(rounds, schedule), seed);
}

// Opens the next open square, column by column, top to bottom.
bool OpenNext(Match& game) {
    for (int square = 0; square < kSquaresPerRound; ++square) {
        if (game.OpenSquare(square / kRows, square % kRows)) {
            return true;
        }
    }
    return false;
}

// A seeded moderator who does what the screens let a person do, and now and then what they do
// not: a refused action must leave the game exactly as it was.
class Moderator {
public:
    explicit Moderator(std::uint64_t seed) : dice_(seed) {
        ref_.rounds = 1 + Pick(3);
        ref_.schedule = Pick(6);
        game_.emplace(NewGame(ref_.rounds, ref_.schedule, seed));
    }

    Match& Game() { return *game_; }

    // Plays until the game is over and back on the board; returns the actions checked.
    int Play() {
        int steps = 0;
        while (!(game_->Over() && game_->phase() == Phase::Board) && !QTest::currentTestFailed() &&
               ++steps < 100000) {
            Check(Step());
        }
        return steps;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }

    // Returns whether the game took the action.
    bool Step() {
        Match& game = *game_;
        const Match before = game;
        const int column = Pick(kColumns), row = Pick(kRows), team = Pick(2), button = Pick(3);
        bool taken = false;
        switch (Pick(8)) {
            case 0:
                taken = game.OpenSquare(column, row);
                if (taken) {
                    Opened(row);
                }
                break;
            case 1: {
                const bool accepted = game.phase() == Phase::Board &&
                                      before.ButtonEnabled(team, button) && !before.Lit(team) &&
                                      (button == 0 || !ref_.called);
                taken = game.CallZapster(team, button);
                if (taken != accepted) {
                    QTest::qFail("a call taken or refused wrongly", __FILE__, __LINE__);
                }
                ref_.called = ref_.called || accepted;
                break;
            }
            case 2:
                taken = game.SwitchSound(Pick(2) == 0);
                break;
            case 3:
                taken = game.Reveal();
                if (taken) {
                    ref_.revealed = true;
                    ref_.EndRoundIfLast();
                }
                break;
            case 4:  // the 32 seconds of a normal question, or a Zapster clock run down
                taken = ref_.open && !ref_.revealed && !ref_.timedOut &&
                        (ref_.zapster ? game.ClockRanOut() : game.TimeUp());
                if (taken) {
                    ref_.TimeOut();
                }
                break;
            case 5:
                taken = game.BackToBoard();
                if (taken) {
                    ref_.BackToBoard();
                }
                break;
            default:
                const bool right = Pick(2) == 0;
                taken = game.Judge(right);
                if (taken) {
                    ref_.Judge(right);
                }
        }
        if (!taken && !(game == before)) {
            QTest::qFail("a refused action changed the game", __FILE__, __LINE__);
        }
        return taken;
    }

    void Opened(int row) {
        ++ref_.asked;
        ref_.open = true;
        ref_.revealed = ref_.timedOut = false;
        ref_.points = reference::kPoints[ref_.round - 1][row];
        ref_.zapster = game_->Question()->zapster;
        const int planned = reference::kSchedules[ref_.schedule][ref_.round - 1];
        QVERIFY2(!(ref_.called || planned == 30) || ref_.zapster, "called or Total!: a Zapster");
        zapsters_ += ref_.zapster;
        drawn_ += ref_.zapster && !ref_.called;
        if (ref_.asked == 30) {  // the round's Zapsters are all there, and no more were drawn
            QVERIFY(zapsters_ >= planned && drawn_ <= planned);
            zapsters_ = drawn_ = 0;
        }
    }

    void Check(bool changed) {
        const MatchState& s = game_->state();
        QCOMPARE(int(s.score[0]), ref_.score[1]);
        QCOMPARE(int(s.score[1]), ref_.score[2]);
        QCOMPARE(s.lit[0], ref_.leftLit);
        QCOMPARE(s.lit[1], ref_.rightLit);
        QCOMPARE(int(s.round), ref_.round);
        QCOMPARE(int(s.questionsOpened), ref_.asked);
        QCOMPARE(s.zapsterCalled, ref_.called);
        QCOMPARE(game_->Over(), ref_.GameOver());
        for (int round = 1; round <= kRounds; ++round) {  // only the round played is touched
            QCOMPARE(int(s.squaresLeft[round]),
                     kSquaresPerRound - (round == s.round ? s.questionsOpened : 0));
            QVERIFY(round == s.round || s.zapstersOpened[round] == 0);
        }
        // Written and read back at a rest, the game is the same game.
        if (!changed || s.phase == Phase::Question || s.phase == Phase::TimeUp) {
            return;
        }
        QString why;
        const std::optional<MatchState> again =
            MatchFromJson(MatchToJson(s), game_->content(), &why);
        QVERIFY2(again && *again == s, qPrintable(why));
    }

    std::mt19937_64 dice_;
    reference::Game ref_;
    std::optional<Match> game_;
    int zapsters_ = 0, drawn_ = 0;
};

}  // namespace

class TestMatch : public QObject {
    Q_OBJECT

private slots:
    // The rules need no picture and no window: this test has neither library loaded.
    void loadsNoGuiLibrary() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray loaded = maps.readAll();
        QVERIFY(loaded.contains("libQt6Core") && !loaded.contains("libQt6Gui") &&
                !loaded.contains("libQt6Widgets"));
    }

    void wholeGamesAgainstTheReference() {
        int steps = 0;
        for (std::uint64_t seed = 1; seed <= 200 && !QTest::currentTestFailed(); ++seed) {
            steps += Moderator(seed).Play();
            QVERIFY2(steps < 100000 * int(seed), "a game that never ends");
        }
        qInfo("%d actions checked", steps);
    }

    // Every outcome for the team on turn (the left one) worth P: ordinary questions score P for a
    // right answer, Zapster questions reverse it, and a clock run down is a wrong answer. A score
    // stops at the 16-bit limit.
    void scoring_data() {
        const auto row =
            Columns<int, char, int, int, int>("schedule", "outcome", "before", "left", "right");
        row("Got it!", kNone, 'R', 0, 25, 0);
        row("Missed it", kNone, 'W', 0, 0, 0);
        row("time up", kNone, 'T', 0, 0, 0);
        row("NO Zapster!", kTotal, 'R', 0, 0, 25);
        row("Zapster!", kTotal, 'W', 0, 50, 0);
        row("clock ran out", kTotal, 'Z', 0, 50, 0);
        row("Got it! at the limit", kNone, 'R', 32750, 32767, 32750);
        row("Zapster! at the limit", kTotal, 'W', 32740, 32767, 32740);
        row("clock ran out at the limit", kTotal, 'Z', 32767, 32767, 32767);
    }
    void scoring() {
        QFETCH(int, schedule);
        QFETCH(char, outcome);
        QFETCH(int, before);
        QFETCH(int, left);
        QFETCH(int, right);
        const Match fresh = NewGame(3, schedule);
        MatchState state = fresh.state();
        state.score = state.recordBase = {Integer(before), Integer(before)};
        // The game played from there with that verdict, or none if an action was refused.
        const auto play = [&](char verdict) -> std::optional<Match> {
            Match game(fresh.SharedContent(), state);
            const bool played = game.OpenSquare(0, 0) &&
                                (verdict == 'T'   ? game.TimeUp()
                                 : verdict == 'Z' ? game.ClockRanOut()
                                                  : game.Reveal()) &&
                                (verdict == 'T' || verdict == 'Z' ? game.BackToBoard()
                                                                  : game.Judge(verdict == 'R'));
            return played ? std::optional(game) : std::nullopt;
        };
        QVERIFY(play(outcome).has_value());
        const Match game = *play(outcome);
        // Judged again on the board, the outcome scores as if it had been judged so in play.
        const QString verdicts = QStringLiteral("RWTZ");
        for (const QChar again :
             schedule == kTotal ? QStringLiteral("RWZ") : QStringLiteral("RWT")) {
            Match corrected = game;
            QCOMPARE(corrected.Rejudge(0, Verdict(verdicts.indexOf(again))), again != outcome);
            QCOMPARE(corrected.state().score, play(again.toLatin1())->state().score);
        }
        QCOMPARE(int(game.Score(0)), left);
        QCOMPARE(int(game.Score(1)), right);
        QCOMPARE(game.TeamOnTurn(), 1);
        QString why;  // a score at the limit is written and read back as it is
        QVERIFY2(MatchFromJson(MatchToJson(game.state()), game.content(), &why) == game.state(),
                 qPrintable(why));
    }

    // Appeals after whole games: any earlier outcome judged again, in any order, and scores
    // corrected by hand between them, leave the scores the reference counts from the record with
    // the verdicts as corrected, the turns as played, and the 16-bit limits met step by step.
    void appealsRecountTheRecord() {
        std::mt19937 dice(7);
        constexpr int kChanges[] = {INT16_MAX, INT16_MIN, -1, 1, 250, -3000};
        const auto clamped = [](int score) { return std::clamp(score, INT16_MIN, INT16_MAX); };
        for (std::uint64_t seed = 1; seed <= 40 && !QTest::currentTestFailed(); ++seed) {
            Moderator moderator(seed);
            moderator.Play();
            Match& game = moderator.Game();
            const std::vector<Outcome>& record = game.state().record;
            QVERIFY(!record.empty());
            for (int appeal = 0; appeal < 20; ++appeal) {
                if (dice() % 4 == 0) {
                    const int change = kChanges[dice() % std::size(kChanges)];
                    QVERIFY(game.CorrectScore(int(dice() % 2), change, "appeal"));
                }
                const std::size_t entry = dice() % record.size();
                const Verdict verdict = Verdict(dice() % 5);
                const bool taken = Fits(record[entry], verdict) && record[entry].verdict != verdict;
                QCOMPARE(game.Rejudge(entry, verdict), taken);
                reference::Game ref;
                for (const Outcome& o : record) {
                    ref.points = o.question.points;
                    ref.zapster = o.question.zapster;
                    if (o.verdict == Verdict::ByHand) {
                        ref.score[o.team + 1] += o.change;
                    } else if (o.team != kNoTeam && o.verdict == Verdict::ClockRanOut) {
                        ref.score[o.team + 1] += 2 * o.question.points;
                    } else if (o.team != kNoTeam && o.verdict != Verdict::TimeUp) {
                        ref.Score(o.team + 1, o.verdict == Verdict::GotIt);
                    }
                    ref.score[1] = clamped(ref.score[1]);
                    ref.score[2] = clamped(ref.score[2]);
                    QCOMPARE(o.scoreAfter, (std::array<Integer, kTeams>{Integer(ref.score[1]),
                                                                        Integer(ref.score[2])}));
                }
                QCOMPARE(game.state().score, record.back().scoreAfter);
            }
            QVERIFY(MatchFromJson(MatchToJson(game.state()), game.content(), nullptr) ==
                    game.state());
        }
    }

    // A correction by hand is taken only on the board, changes one score, and keeps its reason as
    // one short line; nobody judges it again.
    void correctionsByHand() {
        Match game = NewGame(3, kNone);
        QVERIFY(!game.CorrectScore(0, 0, "nothing"));
        QVERIFY(game.CorrectScore(1, -40, "  rude\nto the\tmoderator  "));
        const Outcome& entry = game.state().record.back();
        QCOMPARE(entry.reason, QStringLiteral("rude to the moderator"));
        QCOMPARE(game.state().score, (std::array<Integer, kTeams>{0, -40}));
        QVERIFY(!game.Rejudge(0, Verdict::GotIt));
        QVERIFY(game.CorrectScore(0, 5, QString(200, 'x')));
        QCOMPARE(game.state().record.back().reason.size(), kLongestReason);
        QVERIFY(OpenNext(game));
        QVERIFY(!game.CorrectScore(0, 5, "while the question runs"));
        QVERIFY(game.Reveal() && game.Judge(true));
        game.Finish();
        QVERIFY(!game.CorrectScore(0, 5, "after the thanks"));
    }

    // A saved game keeps every moment that can be taken back, corrections of the record among
    // them, and reads each back as it was; each moment writes only where its record parts from
    // the one before it, so a whole game's file grows with its moments, not with their square.
    void savedRecordIsWrittenOnce() {
        std::mt19937 dice(3);
        Match game = NewGame(3, kThreeSixNine);
        std::vector<Match> takeBacks;
        const auto correct = [&](bool byHand) {
            takeBacks.push_back(game);
            QVERIFY(byHand ? game.CorrectScore(int(dice() % 2), -7, "late answer")
                           : game.Rejudge(0, game.state().record[0].verdict == Verdict::GotIt
                                                 ? Verdict::MissedIt
                                                 : Verdict::GotIt));
        };
        while (OpenNext(game)) {
            QVERIFY(game.Reveal());
            takeBacks.push_back(game);
            QVERIFY(game.Judge(dice() % 2 == 0));
            if (game.state().record.size() % 30 == 10) {
                correct(game.state().record.size() % 60 == 10);
            }
        }
        const QByteArray content = ContentText(game.content());
        const QByteArray text = SavedGameText(QDateTime::currentDateTimeUtc(), false, content,
                                              MomentText(game.state()), TakeBackTexts(takeBacks));
        QString why;
        const std::optional<SavedGame> read = ReadSavedGame(text, &why);
        QVERIFY2(read, qPrintable(why));
        QVERIFY(read->now == game && read->takeBacks == takeBacks);
        MatchState unrecorded = game.state();
        unrecorded.record.clear();
        const qsizetype record = MomentText(game.state()).size() - MomentText(unrecorded).size();
        // A correction of the first outcome rewrites the record once; every other moment adds one.
        const qsizetype bound =
            content.size() +
            qsizetype(takeBacks.size() + 1) * (MomentText(unrecorded).size() + 300) + 5 * record;
        QVERIFY2(text.size() < bound, qPrintable(QStringLiteral("%1 bytes").arg(text.size())));
    }

    // Only "1" comes back with a new round; a "2" or "3" spent stays spent for the game, though it
    // shows its number again. A "Total!" round has nothing to call.
    void buttonsOverRounds() {
        Match game = NewGame(3, kThreeSixNine);
        QVERIFY(OpenNext(game) && game.Reveal() && game.Judge(false));  // the right team's turn
        // While a call is pending a waiting team's "1" is still taken; the team on turn calls none.
        QVERIFY(game.CallZapster(0, 1) && !game.CallZapster(0, 2) && game.CallZapster(0, 0) &&
                !game.CallZapster(1, 2));
        const auto buttons = [&game] {
            QString seen;
            for (int i = 0; i < 6; ++i) {
                seen += (game.ButtonShown(i / 3, i % 3) ? QString::number(i % 3 + 1) : "") +
                        (game.ButtonEnabled(i / 3, i % 3) ? "+" : "-");
            }
            return seen;
        };
        QCOMPARE(buttons(), QStringLiteral("--3+1+2+3+"));
        while (game.Round() == 1) {
            QVERIFY(OpenNext(game) && game.Reveal() && game.Judge(true));
        }
        QCOMPARE(buttons(), QStringLiteral("1+2-3+1+2+3+"));
        game = NewGame(3, kTotal);
        QCOMPARE(buttons(), QStringLiteral("------"));
    }

    // How many Zapsters each round of a schedule brings when no team calls one, whatever the
    // draws: "Total!" makes all 30 questions of a round Zapsters, and "0, 0, 0" still plans three
    // in round 3.
    void scheduleGivesEachRoundItsZapsters_data() {
        const auto row = Columns<int, QList<int>>("schedule", "perRound");
        row("None", kNone, {0, 0, 0});
        row("0, 0, 0", kZeroZeroThree, {0, 0, 3});
        row("3, 6, 9", kThreeSixNine, {3, 6, 9});
        row("Total!", kTotal, {30, 30, 30});
    }
    void scheduleGivesEachRoundItsZapsters() {
        QFETCH(int, schedule);
        QFETCH(QList<int>, perRound);
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            Match game = NewGame(3, schedule, seed);
            QList<int> zapsters{0, 0, 0};
            while (OpenNext(game)) {
                zapsters[game.Round() - 1] += game.Question()->zapster;
                QVERIFY(game.Reveal() && game.Judge(false));
            }
            QCOMPARE(zapsters, perRound);
        }
    }

    // 3 planned of 30 squares: the draw has a 1 in 10 chance, computed as a real fraction. Over
    // many first squares of a round (no forcing: 3 owed < 30 left) about a tenth are Zapsters.
    void drawChanceIsPlannedOverThirty() {
        int zapsters = 0;
        for (std::uint64_t seed = 1000; seed < 1400; ++seed) {
            Match game = NewGame(3, kZeroZeroThree, seed);
            while (game.Round() < 3) {
                QVERIFY(OpenNext(game) && game.Reveal() && game.Judge(false));
            }
            QVERIFY(OpenNext(game));
            zapsters += game.Question()->zapster;
        }
        QVERIFY2(zapsters > 20 && zapsters < 65, qPrintable(QString::number(zapsters)));
    }

    // A copy is a moment of the game: the game goes on without it, and the copy, taken back to,
    // plays on exactly as the game did, draws included. Another seed draws other Zapsters.
    void copiesAreMomentsAndSeedsReplay() {
        const auto zapsters = [](Match game, int questions) {
            QString seen;
            for (int i = 0; i < questions && OpenNext(game); ++i) {
                seen += game.Question()->zapster ? 'Z' : '.';
                game.Reveal();
                game.Judge(i % 3 == 0);
            }
            return seen;
        };
        Match game = NewGame(3, kThreeSixNine, 5);
        const QString whole = zapsters(game, 90);
        for (int i = 0; i < 40; ++i) {
            QVERIFY(OpenNext(game) && game.Reveal() && game.Judge(i % 3 == 0));
        }
        const Match moment = game;
        QCOMPARE(zapsters(game, 50), whole.mid(40));
        QVERIFY(game == moment && &game.content() == &moment.content());
        QVERIFY(game.OpenSquare(4, 5) && !(game == moment));
        QCOMPARE(zapsters(moment, 50), whole.mid(40));
        QVERIFY(zapsters(NewGame(3, kThreeSixNine, 6), 90) != whole);
    }

    // A position outside the board, a round that does not exist or a third team is a programming
    // error: the program stops, loudly, rather than read a neighbouring question or score.
    void outOfRangeStopsTheProgram() {
        if (const QByteArray which = qgetenv("ZAPSTER_OUT_OF_RANGE"); !which.isEmpty()) {
            const Match game = NewGame(3, kNone);
            qInfo() << (which == "round 4" ? game.content().At(4, 0).title.size()
                        : which == "row 6" ? int(game.content().Points(1, 6))
                                           : int(game.Score(2)));
            return;
        }
        for (const char* which : {"round 4", "row 6", "team 2"}) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("ZAPSTER_OUT_OF_RANGE"), QString::fromLatin1(which));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"outOfRangeStopsTheProgram"});
            QVERIFY2(child.waitForFinished(60000) && child.exitStatus() == QProcess::CrashExit &&
                         child.readAll().contains("outside"),
                     which);  // stopped, and the fault named
        }
    }
};

QTEST_GUILESS_MAIN(TestMatch)
#include "tst_match.moc"
