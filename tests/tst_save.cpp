// The saved game: read back at every rest of many seeded games and played on, every outcome taken
// back, every kind of bad save file refused, and a folder that cannot be written.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QtTest>
#include <random>

#include "game/match_json.h"
#include "game/save.h"
#include "game/saved_game.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/program.h"
#include "toolkit/timer.h"

using namespace game;

namespace {

// Every widget of a screen as a person sees it: its text, whether it can be clicked, whether it
// is there at all.
QStringList Seen(tk::Window& screen) {
    QStringList seen;
    for (const auto& [widget, row] : screen.Laid()) {
        const auto* label = dynamic_cast<const tk::Label*>(widget);
        const auto* button = dynamic_cast<const tk::Button*>(widget);
        const QString text = label ? label->Caption() : button ? button->Caption() : QString();
        seen << QStringLiteral("%1.%2 [%3] %4%5")
                    .arg(int(row->widget))
                    .arg(row->index)
                    .arg(text)
                    .arg(widget->isEnabled())
                    .arg(widget->isHidden());
    }
    return seen;
}

// The board, the answer screen (by default only while it is shown) and the whole game but the
// screen it is on, which Shown() tells.
QStringList Everything(bool withAnswer = play::Shown<AnswerScreen>()) {
    QJsonObject json = MatchToJson(flow::Running()->state());
    json.remove(QStringLiteral("phase"));
    QStringList all = Seen(BoardScreen::Get());
    if (withAnswer) {
        all << Seen(AnswerScreen::Get());
    }
    all << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
    return all;
}

QString Shown() {
    return QStringLiteral("board %1 answer %2 game over %3")
        .arg(play::Shown<BoardScreen>())
        .arg(play::Shown<AnswerScreen>())
        .arg(play::Shown<GameOverScreen>());
}

// The program closes, keeping only what is on disk, and starts again.
void StartAgain() {
    save::Close();
    tk::ResetProgram();
    tk::HandlerScope scope;
    flow::StartProgram();
}

void RestartAndResume() {
    StartAgain();
    UserClick(TitleScreen::Get().resumeButton);
}

void PressTakeBack() {
    tk::Window& screen =
        play::Shown<GameOverScreen>() ? static_cast<tk::Window&>(GameOverScreen::Get())
        : play::Shown<AnswerScreen>() ? static_cast<tk::Window&>(AnswerScreen::Get())
                                      : BoardScreen::Get();
    QTest::keyClick(&screen, Qt::Key_Z, Qt::ControlModifier);
}

// A question played by a seeded moderator: the answer revealed at some moment and judged, or the
// time left to run out (on a Zapster question, the clock turned and run down).
void PlayQuestion(std::mt19937& dice) {
    QuestionScreen& question = QuestionScreen::Get();
    const bool waitOut = dice() % 3 == 0;
    tk::clock::Advance(dice() % 6000);
    const std::int64_t opened = tk::clock::Now();
    while (play::Shown<QuestionScreen>()) {
        QVERIFY2(tk::clock::Now() - opened < 600000, "a question open for ten minutes");
        if (question.Pace().waiting || (waitOut && !question.Pace().limited)) {
            question.timeBar.Press();  // the reading is over; a bar of no limit never runs out
        } else
            // The clock is turned only once it has counted up: turned at 0 it would count down past
            // zero for ever, until the moderator revealed the answer.
            if (waitOut && Reachable(question.zapsterClock) &&
                question.zapsterClock.Caption().toInt() > 0) {
                question.zapsterClock.Press();
            } else if (!waitOut && Reachable(question.timeBar) &&
                       question.timeBar.Caption() != QStringLiteral("Time Is Up!")) {
                question.timeBar.Press();
            }
        tk::clock::Advance(1000);
    }
    if (play::Shown<AnswerScreen>()) {
        play::Judge(dice() % 2 == 0);
    }
}

// One step of the moderator at a rest.
void PlayOn(std::mt19937& dice) {
    BoardScreen& board = BoardScreen::Get();
    const unsigned roll = dice() % 100;
    if (play::Shown<AnswerScreen>()) {
        roll < 20 ? PressTakeBack() : play::Judge(roll % 2 == 0);
    } else if (roll < 8) {
        PressTakeBack();
    } else if (roll < 16) {
        tk::Button& call = board.zapsterButtons[int(dice() % 2)][int(dice() % 3)];
        if (Reachable(call)) {
            call.click();
        }
    } else if (roll < 19) {
        UserClick(board.soundOnLogo.isHidden() ? board.soundOffLogo : board.soundOnLogo);
    } else {
        play::OpenNext();
        PlayQuestion(dice);
    }
}

// Fewer games where the sanitizers slow every step down.
#ifdef ZAPSTER_SANITIZE
constexpr int kGames = 8;
#else
constexpr int kGames = 40;
#endif

// The team names and a few questions of a game saved on disk, for the bad-file rows to spoil.
QByteArray SavedGameFile() {
    FreshProgram();
    play::ToSetup();
    SetupScreen::Get().teamNameBox[0].SetText(QStringLiteral("Red Foxes"));
    SetupScreen::Get().teamNameBox[1].SetText(QStringLiteral("Blue Owls"));
    UserClick(SetupScreen::Get().scheduleChoice[0]);
    UserClick(SetupScreen::Get().doneButton);
    play::PlayNext(true);
    play::PlayNext(false);
    play::PlayNext(true);
    save::Close();
    QFile file(save::GameFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestSave : public QObject {
    Q_OBJECT

private slots:
    // At every rest of many seeded games the program is closed, started again and resumed: the
    // room sees the same board and the game has the same state. Played on from there, the game
    // goes exactly as the same game played without a break.
    void roundTripAtEveryRest() {
        int trips = 0;
        for (int game = 1; game <= kGames; ++game) {
            QList<QStringList> unbroken;
            for (const bool restarting : {false, true}) {
                FreshProgram(std::uint64_t(game));
                std::mt19937 dice{unsigned(game)};
                play::ToSetup();
                SetupScreen& setup = SetupScreen::Get();
                UserClick(setup.roundsChoice[int(dice() % 3)]);
                UserClick(setup.scheduleChoice[int(dice() % 6)]);
                UserClick(setup.barChoice[int(dice() % game::kBarLengths.size())]);
                UserClick(setup.startChoice[int(dice() % 2)]);
                UserClick(setup.doneButton);
                QList<QStringList> seen;
                while (!play::Shown<GameOverScreen>()) {
                    if (restarting) {
                        const QStringList before = Everything() << Shown();
                        RestartAndResume();
                        QCOMPARE(Everything() << Shown(), before);
                        ++trips;
                    }
                    seen << (Everything() << Shown());
                    PlayOn(dice);
                    if (QTest::currentTestFailed()) {
                        return;
                    }
                }
                seen << (Everything() << Shown());
                if (restarting) {
                    QCOMPARE(seen, unbroken);
                }
                unbroken = seen;
            }
        }
        qInfo("%d round trips in %d games", trips, kGames);
    }

    // Each outcome is taken back, as many levels as asked: the answer screen is back with the
    // board and the state exactly as just before that outcome, and judging it the same way again
    // gives the game as it was after it.
    void takeBack_data() {
        // R and W: "Got it!" and "Missed it" ("NO Zapster!" and "Zapster!"); T: the time runs out;
        // Z: a Zapster clock turned and run down.
        auto row = Columns<int, int, QString, int>("rounds", "schedule", "outcomes", "depth");
        row("judgements", 2, 0, "RWRRW", 5);
        row("time-outs", 2, 0, "RTT", 3);
        row("Zapster questions", 2, 5, "RWZW", 4);
        row("across a round change", 2, 0, QString(29, 'R') + "WTRW", 6);
        row("time-out on a round's last question", 2, 0, QString(29, 'R') + "TR", 3);
        row("the last question of the game", 0, 0, QString(30, 'W'), 3);
    }
    void takeBack() {
        QFETCH(int, rounds);
        QFETCH(int, schedule);
        QFETCH(QString, outcomes);
        QFETCH(int, depth);
        FreshProgram();
        play::NewGame(rounds, schedule);
        QList<QStringList> before, after;
        for (const QChar outcome : outcomes) {
            play::OpenNext();
            if (outcome == 'T') {
                tk::clock::Advance(32000);  // the time is up; the board comes back 3 s later
                before << Everything(true);
                // The moment before the time-out has it in its record no more.
                QJsonObject json = QJsonDocument::fromJson(before.last().last().toUtf8()).object();
                QJsonArray record = json.value(QStringLiteral("record")).toArray();
                record.removeLast();
                json.insert(QStringLiteral("record"), record);
                before.last().last() =
                    QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
                tk::clock::Advance(3000);
            } else if (outcome == 'Z') {
                tk::clock::Advance(6500);  // the announcement is over and the clock shows 1
                UserClick(QuestionScreen::Get().zapsterClock);
                before << Everything(true);
                tk::clock::Advance(5000);
            } else {
                play::Reveal();
                before << Everything(true);
                play::Judge(outcome == 'R');
            }
            after << (Everything(true) << Shown());
        }
        for (int level = 1; level <= depth; ++level) {
            PressTakeBack();
            const qsizetype question = outcomes.size() - level;
            QCOMPARE(Shown(), QStringLiteral("board 0 answer 1 game over 0"));
            QCOMPARE(Everything(true), before[question]);
        }
        const QChar deepest = outcomes[outcomes.size() - depth];  // each row's is judged
        play::Judge(deepest == 'R');
        QCOMPARE(Everything(true) << Shown(), after[outcomes.size() - depth]);
    }

    // A game that the first saving release wrote, in progress with take-backs and waiting on an
    // answer screen, resumes as that release showed it and takes back as it did: every widget of
    // the board and the answer screen, recorded from that release, level by level.
    void versionOneGameResumesAsItWasShown() {
        QFile saved(QStringLiteral(ZAPSTER_TEST_DATA "/version1-game.json"));
        QFile shown(QStringLiteral(ZAPSTER_TEST_DATA "/version1-game.seen"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && shown.open(QIODevice::ReadOnly));
        FreshProgram();
        QVERIFY(QDir().mkpath(save::Folder()));
        WriteFile(save::GameFile(), saved.readAll());
        QStringList seen;
        RestartAndResume();
        seen << Seen(BoardScreen::Get()) << Seen(AnswerScreen::Get()) << Shown();
        for (int level = 0; level < 3; ++level) {
            PressTakeBack();
            seen << Seen(BoardScreen::Get()) << Seen(AnswerScreen::Get()) << Shown();
        }
        play::Judge(false);
        seen << Seen(BoardScreen::Get()) << Shown();
        QCOMPARE(seen, QString::fromUtf8(shown.readAll()).split(u'\n', Qt::SkipEmptyParts));
    }

    // A hand-edited file whose answer screen lies past the game's last round (the fuzzer's find,
    // among its inputs) is refused with its reason, not taken for a square of a round never had.
    void versionOneAnswerPastTheLastRound() {
        QFile saved(
            QStringLiteral(ZAPSTER_TEST_DATA "/../fuzz/saves/answer-beyond-last-round.json"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QString why;
        QVERIFY(!game::ReadSavedGame(saved.readAll(), &why));
        QVERIFY2(why.contains(QStringLiteral("no square played has this answer")), qPrintable(why));
    }

    // One game per folder of saved games: a second copy of the program, started while the first
    // plays, says so and offers nothing, and its OK ends it; the first copy's game is untouched.
    void secondCopyLeavesTheRunningGameAlone() {
        const QByteArray first = SavedGameFile();
        QLockFile running(save::Folder() + QStringLiteral("/game.lock"));
        QVERIFY(running.tryLock(0));
        StartAgain();
        TitleScreen& title = TitleScreen::Get();
        QCOMPARE(title.resumeOffer.Caption(),
                 QStringLiteral("Zapster is already running: play on in its window."));
        QVERIFY(Reachable(title.okButton) && title.resumeButton.isHidden());
        UserClick(title.okButton);
        QVERIFY(tk::ProgramEnded() && !SetupScreen::Loaded());
        QFile file(save::GameFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
        running.unlock();
        StartAgain();
        QVERIFY(Reachable(TitleScreen::Get().resumeButton));
    }

    // The offer names the teams, their scores and the round; a new game keeps the old one as the
    // previous game; a game that ended with "Thanks For Playing!" is not offered.
    void offerNewGameAndFinishedGame() {
        const QByteArray first = SavedGameFile();
        StartAgain();
        TitleScreen& title = TitleScreen::Get();
        QVERIFY(Reachable(title.resumeButton) && Reachable(title.newGameButton) &&
                !Reachable(title.okButton) && title.disclaimer.isHidden());
        const QRegularExpression offer(
            QStringLiteral("^Resume the game of Red Foxes 100 \u2013 Blue Owls 0, round 1, saved "
                           "\\d\\d:\\d\\d\\?$"));
        QVERIFY2(offer.match(title.resumeOffer.Caption()).hasMatch(),
                 qPrintable(title.resumeOffer.Caption()));
        UserClick(title.newGameButton);
        UserClick(SetupScreen::Get().doneButton);
        QCOMPARE(save::Flush(), QString());
        QFile previous(save::PreviousGameFile());
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), first);
        QTest::keyClick(&BoardScreen::Get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(play::Shown<BoardScreen>(), "a new game has nothing to take back");
        UserClick(BoardScreen::Get().banner);
        UserClick(GameOverScreen::Get().thanksButton);
        StartAgain();
        QVERIFY(Reachable(TitleScreen::Get().okButton) &&
                TitleScreen::Get().resumeOffer.isHidden());
    }

    // A save that cannot be used never starts a game: the title says so in one line, the file is
    // set aside unchanged, and OK leads to a new game as always.
    void badSaveFile_data() {
        // The first occurrence of `from` becomes `to`; "cut" cuts the file short there.
        auto row = Columns<QByteArray, QByteArray, QString>("from", "to", "why");
        row("empty", "{", "cut", "cut short or damaged at byte 0");
        row("cut short", "\"now\"", "cut", "cut short or damaged");
        row("not JSON", "{\"zapster\"", "\x01\xff{\"zapster\"", "damaged at byte 1");
        row("not a saved game", "\"saved game\"", "\"category\"", "not a saved Zapster game");
        row("from a newer version", "\"version\": 2", "\"version\": 3", "saved by a newer Zapster");
        row("score beyond 16 bits", "[100,0]", "[70000,0]", "score is not a whole number");
        row("score not whole", "[100,0]", "[2.5,0]", "score is not a whole number");
        row("31 squares spent", "\"questionsOpened\":3,", "\"questionsOpened\":31,",
            "questionsOpened is not a whole number from 0 to 30");
        row("round 7", "\"round\":1,\"score", "\"round\":7,\"score",
            "round is not a whole number from 1 to 4");
        row("a record that does not add up", "\"verdict\":\"got it\"", "\"verdict\":\"missed it\"",
            "record 1: its scores do not add up");
        row("squares left and opened differ", "\"questionsOpened\":3,", "\"questionsOpened\":4,",
            "do not add up to 30");
        row("squares and count differ", "\"squareSpent\":[true", "\"squareSpent\":[false",
            "open squares and squaresLeft differ");
        row("flag as text", "\"soundOn\":true", "\"soundOn\":\"yes\"",
            "soundOn is not true or false");
        row("field missing", "\"titlesCleared\":false,", "", "titlesCleared is not");
        row("two rounds of content", "[{\"categories\"", "[{\"categories\":[]},{\"categories\"",
            "rounds is not a list of 3");
        row("take-back on the board", "\"phase\":\"answer\"", "\"phase\":\"board\"",
            "takeBacks 1: a question is open exactly when");
        row("question of another square", "\"column\":0,\"points\":25,\"round\":1,\"row\":0,\"z",
            "\"column\":1,\"points\":25,\"round\":1,\"row\":0,\"z",
            "takeBacks 1: question: its square is still open");
        row("a bar the setup does not offer", "\"bar\":32", "\"bar\":33",
            "bar is not a length the setup offers");
        row("a start that is not true or false", "\"afterReading\":false", "\"afterReading\":0",
            "afterReading is not true or false");
        row("a question beyond 64 Ki", "\"questions\":[\"",
            "\"questions\":[\"" + QByteArray(70000, 'q'),
            "questions is not a text of at most 64 Ki");
    }
    void badSaveFile() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, why);
        QByteArray bytes = SavedGameFile();
        const qsizetype at = bytes.indexOf(from);
        QVERIFY(at >= 0);
        bytes = bytes.left(at) + (to == "cut" ? QByteArray() : to + bytes.mid(at + from.size()));
        WriteFile(save::GameFile(), bytes);
        StartAgain();
        TitleScreen& title = TitleScreen::Get();
        QVERIFY(Reachable(title.okButton) && title.resumeButton.isHidden());
        const QString said = title.resumeOffer.Caption();
        QVERIFY2(said.startsWith(QStringLiteral("The saved game could not be used (")) &&
                     said.contains(why) && !said.contains('\n'),
                 qPrintable(said));
        QVERIFY(!QFile::exists(save::GameFile()));
        const QStringList aside =
            QDir(save::Folder()).entryList({QStringLiteral("game-*.unusable.json")});
        QCOMPARE(aside.size(), 1);
        QVERIFY2(said.endsWith(QStringLiteral("it is kept as ") + aside[0] + '.'),
                 qPrintable(said));
        QFile kept(save::Folder() + '/' + aside[0]);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        UserClick(title.okButton);
        UserClick(SetupScreen::Get().doneButton);
        QVERIFY(play::Shown<BoardScreen>() && flow::Running()->Round() == 1);
    }

    // A game saved before the time bar could be chosen resumes with the game's own bar.
    void savedBeforeTheBarCouldBeChosen() {
        QByteArray bytes = SavedGameFile();
        const QByteArray choices = "\"afterReading\":false,\"bar\":32,";
        QVERIFY(bytes.contains(choices));
        WriteFile(save::GameFile(), bytes.replace(choices, ""));
        RestartAndResume();
        const game::Setup& setup = flow::Running()->setup();
        QVERIFY(play::Shown<BoardScreen>() && setup.barSeconds == 32 && !setup.startAfterReading);
    }

    // A save that fails never stops the game: the board says so, once, and stops saying it when a
    // save succeeds again.
    void folderThatCannotBeWritten() {
        FreshProgram();
        const QByteArray writable = qgetenv("XDG_STATE_HOME");
        // Read-only even for the system administrator, as a test may run as one.
        qputenv("XDG_STATE_HOME", "/proc/self");
        play::NewGame();
        BoardScreen& board = BoardScreen::Get();
        QVERIFY(!save::Flush().isEmpty() && !board.saveWarning.isHidden());
        QVERIFY2(
            board.saveWarning.Caption().startsWith(QStringLiteral("This game cannot be saved: ")),
            qPrintable(board.saveWarning.Caption()));
        play::PlayNext(true);  // the game goes on
        QVERIFY(!save::Flush().isEmpty());
        qputenv("XDG_STATE_HOME", writable);
        play::PlayNext(true);
        QVERIFY(save::Flush().isEmpty() && board.saveWarning.isHidden());
        QVERIFY(QFile::exists(save::GameFile()));
    }
};

QTEST_MAIN(TestSave)
#include "tst_save.moc"
